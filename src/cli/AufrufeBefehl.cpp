// SPDX-License-Identifier: GPL-3.0-or-later
// callers DIR ROUTINE --module NAME: the caller search as the window runs
// it with module NAME in front and ROUTINE in status panel 2, printed in
// the form of the structure listing.
#include "cli/ProjektBefehle.h"

#include "cli/Argumente.h"
#include "cli/FehlerAusgabeMeldungen.h"
#include "cli/ProjektZugang.h"

#include "analysis/AufrufeSuche.h"
#include "analysis/StrukturListe.h"
#include "app/Anzeige.h"
#include "store/OffenesProjekt.h"

#include <ostream>

namespace cb::cli {

int Aufrufe(const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler) {
    const auto modul = ModulArgument(aufruf);
    if (!modul)
        return 2;
    FehlerAusgabeMeldungen meldungen(fehler);
    OffenesProjekt projekt;
    auto offen = ProjektMitModulOeffnen(projekt, meldungen, aufruf.positionen[0], *modul, fehler);
    if (!offen)
        return 1;
    auto ergebnis = AufrufeSuchen(projekt, offen->ModulNummer, meldungen, aufruf.positionen[1]);
    projekt.DatenbankSchliessen();
    if (!ergebnis)
        return 1;
    aus << StrukturText(ergebnis->RoutSuche);
    return 0;
}

} // namespace cb::cli
