// SPDX-License-Identifier: GPL-3.0-or-later
// Reading into the working folder, opening and saving through the
// controller: what the window is told, and the fall-backs when a project
// is broken or an unsaved one is about to go.
#include "SteuerungHilfen.h"

#include "app/Dateien.h"
#include "import/AppTexte.h"
#include "projects/ProjektAnzeigen.h"
#include "store/ModulText.h"

namespace cb::test {
namespace {

namespace fs = std::filesystem;

using CodeEinlesen = SteuerungsTest;

TEST_F(CodeEinlesen, NothingTickedAsksForAChoiceAndReadsNothing) {
    host->Projekte = {Projekt("VBAProject", "/m.xlsm", {Komp("Modul1", HostStandardModul, SubCode("A"))})};
    s->Starten();
    s->mnuBearbeiten_Code_Click();
    EXPECT_EQ(Texte(meldungen), std::vector<std::string>{"Bitte wählen Sie erst etwas aus"});
    EXPECT_EQ(meldungen.Gezeigt()[0].Knoepfe, MeldungsKnoepfe::Ok);
    EXPECT_FALSE(fs::exists(Temp() + "CodeBrindle.mdb"));
    EXPECT_EQ(s->Modus(), ProjektModus::KeinProjekt);
}

TEST_F(CodeEinlesen, ATickedProjectWithoutTickedModulesReadsNothing) {
    StartenUndHaken({Komp("Modul1", HostStandardModul, SubCode("A"))});
    DateiSchreiben(Temp() + "M1.txt", "ungespeichert");
    s->AppHakenSetzen("A1\\Modul1", false);
    s->AppHakenSetzen("A1\\", true); // the project node alone, as a stale tick leaves it
    s->AppHakenSetzen("A1\\Modul1", false);
    s->mnuBearbeiten_Code_Click();
    EXPECT_EQ(Texte(meldungen), std::vector<std::string>{"Bitte wählen Sie erst etwas aus"});
    EXPECT_EQ(DateiInhalt(Temp() + "M1.txt"), "ungespeichert") << "the working folder is kept";
}

TEST_F(CodeEinlesen, ReadingShowsTheProjectFromTheWorkingFolder) {
    ZweiModuleEinlesen();
    EXPECT_TRUE(meldungen.Gezeigt().empty()) << Texte(meldungen).front();
    EXPECT_EQ(s->Projekt().ProjektPfad(), Temp());
    EXPECT_TRUE(s->Projekt().DatenbankOffen());
    EXPECT_EQ(s->Modus(), ProjektModus::Eingelesen);
    EXPECT_EQ(ansicht.titel, "Excel Code Brindle 1.0 Projekt: VBAProject [nicht gespeichert !!!]");
    // Redrawing waits while the host is read
    const auto anhalten = std::find(ansicht.aufrufe.begin(), ansicht.aufrufe.end(), "Anhalten");
    ASSERT_NE(anhalten, ansicht.aufrufe.end());
    EXPECT_NE(std::find(anhalten, ansicht.aufrufe.end(), "Weiter"), ansicht.aufrufe.end());
    EXPECT_FALSE(ansicht.angehalten);
    // Modules by type then name, each with its routines; one pane per module
    ASSERT_EQ(s->ProjektBaum().Anzahl(), 4u);
    EXPECT_EQ(s->ProjektBaum().Knoten()[0].Text, "Modul1");
    EXPECT_EQ(s->ProjektBaum().Knoten()[1].Text, "Klasse1");
    EXPECT_EQ(ansicht.projektKnoten, 4u);
    EXPECT_EQ(ansicht.links, LinkerBereich::Projekt);
    EXPECT_EQ(ansicht.fenster, 2);
    // The first node opened: module 1 at its top
    EXPECT_EQ(ansicht.vorne, 0);
    EXPECT_EQ(ansicht.text, s->Code(0).Text);
    EXPECT_NE(ansicht.text.find("Sub Eins()"), std::string::npos);
    EXPECT_EQ(ansicht.Status(Panel::Modul), "Modul1");
    EXPECT_EQ(ansicht.markiert, "M1");
    EXPECT_EQ(s->Code(1).Text.find("Public Function Zwei"), 0u) << s->Code(1).Text;
    EXPECT_EQ(ansicht.Status(Panel::Aktivitaet), "");
    EXPECT_FALSE(ansicht.sanduhr);
    // The commands of a shown project
    EXPECT_TRUE(ansicht.freigaben.An(Befehl::Speichern));
    EXPECT_TRUE(ansicht.freigaben.An(Knopf::Neu));
    EXPECT_FALSE(ansicht.freigaben.An(Befehl::CodeEinlesen));
    EXPECT_FALSE(ansicht.freigaben.An(Befehl::RoutineZurueck));
}

TEST_F(CodeEinlesen, ReadingTwiceGivesTheSameProject) {
    ZweiModuleEinlesen();
    DateiSchreiben(Temp() + "M9.txt", "von vorher");
    const std::string erst = DateiInhalt(Temp() + "M1.txt");
    meldungen.Antworten(MeldungsAntwort::Nein); // not asked: reading drops nothing to ask about
    s->mnuBearbeiten_Code_Click();
    EXPECT_FALSE(fs::exists(Temp() + "M9.txt")) << "the working folder is emptied before reading";
    EXPECT_EQ(DateiInhalt(Temp() + "M1.txt"), erst);
    EXPECT_TRUE(meldungen.Gezeigt().empty());
    EXPECT_EQ(s->ProjektBaum().Anzahl(), 4u);
}

TEST_F(CodeEinlesen, ReadingLeavesASavedProjectAlone) {
    ZweiModuleEinlesen();
    dialoge.ordnerAntworten.push_back(s->Z().ProjektOrdner);
    dialoge.eingabeAntworten.push_back("Gespeichert");
    ASSERT_TRUE(s->mnuSpeichern_Click());
    const std::string gespeichert = s->Z().ProjektOrdner + "Gespeichert/";
    EXPECT_EQ(s->Modus(), ProjektModus::Gespeichert);
    EXPECT_EQ(ansicht.titel, "Excel Code Brindle 1.0 Projekt: Gespeichert");

    s->AppHakenSetzen("A1\\", true);
    s->mnuBearbeiten_Code_Click();
    EXPECT_TRUE(fs::exists(gespeichert + "CodeBrindle.mdb"));
    EXPECT_TRUE(fs::exists(gespeichert + "M2.txt"));
    EXPECT_EQ(s->Projekt().ProjektPfad(), Temp());
    EXPECT_EQ(s->Modus(), ProjektModus::Eingelesen);
}

TEST_F(CodeEinlesen, FailedReadListsTheHostAgain) {
    auto kaputt = Komp("Modul1", HostStandardModul, SubCode("A"));
    kaputt.Fehler["Lines"] = "Lesefehler";
    StartenUndHaken({kaputt});
    s->mnuBearbeiten_Code_Click();
    ASSERT_EQ(Texte(meldungen).size(), 1u);
    EXPECT_TRUE(Texte(meldungen)[0].starts_with(EinleseFehlerText() + "\r\nMappe "));
    EXPECT_TRUE(Texte(meldungen)[0].ends_with(", Modul Modul1: Lesefehler")) << Texte(meldungen)[0];
    EXPECT_EQ(s->Modus(), ProjektModus::KeinProjekt);
    EXPECT_EQ(ansicht.links, LinkerBereich::App);
    EXPECT_FALSE(s->ProjektGeladen());
    EXPECT_EQ(ansicht.titel, "Excel Code Brindle 1.0");
}

TEST_F(CodeEinlesen, OpenAndRecentShowTheSavedProject) {
    const std::string ordner = s->Z().ProjektOrdner + "Auswertung/";
    fs::create_directories(ordner);
    ProjektAnlegen(ordner, ZweiModule());
    s->Starten();
    dialoge.ordnerAntworten.push_back(ordner);
    s->mnuOeffnen_Click();
    EXPECT_EQ(s->Modus(), ProjektModus::Gespeichert);
    EXPECT_EQ(ansicht.titel, "Excel Code Brindle 1.0 Projekt: Auswertung");
    EXPECT_EQ(ansicht.links, LinkerBereich::Projekt);
    EXPECT_EQ(ansicht.fenster, 2);
    EXPECT_EQ(ansicht.Status(Panel::Modul), "Modul1");
    ASSERT_TRUE(s->Zuletzt()[0].Sichtbar);

    s->mnuAnsicht_App_Aktualisieren_Click();
    ASSERT_EQ(s->Modus(), ProjektModus::KeinProjekt);
    s->Ausfuehren(Befehl::ZuletztOeffnen, 0);
    EXPECT_EQ(s->Modus(), ProjektModus::Gespeichert);
    EXPECT_EQ(s->Projekt().ProjektPfad(), ordner);
    EXPECT_EQ(s->ProjektBaum().Anzahl(), 4u);

    dialoge.ordnerAntworten.clear(); // cancelled: the view stays
    ansicht.aufrufe.clear();
    s->mnuOeffnen_Click();
    EXPECT_TRUE(ansicht.aufrufe.empty());
    EXPECT_EQ(s->Modus(), ProjektModus::Gespeichert);
}

// A project just read from the host and not saved, when opening another
// one fails and the view falls back to the host's projects.
class Ungespeichert : public SteuerungsTest {
protected:
    void SetUp() override {
        SteuerungsTest::SetUp();
        // A recent entry whose folder has lost its database
        ohneDb = NeuerOrdner("ohneDb").string() + "/";
        DateiSchreiben(ohneDb + "M1.txt", "nur ein Modul");
        einstellungen->Schreiben(s->Z().EinstellungsName, "recent", "F0", ohneDb);
        ZweiModuleEinlesen();
        ASSERT_TRUE(s->Projekt().NichtGespeichert);
        ungespeichert = Dateien(Temp());
        kaputt = NeuerOrdner("kaputt").string() + "/";
        DateiSchreiben(kaputt + "CodeBrindle.mdb", "keine Datenbank");
    }
    std::map<std::string, std::string> ungespeichert;
    std::string kaputt, ohneDb;
};

TEST_F(Ungespeichert, BrokenOpenOffersToSaveTheUnsavedProjectItself) {
    // Opened by the chooser (the database file is there but broken) and
    // from the recent entry.
    for (int weg : {0, 1}) {
        SCOPED_TRACE(weg);
        std::string ordner = weg == 0 ? kaputt : ohneDb;
        meldungen = {};
        dialoge = {};
        meldungen.Antworten(MeldungsAntwort::Ok); // "ist nicht mehr intakt"
        meldungen.Antworten(MeldungsAntwort::Ja); // save the unsaved project first
        dialoge.ordnerAntworten.push_back(s->Z().ProjektOrdner);
        dialoge.eingabeAntworten.push_back("Gerettet" + std::to_string(weg));
        if (weg == 0) {
            dialoge.ordnerAntworten.push_front(kaputt);
            s->mnuOeffnen_Click();
        } else {
            std::size_t index = 0;
            while (index < s->Zuletzt().size() && s->Zuletzt()[index].Tag != ohneDb)
                ++index;
            ASSERT_LT(index, s->Zuletzt().size());
            s->mnuOpenIndex_Click(index);
        }

        EXPECT_EQ(Texte(meldungen), (std::vector<std::string>{NichtIntaktText(ordner), SpeicherFrageText()}));
        std::string ziel = s->Z().ProjektOrdner + "Gerettet" + std::to_string(weg) + "/";
        EXPECT_EQ(Dateien(ziel), ungespeichert) << "the working folder's project is what was saved";
        ASSERT_FALSE(dialoge.eingabeFragen.empty());
        EXPECT_EQ(dialoge.eingabeFragen[0].Vorgabe, "VBAProject");
        // Then the fall-back's state without a project
        EXPECT_EQ(ansicht.titel, s->Z().ProgrammTitel);
        EXPECT_EQ(s->Modus(), ProjektModus::KeinProjekt);
        EXPECT_FALSE(s->Projekt().DatenbankOffen());

        // Read again, unsaved, for the next way of opening
        s->AppHakenSetzen("A1\\", true);
        s->mnuBearbeiten_Code_Click();
        ASSERT_TRUE(s->Projekt().NichtGespeichert);
        ungespeichert = Dateien(Temp());
    }
    EXPECT_EQ(DateiInhalt(kaputt + "CodeBrindle.mdb"), "keine Datenbank");
    EXPECT_EQ(Dateien(ohneDb).size(), 1u);
}

TEST_F(Ungespeichert, CancelledFallBackStillSavesTheUnsavedProjectLater) {
    meldungen.Antworten(MeldungsAntwort::Ok);
    meldungen.Antworten(MeldungsAntwort::Abbrechen);
    dialoge.ordnerAntworten.push_back(kaputt);
    s->mnuOeffnen_Click();
    EXPECT_EQ(s->Projekt().ProjektPfad(), Temp());
    EXPECT_NE(ansicht.titel.find(NichtGespeichertMarke), std::string::npos);
    EXPECT_TRUE(s->Projekt().NichtGespeichert);
    // Cancel changed nothing: the project is still there to browse
    EXPECT_TRUE(s->Projekt().DatenbankOffen());
    EXPECT_EQ(s->ProjektBaum().Anzahl(), 4u);
    EXPECT_EQ(s->Modus(), ProjektModus::Eingelesen);
    s->KnotenKlick(s->ProjektBaum().Knoten()[2].Schluessel);
    EXPECT_FALSE(ansicht.Status(Panel::Routine).empty());

    // The user saves now, as the caption still asks
    dialoge.ordnerAntworten.push_back(s->Z().ProjektOrdner);
    dialoge.eingabeAntworten.push_back("Spaeter");
    ASSERT_TRUE(s->mnuSpeichern_Click());
    EXPECT_EQ(Dateien(s->Z().ProjektOrdner + "Spaeter/"), ungespeichert);
}

class VbDateienEinlesen : public SteuerungsTest {
protected:
    std::string Quelle(const std::string& name, const std::string& inhalt) {
        fs::create_directories(cache / "quellen");
        const std::string pfad = (cache / "quellen" / name).string();
        DateiSchreiben(pfad, inhalt);
        return pfad;
    }
    std::vector<std::string> AppTexte() const {
        std::vector<std::string> t;
        for (const BaumKnoten& k : s->AppBaum().Knoten())
            t.push_back(k.Text);
        return t;
    }
};

TEST_F(VbDateienEinlesen, ChosenFilesAreListedTickedAndReadWithCodeEinlesen) {
    StartenUndHaken({Komp("Modul1", HostStandardModul, SubCode("A"))});
    dialoge.oeffnenAntworten = {
        {Quelle("Rechnen.bas", "Attribute VB_Name = \"Rechnen\"\r\nSub Summe()\r\nEnd Sub\r\n"),
         Quelle("Kunde.cls", "VERSION 1.0 CLASS\r\nBEGIN\r\nEND\r\nAttribute VB_Name = \"Kunde\"\r\n"
                             "Public Function Name() As String\r\nEnd Function\r\n")}};
    s->Ausfuehren(Befehl::VbEinlesen);
    ASSERT_EQ(dialoge.oeffnenFragen.size(), 1u);
    ASSERT_FALSE(dialoge.oeffnenFilter.empty());
    EXPECT_EQ(dialoge.oeffnenFilter[0].Endungen, std::vector<std::string>{"vbp"});
    EXPECT_TRUE(s->VbDateienGelistet());
    EXPECT_EQ(AppTexte(), (std::vector<std::string>{"quellen [Moduldateien]", "Rechnen", "Kunde"}));
    EXPECT_EQ(ansicht.links, LinkerBereich::App);
    EXPECT_TRUE(s->Freigegeben().An(Befehl::CodeEinlesen)) << "the files come ticked";

    // The tick rules of a project hold: the project's tick goes to its files
    s->AppHakenSetzen("A1\\", false);
    EXPECT_FALSE(s->Freigegeben().An(Befehl::CodeEinlesen));
    s->AppHakenSetzen("A1\\", true);

    s->Ausfuehren(Befehl::CodeEinlesen);
    EXPECT_TRUE(meldungen.Gezeigt().empty()) << Texte(meldungen).front();
    EXPECT_EQ(s->Modus(), ProjektModus::Eingelesen);
    EXPECT_EQ(ansicht.titel, "Excel Code Brindle 1.0 Projekt: quellen [nicht gespeichert !!!]");
    ASSERT_NE(s->ProjektBaum().Finden("M2"), nullptr);
    EXPECT_EQ(s->ProjektBaum().Finden("M2")->Text, "Kunde");
    EXPECT_EQ(s->Code(0).Text.find("Attribute"), std::string::npos) << s->Code(0).Text;
    // Saving offers the project's name, not the files' folder
    dialoge.ordnerAntworten = {s->Z().ProjektOrdner};
    s->Ausfuehren(Befehl::Speichern);
    ASSERT_FALSE(dialoge.eingabeFragen.empty());
    EXPECT_EQ(dialoge.eingabeFragen.back().Vorgabe, "quellen");

    // The refresh lists the host's projects again, after the save question
    meldungen.Antworten(MeldungsAntwort::Nein);
    s->Ausfuehren(Befehl::Neu);
    EXPECT_FALSE(s->VbDateienGelistet());
    EXPECT_EQ(AppTexte().size(), 2u);
    EXPECT_NE(AppTexte()[0].find("VBAProject"), std::string::npos);
}

TEST_F(VbDateienEinlesen, RefusedChoicesLeaveEverythingAsItWas) {
    StartenUndHaken({Komp("Modul1", HostStandardModul, SubCode("A"))});
    const std::vector<std::string> vorher = AppTexte();
    s->Ausfuehren(Befehl::VbEinlesen); // cancelled
    dialoge.oeffnenAntworten = {
        {Quelle("P.vbp", "Module=M; M.bas\r\n"), Quelle("M.bas", "Sub A()\r\nEnd Sub")},
        {Quelle("Mappe.xlsx", "PK")}};
    s->Ausfuehren(Befehl::VbEinlesen);
    s->Ausfuehren(Befehl::VbEinlesen);
    ASSERT_EQ(meldungen.Gezeigt().size(), 2u);
    for (const auto& m : meldungen.Gezeigt()) {
        EXPECT_EQ(m.Text.rfind("Das Projekt konnte nicht gelesen werden.\r\nMögliche Ursachen:", 0), 0u);
        EXPECT_EQ(m.Symbol, MeldungsSymbol::Warnung);
    }
    EXPECT_NE(meldungen.Gezeigt()[0].Text.find("allein"), std::string::npos);
    EXPECT_NE(meldungen.Gezeigt()[1].Text.find("Mappe.xlsx"), std::string::npos);
    EXPECT_FALSE(s->VbDateienGelistet());
    EXPECT_EQ(AppTexte(), vorher);
    EXPECT_TRUE(s->Freigegeben().An(Befehl::CodeEinlesen)) << "the ticks stand";
}

TEST_F(VbDateienEinlesen, AFileGoneBeforeReadingWarnsAndKeepsTheListing) {
    s->Starten();
    const std::string weg = Quelle("Weg.bas", "Sub A()\r\nEnd Sub\r\n");
    dialoge.oeffnenAntworten = {{Quelle("Da.bas", "Sub B()\r\nEnd Sub\r\n"), weg}};
    s->Ausfuehren(Befehl::VbEinlesen);
    fs::remove(weg);
    s->Ausfuehren(Befehl::CodeEinlesen);
    ASSERT_EQ(meldungen.Gezeigt().size(), 1u);
    EXPECT_NE(meldungen.Gezeigt()[0].Text.find("Weg.bas"), std::string::npos) << meldungen.Gezeigt()[0].Text;
    EXPECT_EQ(s->Modus(), ProjektModus::KeinProjekt);
    EXPECT_TRUE(s->VbDateienGelistet());
    EXPECT_EQ(AppTexte(), (std::vector<std::string>{"quellen [Moduldateien]", "Da", "Weg"}));
    EXPECT_EQ(ansicht.links, LinkerBereich::App);
}

TEST_F(VbDateienEinlesen, AnUnsavedProjectStaysUnlessTheUserLetsItGo) {
    ZweiModuleEinlesen();
    const std::string datei = Quelle("Rechnen.bas", "Sub Summe()\r\nEnd Sub\r\n");
    // Abbrechen; then Ja with the folder chooser cancelled: nothing saved, so nothing dropped
    meldungen.Antworten(MeldungsAntwort::Abbrechen);
    meldungen.Antworten(MeldungsAntwort::Ja);
    dialoge.oeffnenAntworten = {{datei}, {datei}, {datei}};
    s->Ausfuehren(Befehl::VbEinlesen);
    s->Ausfuehren(Befehl::VbEinlesen);
    EXPECT_EQ(s->Modus(), ProjektModus::Eingelesen);
    EXPECT_FALSE(s->VbDateienGelistet());
    EXPECT_TRUE(s->Projekt().NichtGespeichert);
    ASSERT_EQ(meldungen.Gezeigt().size(), 2u);
    EXPECT_EQ(meldungen.Gezeigt()[1].Knoepfe, MeldungsKnoepfe::JaNeinAbbrechen);
    // Nein lets it go
    meldungen.Antworten(MeldungsAntwort::Nein);
    s->Ausfuehren(Befehl::VbEinlesen);
    EXPECT_TRUE(s->VbDateienGelistet());
    EXPECT_EQ(s->Modus(), ProjektModus::KeinProjekt);
}

TEST_F(VbDateienEinlesen, AVbpIsListedWithItsModulesAndRead) {
    s->Starten();
    Quelle("Start.bas", "Attribute VB_Name = \"Start\"\r\nSub Main()\r\n    Call Helfer\r\nEnd Sub\r\n");
    Quelle("Helfer.cls", "VERSION 1.0 CLASS\r\nBEGIN\r\nEND\r\nAttribute VB_Name = \"Helfer\"\r\n"
                         "Public Sub Helfer()\r\nEnd Sub\r\n");
    dialoge.oeffnenAntworten = {{Quelle(
        "Alt.vbp",
        "Type=Exe\r\nModule=Start; Start.bas\r\nClass=Helfer; Helfer.cls\r\nName=\"Altprojekt\"\r\n")}};
    s->Ausfuehren(Befehl::VbEinlesen);
    EXPECT_EQ(AppTexte(), (std::vector<std::string>{"Altprojekt [Alt.vbp]", "Start", "Helfer"}));
    s->Ausfuehren(Befehl::CodeEinlesen);
    EXPECT_TRUE(meldungen.Gezeigt().empty()) << Texte(meldungen).front();
    EXPECT_EQ(ansicht.titel, "Excel Code Brindle 1.0 Projekt: Altprojekt [nicht gespeichert !!!]");
    EXPECT_EQ(s->ProjektBaum().Finden("M1")->Text, "Start");
    EXPECT_EQ(s->ProjektBaum().Finden("M2")->Text, "Helfer");
}

} // namespace
} // namespace cb::test
