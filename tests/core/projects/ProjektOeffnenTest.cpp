// SPDX-License-Identifier: GPL-3.0-or-later
// Opening project folders and recent entries: the states and captions of
// a saved project, and the refusals.
#include "ProjektHilfen.h"
#include "app/Dateien.h"
#include "app/Start.h"

#include "import/AppTexte.h"
#include "projects/Arbeitsbereich.h"
#include "projects/ProjektAnzeigen.h"
#include "projects/ProjektDateien.h"

#include <map>

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
    EXPECT_EQ(mnuOeffnen_Click(I().k).Ausgang, DateiAusgang::Gezeigt);
    ASSERT_EQ(I().dialoge.ordnerFragen.size(), 1u);
    EXPECT_EQ(I().dialoge.ordnerFragen[0].Titel, "Bitte Projekt auswählen");
    EXPECT_EQ(I().dialoge.ordnerFragen[0].Start, I().z.ProjektOrdner);
    EXPECT_TRUE(I().meldungen.Gezeigt().empty());
    EXPECT_EQ(I().projekt.ProjektPfad(), projekt);
    EXPECT_EQ(I().anzeige.Titel(), I().z.ProgrammTitel + " Projekt: Auswertung");
    EXPECT_EQ(I().treApp.Tag, "Auswertung");
    EXPECT_FALSE(I().projekt.NichtGespeichert);
    EXPECT_EQ(I().zuletzt[0], (ZuletztMenuePunkt{"&0 - Auswertung", projekt, true}));
    EXPECT_EQ(I().einstellungen.Lesen(I().z.EinstellungsName, "recent", "F0"), projekt);
    EXPECT_EQ(I().treProjekt.Anzahl(), 4u);
}

