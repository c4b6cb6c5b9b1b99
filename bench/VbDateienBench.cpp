// SPDX-License-Identifier: GPL-3.0-or-later
// Reading Visual Basic module files into a project folder: one module of
// 5,000 routines, and a project of 300 modules and about 100,000 lines.
// The stages of the project read are measured on their own as well, to
// show where the time goes: the files (read, decode, find the code, write
// the module texts), the colouring, and SQLite (the rows the read writes,
// replayed in one transaction). Then the caller search over that project.
#include "VbaKorpus.h"

#include "analysis/AufrufeSuche.h"
#include "app/Anzeige.h"
#include "app/Dateien.h"
#include "app/Meldungen.h"
#include "app/Optionen.h"
#include "app/Start.h"
#include "import/vb/VbAnwendungsBaum.h"
#include "import/vb/VbProjektEinlesen.h"
#include "render/CodeMarkieren.h"
#include "store/DatenbankDatei.h"
#include "store/ModulText.h"
#include "store/OffenesProjekt.h"
#include "store/ProjektBaum.h"
#include "store/ProjektDatenbankVerbindung.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int ProjektModule = 300;
constexpr int ProjektZeilen = 100000;
constexpr int RoutinenImGrossenModul = 5000;

class StummeMeldungen final : public cb::Meldungen {
public:
    cb::MeldungsAntwort Zeigen(const std::string& text, cb::MeldungsSymbol, cb::MeldungsKnoepfe,
                               const std::string&) override {
        throw std::runtime_error(text);
    }
};

std::size_t Zeilen(const std::string& t) {
    return static_cast<std::size_t>(std::count(t.begin(), t.end(), '\n'));
}

std::size_t Routinen(const std::string& t) {
    std::size_t n = 0;
    for (const char* ende : {"\nEnd Sub", "\nEnd Function", "\nEnd Property"})
        for (std::size_t p = t.find(ende); p != std::string::npos; p = t.find(ende, p + 1))
            ++n;
    return n;
}

// VbaModul grows in blocks of three routines (Function, Sub, Property Get).
struct Block {
    std::size_t kopf, bytes, zeilen;
};
Block BlockGroesse() {
    const std::string kopf = cb::bench::VbaModul(1), eins = cb::bench::VbaModul(kopf.size() + 1);
    return {kopf.size(), eins.size() - kopf.size(), Zeilen(eins) - Zeilen(kopf)};
}

fs::path Ordner(const std::string& name) {
    // Everything goes below one folder of this run, removed at exit.
    static const struct Wurzel {
        fs::path pfad = fs::temp_directory_path() / ("cbbench_vb_" + std::to_string(::getpid()));
        ~Wurzel() {
            std::error_code ec;
            fs::remove_all(pfad, ec);
        }
    } wurzel;
    fs::path p = wurzel.pfad / name;
    fs::create_directories(p);
    return p;
}

struct Quellen {
    fs::path ordner;
    std::vector<std::string> dateien;
    std::size_t zeilen = 0;
};

std::string ModulDatei(int n, const std::string& code) {
    return "Attribute VB_Name = \"Modul" + std::to_string(n) + "\"\r\n" + code + "\r\n";
}

const Quellen& GrossesModul() {
    static const Quellen q = [] {
        Quellen neu{Ordner("gross_src"), {}, 0};
        // Blocks grow with the digits of their routine names; grow the
        // module until it holds enough routines.
        const Block b = BlockGroesse();
        std::size_t bytes = b.kopf + (RoutinenImGrossenModul / 3) * b.bytes;
        std::string code = cb::bench::VbaModul(bytes);
        while (Routinen(code) < RoutinenImGrossenModul)
            code = cb::bench::VbaModul(bytes += b.bytes);
        neu.dateien.push_back((neu.ordner / "Gross.bas").string());
        cb::DateiSchreiben(neu.dateien.back(), ModulDatei(1, code));
        neu.zeilen = Zeilen(code) + 1;
        return neu;
    }();
    return q;
}

