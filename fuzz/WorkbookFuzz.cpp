// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes given to the workbook reader either give a project or a
// WorkbookError; any other way out (a crash, another exception, a sanitizer
// report, memory beyond the limit) is a fault. A project that is read is
// then listed as the window lists it, beside a sound workbook after it, and
// every listed module is looked up again the way the reading does: names
// that cannot key a node, or a listing that loses the next workbook, are
// faults too.
#include "app/Allgemein.h"
#include "app/Baum.h"
#include "app/Meldungen.h"
#include "app/Text.h"
#include "app/Zustand.h"
#include "import/ProjekteAuflisten.h"
#include "import/host/WorkbookHost.h"
#include "import/workbook/WorkbookError.h"
#include "import/workbook/WorkbookReader.h"

#include <glib.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// gsf warns on stderr about every broken container, which is most inputs.
void Still(const gchar*, GLogLevelFlags, const gchar*, gpointer) {}
void StillDrucken(const gchar*) {}

[[noreturn]] void Fehler(const std::string& was) {
    std::fprintf(stderr, "fault: %s\n", was.c_str());
    std::abort();
}

class StilleMeldungen final : public cb::Meldungen {
public:
    cb::MeldungsAntwort Zeigen(const std::string&, cb::MeldungsSymbol, cb::MeldungsKnoepfe,
                               const std::string&) override {
        ++anzahl;
        return cb::MeldungsAntwort::Ok;
    }
    int anzahl = 0;
};

// The workbook after the fuzzed one: one module of three lines.
cb::workbook::VbaProjekt Nachbar() {
    cb::workbook::VbaProjekt p;
    p.name = "Nachbar";
    p.komponenten.push_back({"Modul1", cb::workbook::KomponentenArt::Standard, "a\r\nb\r\nc", 3, 3});
    return p;
}

void Auflisten(std::string_view bytes) {
    StilleMeldungen meldungen;
    cb::WorkbookHost host(meldungen, [bytes](const std::string& pfad) {
        return pfad.ends_with("fuzz.xlsm") ? cb::workbook::WorkbookAusBytes(bytes, pfad) : Nachbar();
    });
    host.Oeffnen("/fuzz/fuzz.xlsm");
    host.Oeffnen("/fuzz/nachbar.xlsm");
    cb::Zustand z;
    cb::Baum treApp;
    if (!cb::ProjekteAuflisten(z, host, meldungen, treApp))
        Fehler("the listing failed");
    if (!treApp.Finden("A2\\Modul1"))
        Fehler("the workbook after the fuzzed one is not listed");
    // A project that was read has names the listing can key by; a warning
    // about one means the reader let a bad name through.
    if (meldungen.anzahl != 0)
        Fehler("the listing warned about a project that was read");

    // The reading finds each ticked module by the text after the key's last
    // "\" in the project that the key's first part names.
    auto anwendung = host.Anbinden();
    for (const cb::BaumKnoten& k : treApp.Knoten()) {
        if (k.Eltern.empty())
            continue;
        const std::string name = cb::RechterTeilInStr(k.Schluessel, "\\");
        if (name != k.Text || k.Eltern + name != k.Schluessel)
            Fehler("module key " + k.Schluessel + " does not give back its name");
        const std::int64_t projekt = k.Eltern == "A1\\" ? 1 : 2;
        if (!cb::TextGleich(anwendung->VBProjects()->Item(projekt)->VBComponents()->Item(name)->Name(), name))
            Fehler("module " + name + " is not found by its name");
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    g_log_set_default_handler(Still, nullptr);
    g_set_print_handler(StillDrucken);
    g_set_printerr_handler(StillDrucken);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);
    try {
        const cb::workbook::VbaProjekt p = cb::workbook::WorkbookAusBytes(bytes, "fuzz.xlsm");
        // Touch what was read so that nothing is left unchecked.
        std::size_t summe = p.name.size();
        for (const auto& k : p.komponenten)
            summe += k.code.size() + k.zeilen;
        if (summe == static_cast<std::size_t>(-1))
            return 1;
    } catch (const cb::workbook::WorkbookError&) {
        return 0;
    }
    Auflisten(bytes);
    return 0;
}
