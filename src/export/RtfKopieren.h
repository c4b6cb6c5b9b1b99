// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rich-text copies of the code: the RTF document of the module or of the
// zoom pane's routine put on the clipboard directly, beside its plain
// text, as the panes show them. A selection is copied by the pane itself.
#include <cstddef>
#include <string>

namespace cb {

struct ExportKontext;
struct CodeAnsicht;

/// "Kopieren &Modul": the whole current module; refused in zoom mode with
/// "Steht im Zoom Modus nicht zur Verfügung".
void mnuBearbeiten_Kopieren_Modul_Click(ExportKontext& k, bool zoomModus,
                                        const std::string& markierterModulText);
/// "&Kopieren Auswahl" and the pane's own copy: the characters anfang to
/// anfang + laenge of what the pane in front shows, as it shows them. An
/// empty selection leaves the clipboard as it was.
void mnuBearbeiten_Kopieren_Auswahl_Click(ExportKontext& k, const CodeAnsicht& code, std::size_t anfang,
                                          std::size_t laenge);
/// "&Zoom Kopieren": the whole content of the zoom pane.
void mnuPopUp_Zoom_Copy_Click(ExportKontext& k, const std::string& markierterZoomText);

} // namespace cb
