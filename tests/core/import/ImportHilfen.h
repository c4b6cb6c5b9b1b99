// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A state with a project folder of its own and the real template, and an
// in-memory host.
#include "app/Anzeige.h"
#include "app/Baum.h"
#include "app/Zustand.h"
#include "testhilfen/SpeicherHost.h"

#include "AufzeichnendeMeldungen.h"
#include "TestHilfen.h"
#include "store/StoreHilfen.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cb::test {

inline SpeicherKomponente Komp(std::string name, int typ, std::string code) {
    return SpeicherKomponente{std::move(name), typ, std::move(code), {}};
}

/// A module of four lines with one Sub named after it.
inline std::string SubCode(const std::string& sub) {
    return "Option Explicit\r\nSub " + sub + "()\r\n    x = 1\r\nEnd Sub";
}

inline SpeicherProjekt Projekt(std::string name, std::string datei, std::vector<SpeicherKomponente> k) {
    SpeicherProjekt p;
    p.Name = std::move(name);
    p.FileName = std::move(datei);
    p.Komponenten = std::move(k);
    return p;
}

class ImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        z = FrischerZustand();
        z.ProgrammOrdner = std::string(CB_BIN_DIR) + "/";
        projekt.PfadSetzen(
            NeuerOrdner(::testing::UnitTest::GetInstance()->current_test_info()->name()).string() + "/");
    }
    void TearDown() override { projekt.DatenbankSchliessen(); }

    std::vector<std::string> Schluessel() const {
        std::vector<std::string> s;
        for (const auto& k : treApp.Knoten())
            s.push_back(k.Schluessel);
        return s;
    }

    Zustand z;
    OffenesProjekt projekt;
    SpeicherHost host;
    AufzeichnendeMeldungen meldungen;
    AnzeigeImSpeicher anzeige;
    Baum treApp;
};

} // namespace cb::test
