// SPDX-License-Identifier: GPL-3.0-or-later
// definition DIR NAME --module NAME: where the definition command jumps
// from module NAME: the module's name, a tab and the line.
#include "cli/ProjektBefehle.h"

#include "cli/Argumente.h"
#include "cli/FehlerAusgabeMeldungen.h"
#include "cli/ProjektZugang.h"

#include "analysis/DefinitionSuche.h"
#include "app/Anzeige.h"
#include "store/DatenbankDatei.h"
#include "store/OffenesProjekt.h"
#include "store/ProjektBaum.h"

#include <ostream>

namespace cb::cli {

int Definition(const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler) {
    const auto modul = ModulArgument(aufruf);
    if (!modul)
        return 2;
    FehlerAusgabeMeldungen meldungen(fehler);
    OffenesProjekt projekt;
    auto offen = ProjektMitModulOeffnen(projekt, meldungen, aufruf.positionen[0], *modul, fehler);
    if (!offen)
        return 1;
    AnzeigeImSpeicher anzeige;
    auto sprung =
        DefinitionAnspringen(projekt, offen->ModulNummer - 1, meldungen, anzeige, aufruf.positionen[1]);
    projekt.DatenbankSchliessen();
    if (!sprung)
        return 1;
    const std::string schluessel = ModulSchluessel(sprung->AktModulIndex + 1);
    for (const BaumKnoten& k : offen->Module)
        if (k.Schluessel == schluessel)
            aus << k.Text;
    aus << '\t' << sprung->Zeile << '\n';
    return 0;
}

} // namespace cb::cli
