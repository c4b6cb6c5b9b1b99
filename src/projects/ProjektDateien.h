// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands of the "&Datei" menu that start, open and save projects.
#include <cstddef>
#include <string>

namespace cb {

struct ProjektKontext;

/// "&Neu": drops the shown project and lists the host's projects again.
void mnuNeu_Click(ProjektKontext& k);

/// "&Öffnen ...": lets the user choose a project folder and shows it.
void mnuOeffnen_Click(ProjektKontext& k);

/// An entry of the recent list: shows the project of menu item index.
void mnuOpenIndex_Click(ProjektKontext& k, std::size_t index);

/// "&Speichern Unter ...": copies the current project into a folder of its
/// own and goes on there. True when the project was saved.
bool mnuSpeichern_Click(ProjektKontext& k);

/// Makes the folder the current project and shows it, as opening does once
/// the folder is chosen; false when it could not be shown.
bool ProjektOeffnen(ProjektKontext& k, const std::string& ordner);

} // namespace cb
