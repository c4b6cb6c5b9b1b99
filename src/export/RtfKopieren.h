// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rich-text copies of the code: the RTF document of the module or of the
// zoom pane's routine put on the clipboard directly, beside its plain
// text, as the panes show them. A selection is copied by the pane itself.
#include <string>

namespace cb {

struct ExportKontext;

/// "Kopieren &Modul": the whole current module; refused in zoom mode with
/// "Steht im Zoom Modus nicht zur Verfügung".
void mnuBearbeiten_Kopieren_Modul_Click(ExportKontext& k, bool zoomModus,
                                        const std::string& markierterModulText);
/// "&Zoom Kopieren": the whole content of the zoom pane.
void mnuPopUp_Zoom_Copy_Click(ExportKontext& k, const std::string& markierterZoomText);

} // namespace cb