const Quellen& Projekt() {
    static const Quellen q = [] {
        Quellen neu{Ordner("projekt_src"), {}, 0};
        const Block b = BlockGroesse();
        const std::size_t zeilenJeModul = ProjektZeilen / ProjektModule;
        // VbaModul ends with a whole block: aim half a block short.
        const std::size_t bytes =
            b.kopf + (zeilenJeModul - Zeilen(cb::bench::VbaModul(1)) - b.zeilen / 2) * b.bytes / b.zeilen;
        for (int m = 1; m <= ProjektModule; ++m) {
            std::string code = cb::bench::VbaModul(bytes);
            for (std::size_t z = Zeilen(code); z + 1 < zeilenJeModul; ++z)
                code += "' F\xC3\xBCllzeile\r\n";
            neu.dateien.push_back((neu.ordner / ("Modul" + std::to_string(m) + ".bas")).string());
            cb::DateiSchreiben(neu.dateien.back(), ModulDatei(m, code));
            neu.zeilen += Zeilen(code) + 1;
        }
        return neu;
    }();
    return q;
}

// A project folder of its own to read into, with the default options.
struct Ziel {
    explicit Ziel(const std::string& name) : projekt(Ordner(name).string() + "/") {}
    cb::Optionen opt;
    std::string maskenOrdner = cb::ProgrammOrdnerErmitteln();
    cb::OffenesProjekt projekt;
};

void Einlesen(Ziel& z, const cb::Baum& baum) {
    StummeMeldungen meldungen;
    cb::AnzeigeImSpeicher anzeige;
    // A failed read says why through the messages, which throw it
    if (!cb::VBProjektEinlesen(z.projekt, z.opt, z.maskenOrdner, meldungen, anzeige, baum))
        throw std::runtime_error("the read failed without a message");
    z.projekt.DatenbankSchliessen();
}

void Lesen(benchmark::State& state, const Quellen& q, const std::string& ziel) {
    Ziel z(ziel);
    const cb::Baum baum = cb::ModulDateienBaum(q.dateien);
    for (auto _ : state)
        Einlesen(z, baum);
    state.counters["Module"] = static_cast<double>(q.dateien.size());
    state.counters["Zeilen"] = static_cast<double>(q.zeilen);
    state.counters["Routinen"] =
        static_cast<double>(z.projekt.RoutinenNummer / static_cast<std::int64_t>(state.iterations()));
}

void BM_VbModul5000RoutinenLesen(benchmark::State& state) {
    Lesen(state, GrossesModul(), "gross");
}
BENCHMARK(BM_VbModul5000RoutinenLesen)->Unit(benchmark::kMillisecond);

void BM_VbProjekt300ModuleLesen(benchmark::State& state) {
    Lesen(state, Projekt(), "projekt");
}
BENCHMARK(BM_VbProjekt300ModuleLesen)->Unit(benchmark::kMillisecond);

// Stage: the files alone, as the read touches them.
void BM_VbProjektAnteilDateien(benchmark::State& state) {
    const Quellen& q = Projekt();
    Ziel z("anteil_dateien");
    for (auto _ : state) {
        std::int64_t nummer = 0;
        for (const std::string& d : q.dateien) {
            std::string code = cb::CodeAusModulDatei(cb::ModulDateiText(cb::DateiLesen(d)));
            cb::ModulTextSchreiben(z.projekt.ProjektPfad(), ++nummer, code);
        }
    }
}
BENCHMARK(BM_VbProjektAnteilDateien)->Unit(benchmark::kMillisecond);

// Stage: colouring every module (transient mode: the markers without the
// routine rows).
void BM_VbProjektAnteilFaerben(benchmark::State& state) {
    const Quellen& q = Projekt();
    Ziel z("anteil_faerben");
    std::vector<std::string> codes;
    for (const std::string& d : q.dateien)
        codes.push_back(cb::CodeAusModulDatei(cb::ModulDateiText(cb::DateiLesen(d))));
    for (auto _ : state)
        for (const std::string& c : codes) {
            std::string t = c;
            cb::CodeMarkieren(z.opt, t);
            benchmark::DoNotOptimize(t.data());
        }
}
BENCHMARK(BM_VbProjektAnteilFaerben)->Unit(benchmark::kMillisecond);

