// SPDX-License-Identifier: GPL-3.0-or-later
// Listing the host's projects again: the hints, the window steps and the
// save question.
#include "import/AppAktualisieren.h"

#include "import/AppTexte.h"
#include "store/DatenbankDatei.h"

#include "ImportHilfen.h"

using namespace cb;
using namespace cb::test;

namespace {

const char* const NichtGeoeffnet =
    "Excel ist im Moment nicht geöffnet. Es können daher keine Projekte aus Excel angezeigt werden. \r\n\r\n"
    "Bitte öffnen Sie Excel und öffnen Sie die Mappe, deren Code Sie einlesen möchten !\r\n"
    "Klicken Sie danach auf Aktualisieren Excel Projekte.\r\n\r\n\r\n"
    "Alternativ können Sie über Öffnen Projekte einlesen, die mit Code Brindle erzeugt wurden.";

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

class Aktualisieren : public ImportTest {
protected:
    void Auffrischen() {
        auto k = Kontext();
        AppProjekteAktualisieren(k);
    }
    void Befehl() {
        auto k = Kontext();
        mnuAnsicht_App_Aktualisieren_Click(k);
    }
};

} // namespace

TEST_F(Aktualisieren, FensterSchritteUndListe) {
    ASSERT_TRUE(projekt.DatenbankErzeugen(meldungen, z.ProgrammOrdner));
    projekt.DatenbankOeffnen();
    host.Projekte = {Projekt("P", "/p.xlsm", {Komp("Modul1", HostStandardModul, SubCode("A"))})};
    fenster.HinweisSichtbar = true;
    Auffrischen();
    EXPECT_FALSE(projekt.DatenbankOffen()) << "the shown project is closed";
    EXPECT_EQ(fenster.Schritte,
              (std::vector<std::string>{"ProjektGeladen=0", "ProjektBaumLeeren", "RoutinenAnsichtSchliessen",
                                        "AppBaumZeigen", "CodeFensterLeeren", "AnsichtZuruecksetzen"}));
    EXPECT_FALSE(fenster.HinweisSichtbar);
    EXPECT_EQ(Schluessel(), (std::vector<std::string>{"A1\\", "A1\\Modul1"}));
}

TEST_F(Aktualisieren, EinFehlgeschlagenerSchrittHaeltDieAnderenNichtAuf) {
    host.Projekte = {Projekt("P", "/p.xlsm", {Komp("Modul1", HostStandardModul, SubCode("A"))})};
    fenster.Scheitert = "ProjektBaumLeeren";
    Auffrischen();
    EXPECT_EQ(fenster.Schritte.size(), 6u);
    EXPECT_EQ(treApp.Anzahl(), 2u);
}

TEST_F(Aktualisieren, DieDreiHinweise) {
    host.Laeuft = false;
    Auffrischen();
    EXPECT_TRUE(fenster.HinweisSichtbar);
    EXPECT_EQ(fenster.Hinweis, NichtGeoeffnet);

    host.Laeuft = true;
    Auffrischen();
    EXPECT_TRUE(fenster.HinweisSichtbar);
    EXPECT_EQ(fenster.Hinweis, KeineProjekte);

    host.Projekte = {Projekt("P", "/p.xlsm", {Komp("Kurz", HostStandardModul, "a\r\nb")})};
    Auffrischen();
    EXPECT_EQ(fenster.Hinweis, KeineProjekte) << "projects with nothing to read count as none";

    host.ZugriffVerweigern();
    fenster.Hinweis.clear();
    Auffrischen();
    EXPECT_EQ(fenster.Hinweis, ZugriffVerweigert);

    host.Version = "9.0";
    Auffrischen();
    EXPECT_EQ(fenster.Hinweis, NichtGeoeffnet) << "before version 10 refused access reads as not open";
    EXPECT_TRUE(meldungen.Gezeigt().empty());
}

