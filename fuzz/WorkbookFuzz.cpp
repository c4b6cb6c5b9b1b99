// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes given to the workbook reader either give a project or a
// WorkbookError; any other way out (a crash, another exception, a sanitizer
// report, memory beyond the limit) is a fault.
#include "import/workbook/WorkbookError.h"
#include "import/workbook/WorkbookReader.h"

#include <glib.h>

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

// gsf warns on stderr about every broken container, which is most inputs.
void Still(const gchar*, GLogLevelFlags, const gchar*, gpointer) {}
void StillDrucken(const gchar*) {}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    g_log_set_default_handler(Still, nullptr);
    g_set_print_handler(StillDrucken);
    g_set_printerr_handler(StillDrucken);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    try {
        const cb::workbook::VbaProjekt p =
            cb::workbook::WorkbookAusBytes(std::string_view(reinterpret_cast<const char*>(daten), groesse), "fuzz.xlsm");
        // Touch what was read so that nothing is left unchecked.
        std::size_t summe = p.name.size();
        for (const auto& k : p.komponenten)
            summe += k.code.size() + k.zeilen;
        if (summe == static_cast<std::size_t>(-1))
            return 1;
    } catch (const cb::workbook::WorkbookError&) {
    }
    return 0;
}
