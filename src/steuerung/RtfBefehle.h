// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two commands of the menu RTF: the save chooser, then the file.
#include <string>

namespace cb {

struct ExportKontext;
class Dialoge;

/// "&Modul" of the menu RTF: the save chooser, proposing the current
/// module's name.
void mnuRtf_Modul_Click(ExportKontext& k, Dialoge& dialoge, const std::string& modulName);
/// "&Projekt" of the menu RTF: the save chooser, proposing the project's name.
void mnuRtf_Projekt_Click(ExportKontext& k, Dialoge& dialoge, const std::string& projektName);

} // namespace cb
