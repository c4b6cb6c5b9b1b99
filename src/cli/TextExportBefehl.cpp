// SPDX-License-Identifier: GPL-3.0-or-later
// text DIR --module NAME: the text of a module as the code pane shows it,
// which "&Modul" of "&Nur-Text" puts on the clipboard.
#include "cli/ExportBefehle.h"

#include "cli/Argumente.h"
#include "cli/ExportZugang.h"
#include "cli/ProjektZugang.h"

#include "app/Zustand.h"
#include "export/TextAusgabe.h"
#include "store/ModulText.h"

#include <ostream>

namespace cb::cli {

int TextExport(const Zustand& z, const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler) {
    auto name = Benannt(aufruf, "module");
    if (aufruf.positionen.size() != 1 || !name || !NurBenannte(aufruf, {"module"}))
        return 2;
    ExportZugang zugang(z, fehler);
    if (!zugang.Oeffnen(aufruf.positionen[0]))
        return 1;
    std::int64_t n = zugang.Modul(*name);
    if (n == 0)
        return 1;
    aus << AnzeigeText(ModulTextLesen(zugang.projekt.ProjektPfad(), n));
    return 0;
}

} // namespace cb::cli
