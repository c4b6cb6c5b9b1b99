// SPDX-License-Identifier: GPL-3.0-or-later
// Opening project folders and recent entries: the states and captions of
// a saved project, and the refusals.
#include "ProjektHilfen.h"

#include "projects/ProjektDateien.h"

namespace cb::test {
namespace {

namespace fs = std::filesystem;

class ProjektOeffnenTest : public ::testing::Test {
  protected:
    void SetUp() override {
        i = std::make_unique<Instanz>(NeuerOrdner("oeffnen").string());
        i->z.ProjektOrdner = NeuerOrdner("projekte").string() + "/";
        projekt = i->z.ProjektOrdner + "Auswertung/";
        fs::create_directories(projekt);
        ProjektAnlegen(projekt, ZweiModule());
    }
    Instanz& I() { return *i; }
    std::unique_ptr<Instanz> i;
    std::string projekt;
};

TEST_F(ProjektOeffnenTest, OpenedFolderBecomesTheSavedCurrentProject) {
    I().dialoge.ordnerAntworten.push_back(projekt.substr(0, projekt.size() - 1));
    mnuOeffnen_Click(I().k);
    ASSERT_EQ(I().dialoge.ordnerFragen.size(), 1u);
    EXPECT_EQ(I().dialoge.ordnerFragen[0].Titel, "Bitte Projekt auswählen");
    EXPECT_EQ(I().dialoge.ordnerFragen[0].Start, I().z.ProjektOrdner);
    EXPECT_TRUE(I().meldungen.Gezeigt().empty());
    EXPECT_EQ(I().z.ProjektPfad, projekt);
    EXPECT_EQ(I().anzeige.Titel(), I().z.ProgrammTitel + " Projekt: Auswertung");
    EXPECT_EQ(I().treApp.Tag, "Auswertung");
    EXPECT_EQ(I().ansicht.modus, 2);
    EXPECT_EQ(I().zuletzt[0], (ZuletztMenuePunkt{"&0 - Auswertung", projekt, true}));
    EXPECT_EQ(I().einstellungen.Lesen(I().z.EinstellungsName, "recent", "F0"), projekt);
    EXPECT_EQ(I().treProjekt.Anzahl(), 4u);
}

TEST_F(ProjektOeffnenTest, CancelOrAFolderWithoutDatabaseChangesNothing) {
    std::string vorher = I().z.ProjektPfad;
    mnuOeffnen_Click(I().k); // cancelled
    fs::path leer = NeuerOrdner("keinProjekt");
    DateiSchreiben(leer / "M1.txt", "x");
    I().dialoge.ordnerAntworten.push_back(leer.string());
    mnuOeffnen_Click(I().k);
    ASSERT_EQ(I().meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(I().meldungen.Gezeigt()[0].Text, "Kein Gültiges Projekt");
    EXPECT_EQ(I().meldungen.Gezeigt()[0].Symbol, MeldungsSymbol::Warnung);
    EXPECT_EQ(I().z.ProjektPfad, vorher);
    EXPECT_TRUE(I().ansicht.aufrufe.empty());
    EXPECT_FALSE(I().zuletzt[0].Sichtbar);
}

TEST_F(ProjektOeffnenTest, RecentEntryOpensItsProject) {
    ZuletztEintragen(I().z, I().einstellungen, I().zuletzt, projekt);
    std::string anderes = I().z.ProjektOrdner + "Anderes/";
    fs::create_directories(anderes);
    ProjektAnlegen(anderes, ZweiModule());
    ZuletztEintragen(I().z, I().einstellungen, I().zuletzt, anderes);

    mnuOpenIndex_Click(I().k, 1);
    EXPECT_EQ(I().z.ProjektPfad, projekt);
    EXPECT_EQ(I().anzeige.Titel(), I().z.ProgrammTitel + " Projekt: Auswertung");
    EXPECT_EQ(I().zuletzt[0].Tag, projekt);
    EXPECT_EQ(I().zuletzt[1].Tag, anderes);
    EXPECT_EQ(I().ansicht.modus, 2);
    mnuOpenIndex_Click(I().k, 7); // hidden item: nothing
    mnuOpenIndex_Click(I().k, 12);
    EXPECT_EQ(I().z.ProjektPfad, projekt);
}

TEST_F(ProjektOeffnenTest, RecentEntryWhoseProjectIsGoneSaysNotIntactAndStaysWithoutProject) {
    std::string weg = I().z.ProjektOrdner + "Weg/";
    fs::create_directories(weg);
    ProjektAnlegen(weg, ZweiModule());
    ZuletztEintragen(I().z, I().einstellungen, I().zuletzt, weg);
    ZuletztEintragen(I().z, I().einstellungen, I().zuletzt, projekt);
    fs::remove(weg + "CodeBrindle.mdb");
    std::string titel = I().anzeige.Titel();

    mnuOpenIndex_Click(I().k, 1);
    ASSERT_EQ(I().meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(I().meldungen.Gezeigt()[0].Text, "Projekt in " + weg + "\r\nist nicht mehr intakt");
    EXPECT_EQ(I().ansicht.aufrufe.back(), "AppProjekteAktualisieren");
    EXPECT_EQ(I().ansicht.modus, 0) << "a broken project is not shown as saved";
    EXPECT_EQ(I().anzeige.Titel(), titel);
    EXPECT_EQ(I().zuletzt[0].Tag, projekt) << "a broken project does not move to the top";
    EXPECT_TRUE(fs::exists(weg + "M1.txt")) << "nothing of it is deleted";
}

} // namespace
} // namespace cb::test
