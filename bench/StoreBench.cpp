// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of a read of 300 modules with 100,000 lines: one routine in
// about twenty lines, a Declare in each module, every row written as the
// parser writes it (insert, start line, end line, declaration ends, module
// row), all in the one transaction of the read. Then the tree queries over it.
#include "analysis/StrukturListe.h"
#include "app/Meldungen.h"
#include "app/Start.h"
#include "app/Zustand.h"
#include "store/DatenbankDatei.h"
#include "store/OffenesProjekt.h"
#include "store/ProjektBaum.h"
#include "store/ProjektDatenbankVerbindung.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace {

constexpr int Module = 300;
constexpr int ZeilenJeModul = 100000 / Module;
constexpr int ZeilenJeRoutine = 20;

class StummeMeldungen final : public cb::Meldungen {
public:
    cb::MeldungsAntwort Zeigen(const std::string& text, cb::MeldungsSymbol, cb::MeldungsKnoepfe,
                               const std::string&) override {
        throw std::runtime_error(text);
    }
};

std::string Ordner() {
    auto ordner = std::filesystem::temp_directory_path() / ("cbbench_store_" + std::to_string(::getpid()));
    std::filesystem::create_directories(ordner);
    return ordner.string() + "/";
}

void ProjektEinlesen(cb::OffenesProjekt& projekt, int module = Module, int zeilenJeModul = ZeilenJeModul) {
    StummeMeldungen meldungen;
    projekt.DatenbankErzeugen(meldungen, cb::ProgrammOrdnerErmitteln());
    projekt.DatenbankOeffnen();
    cb::ProjektDatenbankVerbindung& db = projekt.Datenbank();
    db.EinlesenBeginnen();
    std::int64_t rouNum = 0;
    for (int m = 1; m <= module; ++m) {
        db.RoutineEinfuegen({cb::TypDeclareFunction, cb::OffenPrivate, 2, "GetTickCount", ++rouNum, m});
        db.RoutinenStartSetzen(rouNum, 2);
        for (int start = 10; start + ZeilenJeRoutine <= zeilenJeModul; start += ZeilenJeRoutine) {
            db.RoutineEinfuegen(
                {cb::TypSub, cb::OffenPublic, 1, "Routine" + std::to_string(start), ++rouNum, m});
            db.RoutinenStartSetzen(rouNum, start);
            db.RoutinenEndeSetzen(rouNum, start + ZeilenJeRoutine - 2);
        }
        db.DeklarationsEndenSetzen(m);
        db.ModulEinfuegen({m, "Modul" + std::to_string(m), cb::ModulStandard, zeilenJeModul});
    }
    db.EinlesenAbschliessen();
    projekt.DatenbankSchliessen();
}

void BM_ProjektZeilenSchreiben(benchmark::State& state) {
    cb::OffenesProjekt projekt(Ordner());
    for (auto _ : state)
        ProjektEinlesen(projekt);
    std::filesystem::remove_all(projekt.ProjektPfad());
}
BENCHMARK(BM_ProjektZeilenSchreiben)->Unit(benchmark::kMillisecond);

void BM_ProjektBaumLaden(benchmark::State& state) {
    cb::OffenesProjekt projekt(Ordner());
    ProjektEinlesen(projekt);
    projekt.DatenbankOeffnen();
    std::size_t knoten = 0;
    for (auto _ : state) {
        knoten = projekt.ModullisteLaden().size() + projekt.RoutinenlisteLaden().size();
        benchmark::DoNotOptimize(knoten);
    }
    state.counters["Knoten"] = static_cast<double>(knoten);
    projekt.DatenbankSchliessen();
    std::filesystem::remove_all(projekt.ProjektPfad());
}
BENCHMARK(BM_ProjektBaumLaden)->Unit(benchmark::kMillisecond);

// The outline of a project of 3,000 modules and 1,000,000 lines: the module
// list and every routine's name, straight into the listing.
void BM_Struktur3000Module(benchmark::State& state) {
    cb::OffenesProjekt projekt(Ordner());
    ProjektEinlesen(projekt, 3000, 1000000 / 3000);
    projekt.DatenbankOeffnen();
    std::size_t laenge = 0;
    for (auto _ : state) {
        cb::StrukturListe liste;
        for (const cb::BaumKnoten& k : projekt.ModullisteLaden())
            liste.Kopf(k.Schluessel, k.Text);
        projekt.RoutinenDurchgehen([&](const cb::OffenesProjekt::RoutinenZeile& z) {
            liste.Kind(cb::ModulSchluessel(z.ModNum), z.Name);
        });
        laenge = liste.Text().size();
        benchmark::DoNotOptimize(laenge);
    }
    state.counters["Bytes"] = static_cast<double>(laenge);
    projekt.DatenbankSchliessen();
    std::filesystem::remove_all(projekt.ProjektPfad());
}
BENCHMARK(BM_Struktur3000Module)->Unit(benchmark::kMillisecond);

} // namespace
