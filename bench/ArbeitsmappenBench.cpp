// SPDX-License-Identifier: GPL-3.0-or-later
// A workbook of 300 modules and 100,000 lines read end to end into a
// project: the file opened and listed as the window lists it, every module
// ticked, decompressed, coloured, split into routines and stored. The
// workbook reader alone is measured too, to show its share, and once more
// on a workbook of very many small modules.
#include "app/Anzeige.h"
#include "app/Meldungen.h"
#include "app/Start.h"
#include "app/Zustand.h"
#include "import/MappenEinlesen.h"
#include "import/workbook/WorkbookReader.h"
#include "store/DatenbankDatei.h"
#include "store/OffenesProjekt.h"
#include "testhilfen/ProjektGenerator.h"
#include "testhilfen/VbaProjectWriter.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class StummeMeldungen final : public cb::Meldungen {
public:
    cb::MeldungsAntwort Zeigen(const std::string& text, cb::MeldungsSymbol, cb::MeldungsKnoepfe,
                               const std::string&) override {
        throw std::runtime_error(text);
    }
};

struct Mappe {
    fs::path ordner;
    fs::path datei;
    std::size_t bytes = 0;
    Mappe(int module, int zeilen)
        : ordner(fs::temp_directory_path() /
                 ("cbbench_mappe_" + std::to_string(module) + "_" + std::to_string(::getpid()))),
          datei(ordner / "Gross.xlsm") {
        fs::create_directories(ordner / "projekt");
        const std::string inhalt = cb::workbook::XlsmBauen(cb::workbook::ProjektErzeugen(module, zeilen));
        bytes = inhalt.size();
        std::ofstream(datei, std::ios::binary) << inhalt;
    }
    ~Mappe() {
        std::error_code ec;
        fs::remove_all(ordner, ec);
    }
};

const Mappe& GrosseMappe() {
    static const Mappe m(300, 100000);
    return m;
}

void MappeEinlesen(benchmark::State& state, const Mappe& m) {
    cb::Zustand z;
    cb::StandardWerteSetzen(z);
    z.ProgrammOrdner = cb::ProgrammOrdnerErmitteln();
    cb::OffenesProjekt projekt((m.ordner / "projekt").string() + "/");
    StummeMeldungen meldungen;
    cb::AnzeigeImSpeicher anzeige;
    for (auto _ : state) {
        if (!cb::MappenEinlesen(z, projekt, meldungen, anzeige, {m.datei.string()}, 1))
            state.SkipWithError("reading failed");
        projekt.DatenbankSchliessen();
    }
    // The modules the database holds; the folder may hold text files that
    // are no module's.
    if (!state.error_occurred()) {
        projekt.DatenbankOeffnen();
        state.counters["modules"] = static_cast<double>(projekt.ModullisteLaden().size());
        projekt.DatenbankSchliessen();
    }
    state.counters["routines"] = static_cast<double>(projekt.RoutinenNummer);
}

void BM_Mappe300ModuleEinlesen(benchmark::State& state) {
    MappeEinlesen(state, GrosseMappe());
}
BENCHMARK(BM_Mappe300ModuleEinlesen)->Unit(benchmark::kMillisecond);

// Every one of 8,000 modules ticked and looked up by name while reading.
void BM_Mappe8000ModuleEinlesen(benchmark::State& state) {
    static const Mappe m(8000, 24000);
    MappeEinlesen(state, m);
}
BENCHMARK(BM_Mappe8000ModuleEinlesen)->Unit(benchmark::kMillisecond);

// The share of opening the container, decompressing and decoding.
void BM_Mappe300ModuleNurLesen(benchmark::State& state) {
    const Mappe& m = GrosseMappe();
    for (auto _ : state)
        benchmark::DoNotOptimize(cb::workbook::WorkbookLesen(m.datei));
}
BENCHMARK(BM_Mappe300ModuleNurLesen)->Unit(benchmark::kMillisecond);

// Many small modules: the PROJECT stream's entries are matched to the dir
// stream's modules by name, which must not grow with the square of their
// number (8,000 modules of three lines; 16,000 once took 18 s).
void BM_Mappe8000ModuleNurLesen(benchmark::State& state) {
    static const std::string bytes = cb::workbook::XlsmBauen(cb::workbook::ProjektErzeugen(8000, 24000));
    std::size_t module = 0;
    for (auto _ : state) {
        const auto p = cb::workbook::WorkbookAusBytes(bytes, "Viele.xlsm");
        module = p.komponenten.size();
        benchmark::DoNotOptimize(module);
    }
    state.counters["modules"] = static_cast<double>(module);
}
BENCHMARK(BM_Mappe8000ModuleNurLesen)->Unit(benchmark::kMillisecond);

} // namespace
