// SPDX-License-Identifier: GPL-3.0-or-later
// Listing the host's projects again: the hints, what the window is told and
// the save question.
#include "SteuerungHilfen.h"

#include "import/AppTexte.h"

using namespace cb;
using namespace cb::test;

namespace {

const char* const NichtGeoeffnet =
    "Excel ist im Moment nicht geöffnet. Es können daher keine Projekte aus Excel angezeigt werden. \r\n\r\n"
    "Bitte öffnen Sie Excel und öffnen Sie die Mappe, deren Code Sie einlesen möchten !\r\n"
    "Klicken Sie danach auf Aktualisieren Excel Projekte.\r\n\r\n\r\n"
    "Alternativ können Sie über Öffnen Projekte einlesen, die mit Code Brindle erzeugt wurden.";

// Here the program holds the workbooks: the hints say how to open one
const std::string MitMappen = "\r\n\r\n" + MappenOeffnenText();
const char* const KeineProjekte =
    "Excel ist zwar im Moment geöffnet, aber es gibt keine auslesbaren Projekte.\r\n\r\n"
    "Bitte öffnen Sie in Excel die Datei, deren Code Sie einlesen möchten und klicken Sie danach auf "
    "Aktualisieren Excel Projekte.\r\n\r\n"
    "Alternativ können Sie über Öffnen Projekte einlesen, die mit Code Brindle erzeugt wurden.\r\n";

const char* const ZugriffVerweigert =
    "Sie benutzen ExcelXP.\r\n"
    "Ihre Anwendung ist zwar geöffnet, aber der Zugriff wird verweigert.\r\n"
    "Dies können Sie ändern, indem Sie in Excel bei Extras - Makro - Sicherheit -vertrauenswürdige "
    "Quellen\r\n"
    "den Zugriff auf VBA-Projekte vertrauen anhaken.\r\n"
    "Lesen Sie dazu unbedingt auch in der Hilfe die Informationen zu Office XP\r\n\r\n"
    "Klicken Sie nachdem Sie die Einstellungen vorgenommen haben auf Aktualisieren";

using Aktualisieren = SteuerungsTest;

} // namespace

TEST_F(Aktualisieren, StartListetDieProjekteOhneProjektModus) {
    host->Projekte = {Projekt("P", "/p.xlsm", {Komp("Modul1", HostStandardModul, SubCode("A"))})};
    s->Starten();
    EXPECT_EQ(ansicht.titel, "Excel Code Brindle 1.0");
    EXPECT_EQ(ansicht.links, LinkerBereich::App);
    EXPECT_EQ(ansicht.appKnoten, 2u);
    EXPECT_EQ(s->Modus(), ProjektModus::KeinProjekt);
    EXPECT_FALSE(ansicht.freigaben.An(Befehl::CodeEinlesen)) << "until a module is ticked";
    EXPECT_TRUE(ansicht.freigaben.An(Befehl::AppAktualisieren));
    EXPECT_FALSE(ansicht.freigaben.An(Knopf::Neu));
    EXPECT_EQ(ansicht.Status(Panel::Modul), "Modul");
    EXPECT_EQ(ansicht.Status(Panel::Routine), "Routine");
    EXPECT_EQ(ansicht.Status(Panel::Aktivitaet), "Aktion");
    EXPECT_EQ(ansicht.fenster, 1) << "one empty code pane";
    EXPECT_EQ(ansicht.text, "");

    s->AppHakenSetzen("A1\\Modul1", true);
    EXPECT_TRUE(ansicht.freigaben.An(Befehl::CodeEinlesen));
    EXPECT_TRUE(ansicht.freigaben.An(Knopf::CodeLesen));
    s->AppHakenSetzen("A1\\Modul1", false);
    EXPECT_FALSE(ansicht.freigaben.An(Befehl::CodeEinlesen)) << "the last tick gone";
    s->AppHakenSetzen("gibt es nicht", true); // ignored
    EXPECT_TRUE(meldungen.Gezeigt().empty());
}

