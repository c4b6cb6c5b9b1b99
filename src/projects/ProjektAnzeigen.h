// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Loading a stored project for the window to show.
#include <optional>
#include <string>
#include <vector>

namespace cb {

struct ProjektKontext;

/// The message when the project in the folder cannot be shown.
std::string NichtIntaktText(const std::string& projektPfad);

/// Loads the project whose database lies in the project folder: its tree
/// into treProjekt (expanded as the options say) and the marked text of
/// modules 1, 2, ... for the code panes. Nothing when it is not intact: the
/// message has been shown, the database is closed, the tree is left as it
/// was, and an unsaved read goes on in the working folder, open again.
std::optional<std::vector<std::string>> ProjektLaden(ProjektKontext& k);

} // namespace cb