TEST_F(ProjektOeffnenTest, CancelOrAFolderWithoutDatabaseChangesNothing) {
    std::string vorher = I().projekt.ProjektPfad();
    EXPECT_EQ(mnuOeffnen_Click(I().k).Ausgang, DateiAusgang::Unveraendert); // cancelled
    fs::path leer = NeuerOrdner("keinProjekt");
    DateiSchreiben(leer / "M1.txt", "x");
    I().dialoge.ordnerAntworten.push_back(leer.string());
    EXPECT_EQ(mnuOeffnen_Click(I().k).Ausgang, DateiAusgang::Unveraendert);
    ASSERT_EQ(I().meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(I().meldungen.Gezeigt()[0].Text, "Kein Gültiges Projekt");
    EXPECT_EQ(I().meldungen.Gezeigt()[0].Symbol, MeldungsSymbol::Warnung);
    EXPECT_EQ(I().projekt.ProjektPfad(), vorher);
    EXPECT_TRUE(I().treProjekt.Leer());
    EXPECT_FALSE(I().zuletzt[0].Sichtbar);
}

TEST_F(ProjektOeffnenTest, FoldersOfTheWorkingAreaAreNotOpened) {
    const std::string anderer = ArbeitsbereichVon(I().z) + "T_999999/";
    fs::create_directories(anderer);
    ProjektAnlegen(anderer, ZweiModule());
    ProjektAnlegen(I().z.TempPfad, ZweiModule());
    const std::string vorher = I().projekt.ProjektPfad();
    for (const std::string& ordner : {anderer, I().z.TempPfad}) {
        SCOPED_TRACE(ordner);
        I().dialoge.ordnerAntworten.push_back(ordner);
        EXPECT_EQ(mnuOeffnen_Click(I().k).Ausgang, DateiAusgang::Unveraendert);
        ASSERT_FALSE(I().meldungen.Gezeigt().empty());
        EXPECT_NE(I().meldungen.Gezeigt().back().Text.find("liegen nur Arbeitskopien"), std::string::npos);
        EXPECT_EQ(I().projekt.ProjektPfad(), vorher);
        EXPECT_FALSE(I().zuletzt[0].Sichtbar) << "not put into the recent list";
    }
    EXPECT_TRUE(fs::exists(anderer + "M2.txt"));
}

TEST_F(ProjektOeffnenTest, RecentEntryOpensItsProject) {
    ZuletztEintragen(I().z.EinstellungsName, I().einstellungen, I().zuletzt, projekt);
    std::string anderes = I().z.ProjektOrdner + "Anderes/";
    fs::create_directories(anderes);
    ProjektAnlegen(anderes, ZweiModule());
    ZuletztEintragen(I().z.EinstellungsName, I().einstellungen, I().zuletzt, anderes);

    const DateiErgebnis e = mnuOpenIndex_Click(I().k, 1);
    EXPECT_EQ(e.Ausgang, DateiAusgang::Gezeigt);
    EXPECT_EQ(e.Texte.size(), 2u) << "one text per module for the panes";
    EXPECT_EQ(I().projekt.ProjektPfad(), projekt);
    EXPECT_EQ(I().anzeige.Titel(), I().z.ProgrammTitel + " Projekt: Auswertung");
    EXPECT_EQ(I().zuletzt[0].Tag, projekt);
    EXPECT_EQ(I().zuletzt[1].Tag, anderes);
    EXPECT_EQ(mnuOpenIndex_Click(I().k, 7).Ausgang, DateiAusgang::Unveraendert); // hidden item: nothing
    EXPECT_EQ(mnuOpenIndex_Click(I().k, 12).Ausgang, DateiAusgang::Unveraendert);
    EXPECT_EQ(I().projekt.ProjektPfad(), projekt);
}

TEST_F(ProjektOeffnenTest, RecentEntryWhoseProjectIsGoneSaysNotIntactAndStaysWithoutProject) {
    std::string weg = I().z.ProjektOrdner + "Weg/";
    fs::create_directories(weg);
    ProjektAnlegen(weg, ZweiModule());
    ZuletztEintragen(I().z.EinstellungsName, I().einstellungen, I().zuletzt, weg);
    ZuletztEintragen(I().z.EinstellungsName, I().einstellungen, I().zuletzt, projekt);
    fs::remove(weg + "CodeBrindle.mdb");
    std::string titel = I().anzeige.Titel();

    EXPECT_EQ(mnuOpenIndex_Click(I().k, 1).Ausgang, DateiAusgang::Verloren)
        << "a broken project is not shown as saved";
    ASSERT_EQ(I().meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(I().meldungen.Gezeigt()[0].Text, "Projekt in " + weg + "\r\nist nicht mehr intakt");
    EXPECT_EQ(I().anzeige.Titel(), titel);
    EXPECT_EQ(I().zuletzt[0].Tag, projekt) << "a broken project does not move to the top";
    EXPECT_TRUE(fs::exists(weg + "M1.txt")) << "nothing of it is deleted";
}

TEST_F(ProjektOeffnenTest, RecentEntryWithoutFinalSeparatorOpensItsProject) {
    std::string ohne = projekt.substr(0, projekt.size() - 1);
    I().einstellungen.Schreiben(I().z.EinstellungsName, "recent", "F0", ohne);
    ZuletztLaden(I().z.EinstellungsName, I().einstellungen, I().zuletzt);
    ASSERT_EQ(I().zuletzt[0].Tag, ohne);

    EXPECT_EQ(mnuOpenIndex_Click(I().k, 0).Ausgang, DateiAusgang::Gezeigt);
    EXPECT_TRUE(I().meldungen.Gezeigt().empty()) << Texte(I().meldungen)[0];
    EXPECT_EQ(I().projekt.ProjektPfad(), projekt);
    EXPECT_EQ(I().projekt.DatenbankPfad(), projekt + "CodeBrindle.mdb");
    EXPECT_EQ(I().anzeige.Titel(), I().z.ProgrammTitel + " Projekt: Auswertung");
    EXPECT_EQ(I().treProjekt.Anzahl(), 4u);
    // Written back with the separator, and only once
    EXPECT_EQ(I().einstellungen.Lesen(I().z.EinstellungsName, "recent", "F0"), projekt);
    EXPECT_EQ(AlleEinstellungen(I().z.EinstellungsName, I().einstellungen, "recent").size(), 1u);
    EXPECT_FALSE(I().zuletzt[1].Sichtbar);
}

TEST_F(ProjektOeffnenTest, RecentEntryWhoseWholeFolderIsGoneSaysNotIntact) {
    std::string weg = I().z.ProjektOrdner + "Weg/";
    fs::create_directories(weg);
    ProjektAnlegen(weg, ZweiModule());
    ZuletztEintragen(I().z.EinstellungsName, I().einstellungen, I().zuletzt, projekt);
    ZuletztEintragen(I().z.EinstellungsName, I().einstellungen, I().zuletzt, weg);
    ASSERT_EQ(I().zuletzt[0].Tag, weg);
    fs::remove_all(weg); // after the menu was filled

    EXPECT_EQ(mnuOpenIndex_Click(I().k, 0).Ausgang, DateiAusgang::Verloren);
    EXPECT_EQ(Texte(I().meldungen),
              std::vector<std::string>{"Projekt in " + weg + "\r\nist nicht mehr intakt"});
    EXPECT_FALSE(I().projekt.DatenbankOffen());
    EXPECT_TRUE(I().treProjekt.Leer());
    EXPECT_FALSE(fs::exists(weg)) << "showing must not make the folder again";
    // The next rewrite of the list drops the vanished entry
    mnuOpenIndex_Click(I().k, 1);
    EXPECT_EQ(I().projekt.ProjektPfad(), projekt);
    EXPECT_EQ(AlleEinstellungen(I().z.EinstellungsName, I().einstellungen, "recent").size(), 1u);
}

TEST_F(ProjektOeffnenTest, SavingFromAFolderWithoutProjectIsRefused) {
    // As a broken saved project leaves it: the view without a project,
    // ProjektPfad still on the broken folder.
    std::string ohneDb = NeuerOrdner("ohneDb").string() + "/";
    DateiSchreiben(ohneDb + "M1.txt", "x");
    I().projekt.PfadSetzen(ohneDb);
    I().dialoge.ordnerAntworten.push_back(projekt.substr(0, projekt.size() - 1));
    I().dialoge.eingabeAntworten.push_back("");
    I().meldungen.Antworten(MeldungsAntwort::Ja);
    auto vorher = Dateien(projekt);

    EXPECT_EQ(mnuSpeichern_Click(I().k), DateiAusgang::Unveraendert);
    ASSERT_EQ(I().meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(I().meldungen.Gezeigt()[0].Text,
              "In " + ohneDb +
                  "\r\nliegt kein Projekt (CodeBrindle.mdb fehlt).\r\nEs wurde nichts gespeichert.");
    EXPECT_TRUE(I().dialoge.ordnerFragen.empty()) << "refused before anything is asked";
    EXPECT_EQ(Dateien(projekt), vorher);
    EXPECT_EQ(I().projekt.ProjektPfad(), ohneDb);
}

} // namespace
} // namespace cb::test
