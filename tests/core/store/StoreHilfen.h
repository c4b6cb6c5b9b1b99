// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A project folder of its own per test, the real template from the build's
// program folder, and rows written through the store as the parser writes them.
#include "app/Dateien.h"
#include "app/Zustand.h"
#include "store/DatenbankDatei.h"
#include "store/OffenesProjekt.h"
#include "store/ProjektDatenbankVerbindung.h"

#include "AufzeichnendeMeldungen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace cb::test {

/// A fresh folder, removed with everything in it when the tests end.
inline std::filesystem::path NeuerOrdner(const std::string& name) {
    struct Aufraeumen {
        std::vector<std::filesystem::path> ordner;
        ~Aufraeumen() {
            std::error_code ec;
            for (const auto& o : ordner)
                std::filesystem::remove_all(o, ec);
        }
    };
    static Aufraeumen aufraeumen;
    static int zaehler = 0;
    auto ordner = std::filesystem::path(::testing::TempDir()) /
                  ("cbstore_" + std::to_string(::getpid()) + "_" + std::to_string(++zaehler) + "_" + name);
    std::filesystem::remove_all(ordner);
    std::filesystem::create_directories(ordner);
    aufraeumen.ordner.push_back(ordner);
    return ordner;
}

inline std::string DateiInhalt(const std::filesystem::path& p) {
    std::ifstream ein(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

inline void DateiSchreiben(const std::filesystem::path& p, const std::string& inhalt) {
    std::ofstream aus(p, std::ios::binary);
    aus << inhalt;
}

class StoreProjekt : public ::testing::Test {
protected:
    void SetUp() override {
        m_ordner = NeuerOrdner(::testing::UnitTest::GetInstance()->current_test_info()->name());
        z.ProgrammOrdner = std::string(CB_BIN_DIR) + "/";
        projekt.PfadSetzen(m_ordner.string() + "/");
        ASSERT_TRUE(projekt.DatenbankErzeugen(meldungen, z.ProgrammOrdner));
        projekt.DatenbankOeffnen();
    }
    void TearDown() override { projekt.DatenbankSchliessen(); }

    ProjektDatenbankVerbindung& Db() { return projekt.Datenbank(); }
    /// The number of the last module stored, as a reader counts them.
    std::int64_t m_modulNummer = 0;

    void Modul(std::int64_t num, const std::string& name, int typ, std::int64_t zeilen = 100) {
        Db().ModulEinfuegen({num, name, typ, zeilen});
    }
    /// A routine with its lines set, as the parser leaves it after its passes.
    void Routine(std::int64_t num, std::int64_t modul, const std::string& name, int typ, int offen,
                 std::int64_t start, std::int64_t ende, std::int64_t decZeilen = 1) {
        Db().RoutineEinfuegen({typ, offen, decZeilen, name, num, modul});
        Db().RoutinenStartSetzen(num, start);
        if (typ > 10)
            Db().DeklarationsEndenSetzen(modul);
        else
            Db().RoutinenEndeSetzen(num, ende);
    }

    Zustand z;
    OffenesProjekt projekt;
    AufzeichnendeMeldungen meldungen;
    std::filesystem::path m_ordner;
};

} // namespace cb::test