TEST_F(Aktualisieren, RefreshAndNeuAreOneCommandThroughTwoButtons) {
    s->Starten();
    ASSERT_EQ(s->AppBaum().Anzahl(), 0u);
    host->Projekte = {Projekt("P", "/p.xlsm", {Komp("Modul1", HostStandardModul, SubCode("A"))})};
    s->SymbolleisteGeklickt("neu"); // disabled without a project
    EXPECT_EQ(s->AppBaum().Anzahl(), 0u);
    s->Ausfuehren(Befehl::Neu); // the menu item "&Neu" likewise
    EXPECT_EQ(s->AppBaum().Anzahl(), 0u);
    s->SymbolleisteGeklickt("REFRESH");
    EXPECT_EQ(s->AppBaum().Anzahl(), 2u) << "the refresh button lists again";

    s->AppHakenSetzen("A1\\", true);
    s->mnuBearbeiten_Code_Click();
    ASSERT_EQ(s->Modus(), ProjektModus::Eingelesen);
    host->Projekte.push_back(Projekt("Q", "/q.xlsm", {Komp("Modul2", HostStandardModul, SubCode("B"))}));
    s->SymbolleisteGeklickt("refresh"); // disabled with a project
    EXPECT_EQ(s->Modus(), ProjektModus::Eingelesen);
    meldungen.Antworten(MeldungsAntwort::Nein);
    s->SymbolleisteGeklickt("neu");
    EXPECT_EQ(s->Modus(), ProjektModus::KeinProjekt);
    EXPECT_EQ(s->AppBaum().Anzahl(), 4u);
    s->SymbolleisteGeklickt("blind"); // a placeholder, no button: nothing
    s->SymbolleisteGeklickt("gibt es nicht");
    EXPECT_EQ(s->AppBaum().Anzahl(), 4u);
}

TEST_F(Aktualisieren, DasGezeigteProjektGehtUndDieListeKommt) {
    ZweiModuleEinlesen();
    ASSERT_TRUE(s->Projekt().DatenbankOffen());
    ASSERT_EQ(ansicht.links, LinkerBereich::Projekt);
    meldungen.Antworten(MeldungsAntwort::Nein);
    ansicht.aufrufe.clear();
    s->mnuAnsicht_App_Aktualisieren_Click();
    EXPECT_FALSE(s->Projekt().DatenbankOffen()) << "the shown project is closed";
    EXPECT_FALSE(s->ProjektGeladen());
    EXPECT_TRUE(s->ProjektBaum().Leer());
    EXPECT_EQ(ansicht.projektKnoten, 0u);
    EXPECT_EQ(ansicht.links, LinkerBereich::App);
    EXPECT_EQ(ansicht.fenster, 1);
    EXPECT_TRUE(s->VerlaufListe().Leer());
    EXPECT_EQ(s->AktModulIndex(), 0);
    EXPECT_EQ(s->Modus(), ProjektModus::KeinProjekt);
    EXPECT_EQ(ansicht.aufrufe.front(), "ProjektBaum 0");
    EXPECT_EQ(s->AppBaum().Anzahl(), 3u);
}

TEST_F(Aktualisieren, EinFehlgeschlagenerSchrittHaeltDieAnderenNichtAuf) {
    host->Projekte = {Projekt("P", "/p.xlsm", {Komp("Modul1", HostStandardModul, SubCode("A"))})};
    ansicht.scheitert = "ProjektBaum 0";
    s->Starten();
    EXPECT_TRUE(ansicht.Aufgerufen("AppBaum 2"));
    EXPECT_TRUE(ansicht.Aufgerufen("Fenster 1"));
    EXPECT_EQ(s->AppBaum().Anzahl(), 2u);
}

