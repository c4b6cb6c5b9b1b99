// SPDX-License-Identifier: GPL-3.0-or-later
// Reading into the working folder and showing stored projects: the steps
// the window sees, and the fall-back when a project is broken.
#include "ProjektHilfen.h"

#include "app/Dateien.h"
#include "projects/ProjektAnzeigen.h"
#include "store/ModulText.h"
#include "store/ProjektBaum.h"

namespace cb::test {
namespace {

namespace fs = std::filesystem;

class ProjektAnzeigenTest : public ::testing::Test {
protected:
    void SetUp() override {
        cache = NeuerOrdner("anzeigen");
        i = std::make_unique<Instanz>(cache.string());
        i->treApp.Hinzufuegen("P1", "VBAProject", "P");
        i->treApp.Hinzufuegen("K1", "Modul1", "M2", "P1");
        // The reader stands in for the host: it builds the ticked modules
        // where the driver points it.
        i->ansicht.einlesen = [this] {
            ++gelesen;
            ProjektAnlegen(i->projekt.ProjektPfad(), ZweiModule());
            return true;
        };
    }
    Instanz& I() { return *i; }
    fs::path cache;
    std::unique_ptr<Instanz> i;
    int gelesen = 0;
};

TEST_F(ProjektAnzeigenTest, NothingTickedAsksForAChoiceAndReadsNothing) {
    mnuBearbeiten_Code_Click(I().k);
    EXPECT_EQ(Texte(I().meldungen), std::vector<std::string>{"Bitte wählen Sie erst etwas aus"});
    EXPECT_EQ(I().meldungen.Gezeigt()[0].Knoepfe, MeldungsKnoepfe::Ok);
    EXPECT_EQ(I().ansicht.aufrufe, std::vector<std::string>{"ProjektGeladen 0"});
    EXPECT_EQ(gelesen, 0);
}

TEST_F(ProjektAnzeigenTest, ATickedProjectWithoutTickedModulesReadsNothing) {
    DateiSchreiben(I().z.TempPfad + "M1.txt", "ungespeichert");
    I().treApp.Finden("P1")->Haken = true;
    mnuBearbeiten_Code_Click(I().k);
    EXPECT_EQ(Texte(I().meldungen), std::vector<std::string>{"Bitte wählen Sie erst etwas aus"});
    EXPECT_EQ(gelesen, 0);
    EXPECT_EQ(DateiInhalt(I().z.TempPfad + "M1.txt"), "ungespeichert") << "the working folder is kept";
}

TEST_F(ProjektAnzeigenTest, ReadingShowsTheProjectFromTheWorkingFolder) {
    I().treApp.Finden("K1")->Haken = true;
    I().z.AktModulIndex = 1;
    mnuBearbeiten_Code_Click(I().k);
    EXPECT_TRUE(I().meldungen.Gezeigt().empty());
    EXPECT_EQ(I().projekt.ProjektPfad(), I().z.TempPfad);
    EXPECT_EQ(I().ansicht.aufrufe,
              (std::vector<std::string>{"ProjektGeladen 0", "CodeFensterZeigen 1", "ProjektEinlesen",
                                        "AnsichtZuruecksetzen", "ProjektBaumZeigen", "CodeFensterLaden 2",
                                        "ZurVollansicht 1", "ProjektGeladen 1", "ProjektBaumUebernehmen",
                                        "Knoten M1", "ProjektModus 1"}));
    // Modules by type then name, each with its routines, panes by number
    ASSERT_EQ(I().treProjekt.Anzahl(), 4u);
    EXPECT_EQ(I().treProjekt.Knoten()[0].Text, "Modul1");
    EXPECT_EQ(I().treProjekt.Knoten()[1].Text, "Klasse1");
    EXPECT_FALSE(I().treProjekt.Knoten()[0].Aufgeklappt);
    EXPECT_EQ(I().ansicht.fenster[1], ModulTextLesen(I().projekt.ProjektPfad(), 2));
    EXPECT_TRUE(I().projekt.DatenbankOffen());
    EXPECT_EQ(I().anzeige.Status(Panel::Aktivitaet), "");
    EXPECT_FALSE(I().anzeige.Sanduhr());
}

TEST_F(ProjektAnzeigenTest, ReadingTwiceGivesTheSameProject) {
    I().treApp.Finden("K1")->Haken = true;
    mnuBearbeiten_Code_Click(I().k);
    DateiSchreiben(I().z.TempPfad + "M9.txt", "von vorher");
    std::string erst = DateiInhalt(I().z.TempPfad + "M1.txt");
    mnuBearbeiten_Code_Click(I().k);
    EXPECT_EQ(gelesen, 2);
    EXPECT_FALSE(fs::exists(I().z.TempPfad + "M9.txt")) << "the working folder is emptied before reading";
    EXPECT_EQ(DateiInhalt(I().z.TempPfad + "M1.txt"), erst);
    EXPECT_TRUE(I().meldungen.Gezeigt().empty());
}

TEST_F(ProjektAnzeigenTest, ReadingLeavesAShownSavedProjectAlone) {
    fs::path gespeichert = NeuerOrdner("gespeichert");
    ProjektAnlegen(gespeichert.string(), ZweiModule());
    I().projekt.PfadSetzen(gespeichert.string() + "/");
    ASSERT_TRUE(ProjektAnzeigen(I().k));
    I().treApp.Finden("K1")->Haken = true;
    mnuBearbeiten_Code_Click(I().k);
    EXPECT_TRUE(fs::exists(gespeichert / "CodeBrindle.mdb"));
    EXPECT_TRUE(fs::exists(gespeichert / "M2.txt"));
    EXPECT_EQ(I().projekt.ProjektPfad(), I().z.TempPfad);
}

TEST_F(ProjektAnzeigenTest, FailedReadListsTheHostAgain) {
    I().treApp.Finden("K1")->Haken = true;
    I().ansicht.einlesen = [] { return false; };
    mnuBearbeiten_Code_Click(I().k);
    EXPECT_EQ(I().ansicht.aufrufe.back(), "NeuesProjekt");
    EXPECT_FALSE(I().ansicht.Aufgerufen("AnsichtZuruecksetzen"));
    EXPECT_FALSE(I().ansicht.Aufgerufen("ProjektModus 1"));
}

TEST_F(ProjektAnzeigenTest, ExpandedOptionExpandsEveryNode) {
    I().z.Opt.ModullisteAufgeklappt = true;
    ProjektAnlegen(I().z.TempPfad, ZweiModule());
    I().projekt.PfadSetzen(I().z.TempPfad);
    ASSERT_TRUE(ProjektAnzeigen(I().k));
    for (const BaumKnoten& k : I().treProjekt.Knoten())
        EXPECT_TRUE(k.Aufgeklappt) << k.Schluessel;
}

TEST_F(ProjektAnzeigenTest, EmptyProjectShowsNoNodeAndClicksNothing) {
    ProjektAnlegen(I().z.TempPfad, {});
    I().projekt.PfadSetzen(I().z.TempPfad);
    ASSERT_TRUE(ProjektAnzeigen(I().k));
    EXPECT_TRUE(I().treProjekt.Leer());
    EXPECT_EQ(I().ansicht.aufrufe.back(), "ProjektBaumUebernehmen");
}

TEST_F(ProjektAnzeigenTest, BrokenProjectsSayNotIntactAndFallBack) {
    fs::path ohneDb = NeuerOrdner("ohneDb");
    fs::path ohneModul = NeuerOrdner("ohneModul");
    ProjektAnlegen(ohneModul.string(), ZweiModule());
    fs::remove(ohneModul / "M2.txt");
    fs::path kaputt = NeuerOrdner("kaputt");
    DateiSchreiben(kaputt / "CodeBrindle.mdb", "keine Datenbank");
    for (const fs::path& ordner : {ohneDb, ohneModul, kaputt, fs::path("/gibt/es/nicht")}) {
        Instanz& in = I();
        in.meldungen = {};
        in.ansicht.aufrufe.clear();
        in.projekt.PfadSetzen(MitTrenner(ordner.string()));
        EXPECT_FALSE(ProjektAnzeigen(in.k)) << ordner;
        ASSERT_EQ(in.meldungen.Gezeigt().size(), 1u) << ordner;
        EXPECT_EQ(in.meldungen.Gezeigt()[0].Text,
                  "Projekt in " + MitTrenner(ordner.string()) + "\r\nist nicht mehr intakt");
        EXPECT_EQ(in.meldungen.Gezeigt()[0].Symbol, MeldungsSymbol::Warnung);
        EXPECT_EQ(in.ansicht.aufrufe.back(), "NeuesProjekt") << ordner;
        EXPECT_FALSE(in.ansicht.Aufgerufen("ProjektGeladen 1"));
        EXPECT_FALSE(in.projekt.DatenbankOffen());
        EXPECT_TRUE(in.treProjekt.Leer());
        EXPECT_EQ(in.anzeige.Status(Panel::Aktivitaet), "");
        EXPECT_FALSE(in.anzeige.Sanduhr());
    }
    EXPECT_FALSE(fs::exists(ohneDb / "CodeBrindle.mdb")) << "showing must not create a database";
}

} // namespace
} // namespace cb::test