TEST_F(Aktualisieren, AbbruchDerListeZeigtFehlerUndHinweis) {
    host.Projekte = {Projekt("Gut", "/g.xlsm", {Komp("Modul1", HostStandardModul, SubCode("A"))}),
                     Projekt("Kaputt", "/k.xlsm", {Komp("Modul1", HostStandardModul, SubCode("A"))})};
    host.Projekte[1].Fehler["VBComponents"] =
        "Methode 'VBComponents' für das Objekt '_VBProject' ist fehlgeschlagen";
    Auffrischen();
    ASSERT_EQ(meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(meldungen.Gezeigt()[0].Text,
              "Methode 'VBComponents' für das Objekt '_VBProject' ist fehlgeschlagen");
    EXPECT_EQ(fenster.Hinweis, ZugriffVerweigert);
    EXPECT_TRUE(treApp.Finden("A1\\Modul1")) << "the nodes listed before the failure stay";
}

TEST_F(Aktualisieren, AnwendungsNameInDenHinweisen) {
    EXPECT_EQ(NichtGeoeffnetText("Word").find("Excel"), std::string::npos);
    EXPECT_TRUE(NichtGeoeffnetText("Word").starts_with("Word ist im Moment nicht geöffnet."));
    EXPECT_NE(KeineProjekteText("Word").find("Aktualisieren Word Projekte."), std::string::npos);
    EXPECT_TRUE(ZugriffVerweigertText("Word").starts_with("Sie benutzen WordXP.\r\n"));
    EXPECT_EQ(MitAppName("EXCEL und excel, Excel.", "Word"), "Word und Word, Word.");
    EXPECT_EQ(MitAppName("Mappe", "Word"), "Mappe");
}

TEST_F(Aktualisieren, BefehlOhneUngespeichertesProjektFragtNicht) {
    anzeige.TitelSetzen("Excel Code Brindle 1.0 Projekt: Ablage [2024]");
    Befehl();
    EXPECT_TRUE(meldungen.Gezeigt().empty()) << "a saved project's own [ is no unsaved marker";
    EXPECT_EQ(anzeige.Titel(), "Excel Code Brindle 1.0");
    ASSERT_GE(fenster.Schritte.size(), 2u);
    EXPECT_EQ(fenster.Schritte[0], "ProjektModus=0");
    EXPECT_EQ(fenster.Schritte[1], "ProjektGeladen=0");
}

TEST_F(Aktualisieren, SpeicherFrage) {
    const std::string titel = "Excel Code Brindle 1.0 Projekt: Umsatz [nicht gespeichert !!!]";
    host.Projekte = {Projekt("P", "/p.xlsm", {Komp("Modul1", HostStandardModul, SubCode("A"))})};
    treApp.Hinzufuegen("alt", "alt", "Fahne");

    anzeige.TitelSetzen(titel);
    projekt.NichtGespeichert = true;
    meldungen.Antworten(MeldungsAntwort::Abbrechen);
    Befehl();
    ASSERT_EQ(meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(meldungen.Gezeigt()[0].Text, "Projekt wurde nicht gespeichert !\r\nProjekt jetzt speichern ?");
    EXPECT_EQ(meldungen.Gezeigt()[0].Symbol, MeldungsSymbol::Frage);
    EXPECT_EQ(meldungen.Gezeigt()[0].Knoepfe, MeldungsKnoepfe::JaNeinAbbrechen);
    EXPECT_EQ(anzeige.Titel(), titel) << "Cancel leaves everything";
    EXPECT_TRUE(projekt.NichtGespeichert);
    EXPECT_TRUE(fenster.Schritte.empty());
    EXPECT_TRUE(treApp.Finden("alt"));

    meldungen.Antworten(MeldungsAntwort::Nein);
    Befehl();
    EXPECT_EQ(fenster.Schritte.front(), "ProjektModus=0") << "No: no saving";
    EXPECT_EQ(anzeige.Titel(), "Excel Code Brindle 1.0");
    EXPECT_FALSE(projekt.NichtGespeichert) << "the project is dropped";
    EXPECT_TRUE(treApp.Finden("A1\\Modul1"));

    fenster.Schritte.clear();
    anzeige.TitelSetzen(titel);
    projekt.NichtGespeichert = true;
    meldungen.Antworten(MeldungsAntwort::Ja);
    Befehl();
    ASSERT_GE(fenster.Schritte.size(), 2u);
    EXPECT_EQ(fenster.Schritte[0], "Speichern");
    EXPECT_EQ(fenster.Schritte[1], "ProjektModus=0");
    EXPECT_EQ(anzeige.Titel(), "Excel Code Brindle 1.0");
}
