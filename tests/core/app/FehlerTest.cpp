// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Fehler.h"

#include "cli/Argumente.h"
#include "import/host/Host.h"
#include "import/workbook/FormatError.h"
#include "import/workbook/OvbaCompression.h"
#include "import/workbook/WorkbookError.h"
#include "import/workbook/WorkbookReader.h"
#include "projects/OrdnerKopieren.h"
#include "store/DatenbankFehler.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <type_traits>

namespace {

template <class... T> constexpr bool AlleSindFehler = (std::is_base_of_v<cb::Fehler, T> && ...);
static_assert(AlleSindFehler<cb::ErsetzenFehler, cb::cli::FalscherAufruf, cb::DatenbankFehler,
                             cb::workbook::FormatError, cb::workbook::GroessenFehler,
                             cb::workbook::WorkbookError, cb::HostFehler>);
static_assert(std::is_base_of_v<std::runtime_error, cb::Fehler>);

// What a handler of the given type gets from a failing call; a note
// instead when the call threw nothing or something else.
template <class Art> std::string Gefangen(const std::function<void()>& aufruf) {
    try {
        aufruf();
    } catch (const Art& f) {
        return f.what();
    } catch (...) {
        return "(eine andere Ausnahme)";
    }
    return "(keine Ausnahme)";
}

// The call fails with the type its callers expect, and a handler of the
// common base gets the same message from it.
template <class Art> void ErreichtDenGemeinsamenHandler(const std::function<void()>& aufruf) {
    const std::string eigen = Gefangen<Art>(aufruf);
    EXPECT_NE(eigen.front(), '(') << eigen;
    EXPECT_EQ(Gefangen<cb::Fehler>(aufruf), eigen);
}

} // namespace

TEST(Fehler, JederFehlerDesKernsErreichtDenGemeinsamenHandlerMitSeinerMeldung) {
    const std::string fehlt =
        (std::filesystem::path(::testing::TempDir()) / "cb_gibt_es_nicht.xlsm").string();
    ErreichtDenGemeinsamenHandler<cb::workbook::WorkbookError>([&] { cb::workbook::WorkbookLesen(fehlt); });
    EXPECT_NE(Gefangen<cb::Fehler>([&] { cb::workbook::WorkbookLesen(fehlt); }).find(fehlt),
              std::string::npos);
    ErreichtDenGemeinsamenHandler<cb::workbook::FormatError>(
        [] { cb::workbook::Dekomprimieren("\x02kein Container"); });
    ErreichtDenGemeinsamenHandler<cb::ErsetzenFehler>([&] { cb::OrdnerErsetzen(fehlt, fehlt + "_ordner"); });

    // Handlers of the standard types, as the command line and the window
    // have, still see every one of them.
    EXPECT_EQ(Gefangen<std::runtime_error>([] { throw cb::DatenbankFehler("Keine Projektdatenbank", 11); }),
              "Keine Projektdatenbank");
    EXPECT_EQ(Gefangen<std::exception>([] { throw cb::HostFehler("Noch nicht gespeichert."); }),
              "Noch nicht gespeichert.");
    EXPECT_EQ(Gefangen<std::runtime_error>([] { throw cb::cli::FalscherAufruf("unknown flag '--x'"); }),
              "unknown flag '--x'");
}
