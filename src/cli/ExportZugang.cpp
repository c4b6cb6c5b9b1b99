// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ExportZugang.h"

#include "cli/ProjektZugang.h"

#include "app/Start.h"
#include "app/Zustand.h"

namespace cb::cli {

ExportKontext ExportZugang::Kontext(std::int64_t aktModulNummer) {
    return {m_z.Opt, m_z.AppName, VorschauOrdner(m_z), projekt, aktModulNummer, meldungen, ablage,
            anzeige, shell,       treProjekt};
}

bool ExportZugang::Oeffnen(const std::string& ordner) {
    auto module = ProjektOeffnen(projekt, meldungen, ordner);
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
