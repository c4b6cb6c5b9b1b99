// SPDX-License-Identifier: GPL-3.0-or-later
// Opening project folders and recent entries: the states and captions of
// a saved project, and the refusals.
#include "ProjektHilfen.h"
#include "app/Dateien.h"
#include "app/Start.h"

#include "import/AppAktualisieren.h"
#include "import/AppFenster.h"
#include "import/AppTexte.h"
#include "projects/Arbeitsbereich.h"
#include "projects/ProjektAnzeigen.h"
#include "projects/ProjektDateien.h"
#include "testhilfen/SpeicherHost.h"

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
    mnuOeffnen_Click(I().k);
    ASSERT_EQ(I().dialoge.ordnerFragen.size(), 1u);
    EXPECT_EQ(I().dialoge.ordnerFragen[0].Titel, "Bitte Projekt auswählen");
    EXPECT_EQ(I().dialoge.ordnerFragen[0].Start, I().z.ProjektOrdner);
    EXPECT_TRUE(I().meldungen.Gezeigt().empty());
    EXPECT_EQ(I().projekt.ProjektPfad(), projekt);
    EXPECT_EQ(I().anzeige.Titel(), I().z.ProgrammTitel + " Projekt: Auswertung");
    EXPECT_EQ(I().treApp.Tag, "Auswertung");
    EXPECT_EQ(I().ansicht.modus, 2);
    EXPECT_EQ(I().zuletzt[0], (ZuletztMenuePunkt{"&0 - Auswertung", projekt, true}));
    EXPECT_EQ(I().einstellungen.Lesen(I().z.EinstellungsName, "recent", "F0"), projekt);
    EXPECT_EQ(I().treProjekt.Anzahl(), 4u);
}