TEST_F(Aktualisieren, DieDreiHinweise) {
    host->Laeuft = false;
    s->Starten();
    EXPECT_EQ(ansicht.links, LinkerBereich::Hinweis);
    EXPECT_EQ(ansicht.hinweis, NichtGeoeffnet + MitMappen);

    host->Laeuft = true;
    s->mnuAnsicht_App_Aktualisieren_Click();
    EXPECT_EQ(ansicht.links, LinkerBereich::Hinweis);
    EXPECT_EQ(ansicht.hinweis, KeineProjekte + MitMappen);

    host->Projekte = {Projekt("P", "/p.xlsm", {Komp("Kurz", HostStandardModul, "a\r\nb")})};
    s->mnuAnsicht_App_Aktualisieren_Click();
    EXPECT_EQ(ansicht.hinweis, KeineProjekte + MitMappen) << "projects with nothing to read count as none";

    host->ZugriffVerweigern();
    ansicht.hinweis.clear();
    s->mnuAnsicht_App_Aktualisieren_Click();
    EXPECT_EQ(ansicht.hinweis, ZugriffVerweigert);

    host->Version = "9.0";
    s->mnuAnsicht_App_Aktualisieren_Click();
    EXPECT_EQ(ansicht.hinweis, NichtGeoeffnet + MitMappen)
        << "before version 10 refused access reads as not open";
    EXPECT_TRUE(meldungen.Gezeigt().empty());

    host->Laeuft = true;
    host->Version = "16.0";
    host->Projekte = {Projekt("P", "/p.xlsm", {Komp("Modul1", HostStandardModul, SubCode("A"))})};
    host->Fehler.clear();
    s->mnuAnsicht_App_Aktualisieren_Click();
    EXPECT_EQ(ansicht.links, LinkerBereich::App) << "the hint goes once there is something to tick";
}

