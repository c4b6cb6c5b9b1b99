// SPDX-License-Identifier: GPL-3.0-or-later
#include "steuerung/KontextMenue.h"

namespace cb {

KontextMenue KontextMenueBestimmen(const KontextEingabe& e) {
    KontextMenue m;
    if (!e.ProjektAktiv) {
        // Before anything is read only the clipboard and reading are offered.
        m.Menue = PopUp::Einlesen;
        m.CodeEinlesenAn = e.CodeEinlesenAn;
        return m;
    }
    m.Menue = PopUp::Haupt;
    m.DefinitionAn = !e.Wort.empty();
    m.Definition = m.DefinitionAn ? "&Definition : " + std::string(e.Wort) : "&Definition ";
    m.AufrufAn = !e.Panel2.empty();
    m.Aufruf = m.AufrufAn ? "Aufrufe: " + std::string(e.Panel2) : "Aufrufe";
    return m;
}

} // namespace cb
