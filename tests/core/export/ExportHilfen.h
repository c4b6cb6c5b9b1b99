// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A stored project opened for export, with a recording clipboard, shell,
// messages and status panels.
#include "../AufzeichnendeShell.h"
#include "../projects/ProjektHilfen.h"

#include "app/Zwischenablage.h"
#include "export/ExportKontext.h"
#include "store/ProjektBaum.h"

namespace cb::test {

class ExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        ordner = NeuerOrdner("export");
        StandardWerteSetzen(z);
        z.TempPfad = (ordner / "TempDateien" / "T_1").string() + "/";
        std::filesystem::create_directories(z.TempPfad);
        projektOrdner = (ordner / "Projekt").string() + "/";
        std::filesystem::create_directories(projektOrdner);
    }
    void TearDown() override { projekt.DatenbankSchliessen(); }

    /// Stores and opens the project, its module nodes in treProjekt.
    void Oeffnen(const std::vector<TestModul>& module) {
        ProjektAnlegen(projektOrdner, module);
        projekt.PfadSetzen(projektOrdner);
        projekt.DatenbankOeffnen();
        for (BaumKnoten& k : projekt.ModullisteLaden())
            treProjekt.Hinzufuegen(std::move(k));
    }
    /// Module 1 is the current one; a test sets another on the context.
    ExportKontext K() {
        return {z.Opt,     z.AppName, VorschauOrdner(z), projekt, 1,
                meldungen, ablage,    anzeige,           shell,   treProjekt};
    }

    std::filesystem::path ordner;
    std::string projektOrdner;
    Zustand z;
    OffenesProjekt projekt;
    AufzeichnendeMeldungen meldungen;
    ZwischenablageImSpeicher ablage;
    AnzeigeImSpeicher anzeige;
    AufzeichnendeShell shell;
    Baum treProjekt;
};

/// Occurrences of a text.
inline std::size_t Anzahl(const std::string& text, const std::string& teil) {
    std::size_t n = 0;
    for (std::size_t pos = text.find(teil); pos != std::string::npos;
         pos = text.find(teil, pos + teil.size()))
        ++n;
    return n;
}

} // namespace cb::test
