// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ExportZugang.h"

#include "cli/ProjektZugang.h"

#include "store/DatenbankDatei.h"

namespace cb::cli {

ExportZugang::~ExportZugang() {
    DatenbankSchliessen(m_z);
}

bool ExportZugang::Oeffnen(const std::string& ordner) {
    auto module = ProjektOeffnen(m_z, meldungen, ordner);
    if (!module)
        return false;
    for (BaumKnoten& k : *module)
        treProjekt.Hinzufuegen(std::move(k));
    return true;
}

std::int64_t ExportZugang::Modul(const std::string& name) {
    std::int64_t n = ModulNachName(treProjekt.Knoten(), name);
    if (n == 0)
        meldungen.Melden(KeinModulText(name), MeldungsSymbol::Warnung);
    return n;
}

} // namespace cb::cli
