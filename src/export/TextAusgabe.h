// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plain text to the clipboard, and emptying it.
#include <string>

namespace cb {

struct ExportKontext;

/// Marked code text as the code pane shows it: the markers removed.
std::string AnzeigeText(std::string markiert);

/// "&Auswahl" of "&Nur-Text": the selected text of the zoom or code pane.
void mnuText_Auswahl_Click(ExportKontext& k, const std::string& auswahl);
/// "&Modul" of "&Nur-Text": the whole text of the current code pane.
void mnuText_Modul_Click(ExportKontext& k, const std::string& modulText);
/// "&Zwischenablage Leeren".
void mnuExtras_ClearClip_Click(ExportKontext& k);

} // namespace cb
