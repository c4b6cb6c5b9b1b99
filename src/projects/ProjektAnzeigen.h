// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a new project from the host and showing any stored project.
#include <string>

namespace cb {

struct ProjektKontext;

/// The message when the project in the folder cannot be shown.
std::string NichtIntaktText(const std::string& projektPfad);

/// Shows the project whose database lies in ProjektPfad: project tree,
/// code panes, first module. False when it is not intact; the message has
/// been shown and the view is back at the host's projects.
bool ProjektAnzeigen(ProjektKontext& k);

/// The command "&Code Einlesen": builds a new project in the working
/// folder from the ticked modules and shows it.
void mnuBearbeiten_Code_Click(ProjektKontext& k);

} // namespace cb
