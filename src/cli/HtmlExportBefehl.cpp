// SPDX-License-Identifier: GPL-3.0-or-later
// html DIR [--module NAME] [--credit]: what "&Modul" or "&Projekt" of the
// menu HTML put on the clipboard, with the credit line on request.
#include "cli/ExportBefehle.h"

#include "cli/Argumente.h"
#include "cli/ExportZugang.h"
#include "cli/ProjektZugang.h"

#include "app/Zustand.h"
#include "export/HtmlAusgabe.h"

#include <ostream>

namespace cb::cli {

int HtmlExport(const Zustand& z, const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler) {
    if (aufruf.positionen.size() != 1 || !NurBenannte(aufruf, {"module", "credit"}))
        return 2;
    ExportZugang zugang(z, fehler);
    if (!zugang.Oeffnen(aufruf.positionen[0]))
        return 1;
    ExportKontext k = zugang.Kontext();
    std::string html;
    if (auto name = Benannt(aufruf, "module")) {
        std::int64_t n = zugang.Modul(*name);
        if (n == 0)
            return 1;
        html = HtmlModulText(k, n);
    } else {
        html = HtmlProjektText(k);
    }
    if (Benannt(aufruf, "credit"))
        HinweisAnhaengen(z.AppName, html);
    aus << html;
    return 0;
}

} // namespace cb::cli