TEST_F(ProjektOeffnenTest, CancelOrAFolderWithoutDatabaseChangesNothing) {
    std::string vorher = I().projekt.ProjektPfad();
    mnuOeffnen_Click(I().k); // cancelled
    fs::path leer = NeuerOrdner("keinProjekt");
    DateiSchreiben(leer / "M1.txt", "x");
    I().dialoge.ordnerAntworten.push_back(leer.string());
    mnuOeffnen_Click(I().k);
    ASSERT_EQ(I().meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(I().meldungen.Gezeigt()[0].Text, "Kein Gültiges Projekt");
    EXPECT_EQ(I().meldungen.Gezeigt()[0].Symbol, MeldungsSymbol::Warnung);
    EXPECT_EQ(I().projekt.ProjektPfad(), vorher);
    EXPECT_TRUE(I().ansicht.aufrufe.empty());
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
        mnuOeffnen_Click(I().k);
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

    mnuOpenIndex_Click(I().k, 1);
    EXPECT_EQ(I().projekt.ProjektPfad(), projekt);
    EXPECT_EQ(I().anzeige.Titel(), I().z.ProgrammTitel + " Projekt: Auswertung");
    EXPECT_EQ(I().zuletzt[0].Tag, projekt);
    EXPECT_EQ(I().zuletzt[1].Tag, anderes);
    EXPECT_EQ(I().ansicht.modus, 2);
    mnuOpenIndex_Click(I().k, 7); // hidden item: nothing
    mnuOpenIndex_Click(I().k, 12);
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

    mnuOpenIndex_Click(I().k, 1);
    ASSERT_EQ(I().meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(I().meldungen.Gezeigt()[0].Text, "Projekt in " + weg + "\r\nist nicht mehr intakt");
    EXPECT_EQ(I().ansicht.aufrufe.back(), "NeuesProjekt");
    EXPECT_EQ(I().ansicht.modus, 0) << "a broken project is not shown as saved";
    EXPECT_EQ(I().anzeige.Titel(), titel);
    EXPECT_EQ(I().zuletzt[0].Tag, projekt) << "a broken project does not move to the top";
    EXPECT_TRUE(fs::exists(weg + "M1.txt")) << "nothing of it is deleted";
}

TEST_F(ProjektOeffnenTest, RecentEntryWithoutFinalSeparatorOpensItsProject) {
    std::string ohne = projekt.substr(0, projekt.size() - 1);
    I().einstellungen.Schreiben(I().z.EinstellungsName, "recent", "F0", ohne);
    ZuletztLaden(I().z.EinstellungsName, I().einstellungen, I().zuletzt);
    ASSERT_EQ(I().zuletzt[0].Tag, ohne);

    mnuOpenIndex_Click(I().k, 0);
    EXPECT_TRUE(I().meldungen.Gezeigt().empty()) << Texte(I().meldungen)[0];
    EXPECT_EQ(I().projekt.ProjektPfad(), projekt);
    EXPECT_EQ(I().projekt.DatenbankPfad(), projekt + "CodeBrindle.mdb");
    EXPECT_EQ(I().anzeige.Titel(), I().z.ProgrammTitel + " Projekt: Auswertung");
    EXPECT_EQ(I().ansicht.modus, 2);
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

    mnuOpenIndex_Click(I().k, 0);
    EXPECT_EQ(Texte(I().meldungen),
              std::vector<std::string>{"Projekt in " + weg + "\r\nist nicht mehr intakt"});
    EXPECT_EQ(I().ansicht.aufrufe.back(), "NeuesProjekt");
    EXPECT_EQ(I().ansicht.modus, 0);
    EXPECT_FALSE(I().projekt.DatenbankOffen());
    EXPECT_TRUE(I().treProjekt.Leer());
    EXPECT_FALSE(fs::exists(weg)) << "showing must not make the folder again";
    // The next rewrite of the list drops the vanished entry
    mnuOpenIndex_Click(I().k, 1);
    EXPECT_EQ(I().projekt.ProjektPfad(), projekt);
    EXPECT_EQ(AlleEinstellungen(I().z.EinstellungsName, I().einstellungen, "recent").size(), 1u);
}

// The window as the host listing's refresh sees it; its save command is
// the real one.
class SpeicherndesAppFenster final : public AppFenster {
public:
    explicit SpeicherndesAppFenster(Instanz& i) : m_i(i) {}
    void ProjektGeladenSetzen(bool g) override { m_i.ansicht.ProjektGeladenSetzen(g); }
    void ProjektBaumLeeren() override { m_i.treProjekt.Leeren(); }
    void RoutinenAnsichtSchliessen() override {}
    void AppBaumZeigen() override {}
    void CodeFensterLeeren() override {}
    void AnsichtZuruecksetzen() override {}
    void AppHinweisZeigen(const std::string&) override {}
    void ProjektModusSetzen(int modus) override { m_i.ansicht.ProjektModusSetzen(modus); }
    void Speichern() override { gespeichert = mnuSpeichern_Click(m_i.k); }
    bool gespeichert = false;

private:
    Instanz& m_i;
};

// A project just read from the host and not saved, shown from the working
// folder, while the refresh of the fall-back is the real command.
class UngespeichertTest : public ProjektOeffnenTest {
protected:
    void SetUp() override {
        ProjektOeffnenTest::SetUp();
        fenster = std::make_unique<SpeicherndesAppFenster>(I());
        I().ansicht.aktualisieren = [this] {
            AppKontext ak{I().z, I().projekt, host, I().meldungen, I().anzeige, *fenster, I().treApp};
            mnuAnsicht_App_Aktualisieren_Click(ak);
        };
        ProjektAnlegen(I().z.TempPfad, ZweiModule());
        I().projekt.PfadSetzen(I().z.TempPfad);
        ASSERT_TRUE(ProjektAnzeigen(I().k));
        I().anzeige.TitelSetzen(I().z.ProgrammTitel + " Projekt: VBAProject" + NichtGespeichertMarke);
        I().projekt.NichtGespeichert = true;
        I().treApp.Tag = "VBAProject";
        I().ansicht.ProjektModusSetzen(1);
        ungespeichert = Dateien(I().z.TempPfad);
        kaputt = NeuerOrdner("kaputt").string() + "/";
        DateiSchreiben(kaputt + "CodeBrindle.mdb", "keine Datenbank");
    }
    SpeicherHost host;
    std::unique_ptr<SpeicherndesAppFenster> fenster;
    std::map<std::string, std::string> ungespeichert;
    std::string kaputt;
};

TEST_F(UngespeichertTest, BrokenOpenOffersToSaveTheUnsavedProjectItself) {
    // Opened by the chooser (the database file is there but broken) and
    // from a recent entry whose folder has lost its database.
    std::string ohneDb = NeuerOrdner("ohneDb").string() + "/";
    DateiSchreiben(ohneDb + "M1.txt", "nur ein Modul");
    ZuletztEintragen(I().z.EinstellungsName, I().einstellungen, I().zuletzt, ohneDb);
    for (int weg : {0, 1}) {
        SCOPED_TRACE(weg);
        std::string ordner = weg == 0 ? kaputt : ohneDb;
        I().meldungen = {};
        I().dialoge = {};
        I().meldungen.Antworten(MeldungsAntwort::Ok); // "ist nicht mehr intakt"
        I().meldungen.Antworten(MeldungsAntwort::Ja); // save the unsaved project first
        I().dialoge.ordnerAntworten.push_back(I().z.ProjektOrdner);
        I().dialoge.eingabeAntworten.push_back("Gerettet" + std::to_string(weg));
        if (weg == 0) {
            I().dialoge.ordnerAntworten.push_front(kaputt);
            mnuOeffnen_Click(I().k);
        } else {
            std::size_t index = 0;
            while (index < I().zuletzt.size() && I().zuletzt[index].Tag != ohneDb)
                ++index;
            ASSERT_LT(index, I().zuletzt.size());
            mnuOpenIndex_Click(I().k, index);
        }

        EXPECT_EQ(Texte(I().meldungen),
                  (std::vector<std::string>{NichtIntaktText(ordner), SpeicherFrageText()}));
        ASSERT_TRUE(fenster->gespeichert);
        std::string ziel = I().z.ProjektOrdner + "Gerettet" + std::to_string(weg) + "/";
        EXPECT_EQ(Dateien(ziel), ungespeichert) << "the working folder's project is what was saved";
        EXPECT_EQ(I().dialoge.eingabeFragen[0].Vorgabe, "VBAProject");
        // Then the fall-back's state without a project
        EXPECT_EQ(I().anzeige.Titel(), I().z.ProgrammTitel);
        EXPECT_EQ(I().ansicht.modus, 0);
        EXPECT_FALSE(I().projekt.DatenbankOffen());

        // Shown again as unsaved for the next way of opening
        ProjektAnlegen(I().z.TempPfad, ZweiModule());
        I().projekt.PfadSetzen(I().z.TempPfad);
        I().anzeige.TitelSetzen(I().z.ProgrammTitel + " Projekt: VBAProject" + NichtGespeichertMarke);
        I().projekt.NichtGespeichert = true;
    }
    EXPECT_EQ(DateiInhalt(kaputt + "CodeBrindle.mdb"), "keine Datenbank");
    EXPECT_EQ(Dateien(ohneDb).size(), 1u);
}

TEST_F(UngespeichertTest, CancelledFallBackStillSavesTheUnsavedProjectLater) {
    I().meldungen.Antworten(MeldungsAntwort::Ok);
    I().meldungen.Antworten(MeldungsAntwort::Abbrechen);
    I().dialoge.ordnerAntworten.push_back(kaputt);
    mnuOeffnen_Click(I().k);
    EXPECT_FALSE(fenster->gespeichert);
    EXPECT_EQ(I().projekt.ProjektPfad(), I().z.TempPfad);
    EXPECT_NE(I().anzeige.Titel().find(NichtGespeichertMarke), std::string::npos);
    EXPECT_TRUE(I().projekt.NichtGespeichert);

    // The user saves now, as the caption still asks
    I().dialoge.ordnerAntworten.push_back(I().z.ProjektOrdner);
    I().dialoge.eingabeAntworten.push_back("Spaeter");
    ASSERT_TRUE(mnuSpeichern_Click(I().k));
    EXPECT_EQ(Dateien(I().z.ProjektOrdner + "Spaeter/"), ungespeichert);
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

    EXPECT_FALSE(mnuSpeichern_Click(I().k));
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
