// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A state with a project folder of its own and the real template, an
// in-memory host, and a window that records what the refresh does to it.
#include "app/Anzeige.h"
#include "app/Baum.h"
#include "app/Zustand.h"
#include "import/AppAktualisieren.h"
#include "import/AppFenster.h"
#include "testhilfen/SpeicherHost.h"

#include "AufzeichnendeMeldungen.h"
#include "TestHilfen.h"
#include "store/StoreHilfen.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace cb::test {

class AufzeichnendesAppFenster final : public AppFenster {
public:
    void ProjektGeladenSetzen(bool geladen) override {
        Schritt(geladen ? "ProjektGeladen=1" : "ProjektGeladen=0");
    }
    void ProjektBaumLeeren() override { Schritt("ProjektBaumLeeren"); }
    void RoutinenAnsichtSchliessen() override { Schritt("RoutinenAnsichtSchliessen"); }
    void AppBaumZeigen() override { Schritt("AppBaumZeigen"); }
    void CodeFensterLeeren() override { Schritt("CodeFensterLeeren"); }
    void AnsichtZuruecksetzen() override {
        Schritt("AnsichtZuruecksetzen");
        HinweisSichtbar = false;
    }
    void AppHinweisZeigen(const std::string& text) override {
        Schritt("AppHinweisZeigen");
        Hinweis = text;
        HinweisSichtbar = true;
    }
    void ProjektModusSetzen(int modus) override { Schritt("ProjektModus=" + std::to_string(modus)); }
    void Speichern() override { Schritt("Speichern"); }

    std::vector<std::string> Schritte;
    std::string Hinweis;
    bool HinweisSichtbar = false;
    /// A step of this name fails (as a broken widget would).
    std::string Scheitert;

private:
    void Schritt(const std::string& name) {
        Schritte.push_back(name);
        if (name == Scheitert)
            throw std::runtime_error("Fenster: " + name);
    }
};

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

    AppKontext Kontext() { return AppKontext{z, projekt, host, meldungen, anzeige, fenster, treApp}; }

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
    AufzeichnendesAppFenster fenster;
    Baum treApp;
};

} // namespace cb::test