TEST_F(Aktualisieren, AbbruchDerListeZeigtFehlerUndHinweis) {
    host->Projekte = {Projekt("Gut", "/g.xlsm", {Komp("Modul1", HostStandardModul, SubCode("A"))}),
                      Projekt("Kaputt", "/k.xlsm", {Komp("Modul1", HostStandardModul, SubCode("A"))})};
    host->Projekte[1].Fehler["VBComponents"] =
        "Methode 'VBComponents' für das Objekt '_VBProject' ist fehlgeschlagen";
    s->Starten();
    ASSERT_EQ(meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(meldungen.Gezeigt()[0].Text,
              "Methode 'VBComponents' für das Objekt '_VBProject' ist fehlgeschlagen");
    EXPECT_EQ(ansicht.hinweis, ZugriffVerweigert);
    EXPECT_TRUE(s->AppBaum().Finden("A1\\Modul1")) << "the nodes listed before the failure stay";
}

TEST(AppTexte, AnwendungsNameInDenHinweisen) {
    EXPECT_EQ(NichtGeoeffnetText("Word").find("Excel"), std::string::npos);
    EXPECT_TRUE(NichtGeoeffnetText("Word").starts_with("Word ist im Moment nicht geöffnet."));
    EXPECT_NE(KeineProjekteText("Word").find("Aktualisieren Word Projekte."), std::string::npos);
    EXPECT_TRUE(ZugriffVerweigertText("Word").starts_with("Sie benutzen WordXP.\r\n"));
    EXPECT_EQ(MitAppName("EXCEL und excel, Excel.", "Word"), "Word und Word, Word.");
    EXPECT_EQ(MitAppName("Mappe", "Word"), "Mappe");
}

TEST_F(Aktualisieren, BefehlOhneUngespeichertesProjektFragtNicht) {
    s->Starten();
    ansicht.titel = "Excel Code Brindle 1.0 Projekt: Ablage [2024]";
    s->mnuAnsicht_App_Aktualisieren_Click();
    EXPECT_TRUE(meldungen.Gezeigt().empty()) << "a saved project's own [ is no unsaved marker";
    EXPECT_EQ(ansicht.titel, "Excel Code Brindle 1.0");
}

TEST_F(Aktualisieren, SpeicherFrage) {
    ZweiModuleEinlesen();
    const std::string titel = "Excel Code Brindle 1.0 Projekt: VBAProject [nicht gespeichert !!!]";
    ASSERT_EQ(ansicht.titel, titel);
    ASSERT_TRUE(s->Projekt().NichtGespeichert);
    const auto gelesen = Dateien(Temp());

    meldungen.Antworten(MeldungsAntwort::Abbrechen);
    s->mnuAnsicht_App_Aktualisieren_Click();
    ASSERT_EQ(meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(meldungen.Gezeigt()[0].Text, "Projekt wurde nicht gespeichert !\r\nProjekt jetzt speichern ?");
    EXPECT_EQ(meldungen.Gezeigt()[0].Symbol, MeldungsSymbol::Frage);
    EXPECT_EQ(meldungen.Gezeigt()[0].Knoepfe, MeldungsKnoepfe::JaNeinAbbrechen);
    EXPECT_EQ(ansicht.titel, titel) << "Cancel leaves everything";
    EXPECT_TRUE(s->Projekt().NichtGespeichert);
    EXPECT_EQ(s->Modus(), ProjektModus::Eingelesen);
    EXPECT_TRUE(s->Projekt().DatenbankOffen());
    EXPECT_EQ(s->ProjektBaum().Anzahl(), 4u);

    meldungen.Antworten(MeldungsAntwort::Ja);
    dialoge.ordnerAntworten.push_back(s->Z().ProjektOrdner);
    dialoge.eingabeAntworten.push_back("Gerettet");
    s->mnuAnsicht_App_Aktualisieren_Click();
    EXPECT_EQ(Dateien(s->Z().ProjektOrdner + "Gerettet/"), gelesen) << "Yes saves first";
    const auto texte = Texte(meldungen);
    EXPECT_EQ(std::count(texte.begin(), texte.end(), SpeicherFrageText()), 2)
        << "asked once more, not again after the save";
    EXPECT_EQ(ansicht.titel, "Excel Code Brindle 1.0");
    EXPECT_FALSE(s->Projekt().NichtGespeichert);
    EXPECT_EQ(s->Modus(), ProjektModus::KeinProjekt);

    s->AppHakenSetzen("A1\\", true);
    s->mnuBearbeiten_Code_Click();
    ASSERT_TRUE(s->Projekt().NichtGespeichert);
    const std::size_t vorher = meldungen.Gezeigt().size();
    meldungen.Antworten(MeldungsAntwort::Nein);
    s->mnuAnsicht_App_Aktualisieren_Click();
    EXPECT_EQ(meldungen.Gezeigt().size(), vorher + 1);
    EXPECT_EQ(dialoge.ordnerFragen.size(), 1u) << "No: no saving";
    EXPECT_FALSE(s->Projekt().NichtGespeichert) << "the project is dropped";
    EXPECT_TRUE(s->AppBaum().Finden("A1\\Modul1"));
}

namespace cb::test {
namespace {

TEST_F(SteuerungsTest, WorkbooksChosenOrDroppedAreOpenedAndListed) {
    StartenUndHaken({Komp("Modul1", HostStandardModul, "Sub A()\r\nEnd Sub\r\n'")});
    s->Ausfuehren(Befehl::CodeEinlesen);
    ASSERT_EQ(s->Modus(), ProjektModus::Eingelesen);
    // Cancelled: nothing opened, the project stays
    s->Ausfuehren(Befehl::MappenOeffnen);
    ASSERT_EQ(dialoge.oeffnenFragen.size(), 1u);
    EXPECT_EQ(dialoge.oeffnenFilter.front().Endungen.front(), "xlsm");
    EXPECT_TRUE(host->Geoeffnet.empty());
    EXPECT_EQ(s->Modus(), ProjektModus::Eingelesen);
    // Chosen: the host opens them and lists its projects anew, after asking
    // to save the project that goes
    dialoge.oeffnenAntworten.push_back({"/mappen/Neu.xlsm", "/mappen/Alt.xls"});
    meldungen.Antworten(MeldungsAntwort::Nein);
    s->Ausfuehren(Befehl::MappenOeffnen);
    EXPECT_EQ(host->Geoeffnet, (std::vector<std::string>{"/mappen/Neu.xlsm", "/mappen/Alt.xls"}));
    EXPECT_EQ(s->Modus(), ProjektModus::KeinProjekt);
    EXPECT_EQ(ansicht.links, LinkerBereich::App);
    // Dropped ones the same way, without a dialog
    s->MappenOeffnen({"/mappen/Drei.xlsb"});
    EXPECT_EQ(host->Geoeffnet.back(), "/mappen/Drei.xlsb");
    EXPECT_EQ(dialoge.oeffnenFragen.size(), 2u);
}

} // namespace
} // namespace cb::test
