// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/BefehlListe.h"

#include "cli/FehlerAusgabeMeldungen.h"

#include "analysis/StrukturListe.h"
#include "app/Baum.h"
#include "import/ProjekteAuflisten.h"
#include "import/host/WorkbookHost.h"

#include <ostream>

namespace cb::cli {

const char* const NichtAufgelistetText = "codebrindle-cli: nicht aufgelistet werden Projekte, die für die "
                                         "Anzeige gesperrt sind, und Module mit höchstens zwei Zeilen";

int Liste(Zustand& z, const std::vector<std::string>& mappen, std::ostream& aus, std::ostream& fehler) {
    FehlerAusgabeMeldungen meldungen(fehler);
    WorkbookHost host(meldungen);
    for (const auto& m : mappen)
        host.Oeffnen(m);
    Baum treApp;
    const bool ok = ProjekteAuflisten(z, host, meldungen, treApp);
    aus << StrukturText(treApp);
    // An empty listing would not tell whether the files were read at all.
    if (ok && !meldungen.Gemeldet() && treApp.Leer())
        fehler << "codebrindle-cli: kein Projekt aufzulisten\n" << NichtAufgelistetText << '\n';
    return ok && !meldungen.Gemeldet() ? 0 : 1;
}

} // namespace cb::cli
