// SPDX-License-Identifier: GPL-3.0-or-later
// rtf DIR [--module NAME] --out FILE: the file that "&Modul" or "&Projekt"
// of the menu RTF write, under the name given.
#include "cli/ExportBefehle.h"

#include "cli/Argumente.h"
#include "cli/ExportZugang.h"
#include "cli/ProjektZugang.h"

#include "app/Zustand.h"
#include "export/RtfAusgabe.h"

namespace cb::cli {

int RtfExport(const Zustand& z, const Aufruf& aufruf, std::ostream&, std::ostream& fehler) {
    auto ziel = Benannt(aufruf, "out");
    if (aufruf.positionen.size() != 1 || !ziel || ziel->empty() || !NurBenannte(aufruf, {"module", "out"}))
        return 2;
    ExportZugang zugang(z, fehler);
    if (!zugang.Oeffnen(aufruf.positionen[0]))
        return 1;
    bool ok;
    if (auto name = Benannt(aufruf, "module")) {
        std::int64_t n = zugang.Modul(*name);
        if (n == 0)
            return 1;
        ExportKontext k = zugang.Kontext(n);
        ok = RtfModul(k, *ziel);
    } else {
        ExportKontext k = zugang.Kontext();
        ok = RtfProjekt(k, *ziel);
    }
    return ok ? 0 : 1;
}

} // namespace cb::cli
