// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// HTML to the clipboard from the four sources (selection, clipboard,
// module, project) and the zoom pane, with the optional credit line and
// the browser preview.
#include <cstdint>
#include <string>

namespace cb {

struct ExportKontext;

/// The credit line with the link to the maker's home page.
std::string HinweisZeile(const std::string& appName);
/// Appends CR LF, "<br>" and the credit line.
void HinweisAnhaengen(const std::string& appName, std::string& html);

/// Marked code text to the HTML fragment, with "Erzeuge Html Code" in
/// status panel 5 while it works.
void HtmlErzeugen(ExportKontext& k, std::string& text);

/// Offers the credit line (option "meld"), puts the HTML on the clipboard
/// and shows the preview (option "vor").
void HtmlAusgeben(ExportKontext& k, std::string& html);

/// The preview file "TempCodeBrindle.htm" in the folder (VorschauOrdner).
std::string VorschauDatei(const std::string& vorschauOrdner);
/// Writes the preview file and has the desktop open it; false after the
/// message when either failed.
bool HtmlVorschau(ExportKontext& k, const std::string& html);

/// The fragment of one module (key "M" + number) from its module text
/// file; throws std::runtime_error when the file cannot be read.
std::string HtmlModulText(ExportKontext& k, std::int64_t modulNummer);
/// One fragment per module, each headed by its bold comment block.
std::string HtmlProjektText(ExportKontext& k);

/// Exports the module with the key to the clipboard; throws as HtmlModulText.
void HtmlModul(ExportKontext& k, const std::string& modulSchluessel);
/// Exports every module to the clipboard; throws as HtmlModulText.
void HtmlProjekt(ExportKontext& k);

/// "&Auswahl": the selected text of the zoom pane or the code pane.
void mnuHtml_Auswahl_Click(ExportKontext& k, const std::string& auswahl);
/// "&Zwischenablage": the text on the clipboard.
void mnuHtml_Clipboard_Click(ExportKontext& k);
/// "Zoom nach &Html": the whole text of the zoom pane.
void mnuPopUp_Zoom_Html_Click(ExportKontext& k, const std::string& zoomText);
/// "&Modul" and "&Projekt" with the window's error message.
void mnuHtml_Modul_Click(ExportKontext& k);
void mnuHtml_projekt_Click(ExportKontext& k);

} // namespace cb