// Stage: the rows of the read, replayed statement by statement into a
// fresh database as the parser writes them, in the read's one transaction.
void BM_VbProjektAnteilSqlite(benchmark::State& state) {
    Ziel quelle("anteil_sqlite_quelle");
    Einlesen(quelle, cb::ModulDateienBaum(Projekt().dateien));
    quelle.projekt.DatenbankOeffnen();
    std::vector<cb::RoutinenZeile> routinen;
    std::vector<std::pair<std::int64_t, std::int64_t>> zeilen; // start, end
    {
        cb::sql::Anweisung a(
            quelle.projekt.Datenbank().Verbindung(),
            "SELECT rou_typ, rou_open, anz_dec_zeilen, rou_name, rou_num, mod_num, rou_start, "
            "rou_ende FROM td_rout ORDER BY rou_num");
        while (a.Schritt()) {
            routinen.push_back({static_cast<int>(a.Ganzzahl(0)), static_cast<int>(a.Ganzzahl(1)),
                                a.Ganzzahl(2), a.Text(3), a.Ganzzahl(4), a.Ganzzahl(5)});
            zeilen.emplace_back(a.Ganzzahl(6), a.Ganzzahl(7));
        }
    }
    std::vector<cb::ModulZeile> module;
    {
        cb::sql::Anweisung a(quelle.projekt.Datenbank().Verbindung(),
                             "SELECT mod_num, mod_name, mod_typ, mod_zeilen FROM td_mod ORDER BY mod_num");
        while (a.Schritt())
            module.push_back({a.Ganzzahl(0), a.Text(1), static_cast<int>(a.Ganzzahl(2)), a.Ganzzahl(3)});
    }
    quelle.projekt.DatenbankSchliessen();

    Ziel z("anteil_sqlite");
    StummeMeldungen meldungen;
    for (auto _ : state) {
        z.projekt.DatenbankErzeugen(meldungen, z.maskenOrdner);
        z.projekt.DatenbankOeffnen();
        cb::ProjektDatenbankVerbindung& db = z.projekt.Datenbank();
        db.EinlesenBeginnen();
        std::size_t r = 0;
        for (const cb::ModulZeile& m : module) {
            std::size_t erste = r;
            for (; r < routinen.size() && routinen[r].ModNum == m.ModNum; ++r)
                db.RoutineEinfuegen(routinen[r]);
            for (std::size_t i = erste; i < r; ++i) {
                db.RoutinenStartSetzen(routinen[i].RouNum, zeilen[i].first);
                if (routinen[i].RouTyp < 10)
                    db.RoutinenEndeSetzen(routinen[i].RouNum, zeilen[i].second);
            }
            db.DeklarationsEndenSetzen(m.ModNum);
            db.ModulEinfuegen(m);
        }
        db.EinlesenAbschliessen();
        z.projekt.DatenbankSchliessen();
    }
    state.counters["Routinen"] = static_cast<double>(routinen.size());
}
BENCHMARK(BM_VbProjektAnteilSqlite)->Unit(benchmark::kMillisecond);

// The caller search over the project: a public function that every module
// defines and uses once in its own body (300 hits, one per module), and a
// private Sub searched in its module alone.
void Aufrufe(benchmark::State& state, const std::string& routine) {
    Ziel z("aufrufe");
    Einlesen(z, cb::ModulDateienBaum(Projekt().dateien));
    z.projekt.DatenbankOeffnen();
    z.projekt.ModullisteLaden();
    StummeMeldungen meldungen;
    std::size_t knoten = 0;
    for (auto _ : state) {
        auto e = cb::AufrufeSuchen(z.projekt, 1, meldungen, routine);
        knoten = e ? e->RoutSuche.Anzahl() : 0;
        benchmark::DoNotOptimize(knoten);
    }
    state.counters["Knoten"] = static_cast<double>(knoten);
    z.projekt.DatenbankSchliessen();
}

void BM_AufrufeSuchenImProjekt(benchmark::State& state) {
    Aufrufe(state, "Summe0");
}
BENCHMARK(BM_AufrufeSuchenImProjekt)->Unit(benchmark::kMillisecond);

void BM_AufrufeSuchenPrivat(benchmark::State& state) {
    Aufrufe(state, "Melden0");
}
BENCHMARK(BM_AufrufeSuchenPrivat)->Unit(benchmark::kMillisecond);

} // namespace
