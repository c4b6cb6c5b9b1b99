// SPDX-License-Identifier: GPL-3.0-or-later
// outline DIR: the structure listing of the project tree, as the command
// "&Struktur nach Zwischenablage" puts it on the clipboard (CR LF lines).
#include "cli/ProjektBefehle.h"

#include "cli/Argumente.h"
#include "cli/FehlerAusgabeMeldungen.h"
#include "cli/ProjektZugang.h"

#include "analysis/StrukturListe.h"
#include "store/DatenbankDatei.h"
#include "store/OffenesProjekt.h"
#include "store/ProjektBaum.h"

#include <ostream>

namespace cb::cli {

int Struktur(const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler) {
    if (aufruf.positionen.size() != 1 || !aufruf.benannte.empty())
        return 2;
    FehlerAusgabeMeldungen meldungen(fehler);
    OffenesProjekt projekt;
    auto module = ProjektOeffnen(projekt, meldungen, aufruf.positionen[0]);
    if (!module)
        return 1;
    // A project of thousands of modules has ten times more routines: their
    // names go straight into the listing, without a node for each.
    StrukturListe liste;
    for (const BaumKnoten& k : *module)
        liste.Kopf(k.Schluessel, k.Text);
    projekt.RoutinenDurchgehen(
        [&](const OffenesProjekt::RoutinenZeile& z) { liste.Kind(ModulSchluessel(z.ModNum), z.Name); });
    projekt.DatenbankSchliessen();
    aus << liste.Text();
    return 0;
}

} // namespace cb::cli
