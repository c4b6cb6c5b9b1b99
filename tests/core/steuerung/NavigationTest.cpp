// SPDX-License-Identifier: GPL-3.0-or-later
// Browsing a read project through the controller: node clicks and the
// history, caret moves, definition jumps, the caller list, zoom, search
// and the exports of the current module, as the window is told of them.
#include "SteuerungHilfen.h"

#include "steuerung/Befehle.h"
#include "store/ProjektBaum.h"

namespace cb::test {
namespace {

class Navigation : public SteuerungsTest {
protected:
    void SetUp() override {
        SteuerungsTest::SetUp();
        ZweiModuleEinlesen();
        ASSERT_TRUE(meldungen.Gezeigt().empty());
        ASSERT_EQ(s->Modus(), ProjektModus::Eingelesen);
    }
    /// The key of the node with the text.
    std::string Knoten(const std::string& text) const {
        for (const BaumKnoten& k : s->ProjektBaum().Knoten())
            if (k.Text == text)
                return k.Schluessel;
        ADD_FAILURE() << "no node " << text;
        return {};
    }
    /// The character offset of a text in the pane of module index + 1.
    std::size_t Offset(std::int64_t index, const std::string& teil) {
        const std::size_t p = s->Code(index).Text.find(teil);
        EXPECT_NE(p, std::string::npos) << teil;
        return p; // the test code is ASCII: bytes and characters agree
    }
};

TEST_F(Navigation, RoutineNodePutsTheCaretOnItsFirstWordAndIsRemembered) {
    s->KnotenKlick(Knoten("Zwei"));
    EXPECT_EQ(s->AktModulIndex(), 1);
    EXPECT_EQ(ansicht.vorne, 1);
    EXPECT_EQ(ansicht.text, s->Code(1).Text);
    EXPECT_EQ(ansicht.anfang, Offset(1, "Public Function Zwei"));
    EXPECT_EQ(ansicht.laenge, 6u) << "the first word of the line is selected";
    EXPECT_EQ(ansicht.Status(Panel::Modul), "Klasse1");
    EXPECT_EQ(ansicht.Status(Panel::Routine), "Zwei");
    EXPECT_EQ(ansicht.markiert, "M2");
    ASSERT_EQ(s->VerlaufListe().VerlaufEnde(), 1);
    EXPECT_EQ(s->VerlaufListe().Eintraege()[0], (VerlaufEintrag{1, ansicht.anfang, "Klasse1", "Zwei"}));
    EXPECT_FALSE(ansicht.freigaben.An(Befehl::RoutineZurueck));

    // A module node shows its module at the top and leaves the history
    s->KnotenKlick(Knoten("Modul1"));
    EXPECT_EQ(ansicht.vorne, 0);
    EXPECT_EQ(ansicht.anfang, 0u);
    EXPECT_EQ(ansicht.Status(Panel::Modul), "Modul1");
    EXPECT_EQ(ansicht.Status(Panel::Routine), "");
    EXPECT_EQ(s->VerlaufListe().VerlaufEnde(), 1);
    s->KnotenKlick("R999"); // a key no tree has: nothing
    EXPECT_EQ(ansicht.vorne, 0);
}

TEST_F(Navigation, BackAndNextWalkTheVisitsAndANewVisitDropsWhatLayAhead) {
    s->KnotenKlick(Knoten("Eins"));
    s->KnotenKlick(Knoten("Zwei"));
    s->KnotenKlick(Knoten("Modul1")); // no history entry
    s->Ausfuehren(Befehl::RoutineZurueck);
    EXPECT_EQ(ansicht.vorne, 0) << "Back shows Eins in its own pane";
    EXPECT_EQ(ansicht.anfang, Offset(0, "Sub Eins"));
    EXPECT_EQ(ansicht.Status(Panel::Routine), "Eins");
    EXPECT_FALSE(ansicht.freigaben.An(Befehl::RoutineZurueck));
    EXPECT_TRUE(ansicht.freigaben.An(Befehl::RoutineVor));
    s->PanelKlick(4); // ">>"
    EXPECT_EQ(ansicht.vorne, 1);
    EXPECT_EQ(ansicht.Status(Panel::Modul), "Klasse1");
    EXPECT_FALSE(ansicht.freigaben.An(Befehl::RoutineVor));

    s->PanelKlick(3); // "<<", back to Eins, then a new visit
    s->KnotenKlick(Knoten("Zwei"));
    EXPECT_EQ(s->VerlaufListe().VerlaufEnde(), 2);
    EXPECT_FALSE(ansicht.freigaben.An(Befehl::RoutineVor));
    s->VerlaufVor(); // nothing ahead
    EXPECT_EQ(s->VerlaufListe().VerlaufIndex(), 2);
}

TEST_F(Navigation, TheCaretLineNamesItsRoutineInPanelTwo) {
    s->AuswahlGeaendert(Offset(0, "x = Zwei"), 0);
    EXPECT_EQ(ansicht.Status(Panel::Routine), "Eins");
    s->AuswahlGeaendert(0, 0); // "Option Explicit": declarations
    EXPECT_EQ(ansicht.Status(Panel::Routine), "");
}

TEST_F(Navigation, DefinitionJumpsToTheRoutineAndBackReturnsToTheStart) {
    s->KnotenKlick(Knoten("Eins"));
    const std::size_t start = Offset(0, "Zwei()") + 2; // inside the word
    s->AuswahlGeaendert(start, 0);
    s->Ausfuehren(Befehl::Definition);
    EXPECT_TRUE(meldungen.Gezeigt().empty()) << Texte(meldungen).front();
    EXPECT_EQ(s->AktModulIndex(), 1);
    EXPECT_EQ(ansicht.vorne, 1);
    EXPECT_EQ(ansicht.anfang, Offset(1, "Public Function Zwei"));
    EXPECT_EQ(ansicht.Status(Panel::Modul), "Klasse1");
    EXPECT_EQ(ansicht.Status(Panel::Routine), "Zwei");
    EXPECT_EQ(ansicht.markiert, "M2");
    ASSERT_EQ(s->VerlaufListe().VerlaufEnde(), 2);
    EXPECT_EQ(s->VerlaufListe().Eintraege()[0].Caret, start) << "the visit before keeps where the jump began";

    s->KnotenKlick(Knoten("Klasse1")); // records nothing
    s->VerlaufZurueck();
    EXPECT_EQ(ansicht.vorne, 0);
    EXPECT_EQ(ansicht.anfang, start) << "Back returns to where the jump began";
    EXPECT_EQ(ansicht.Status(Panel::Routine), "Eins");

    s->AuswahlGeaendert(0, 0); // no word before the caret
    s->Ausfuehren(Befehl::Definition);
    EXPECT_TRUE(meldungen.Gezeigt().empty());
    EXPECT_EQ(s->VerlaufListe().VerlaufIndex(), 1);

    s->AuswahlGeaendert(Offset(0, "Explicit") + 3, 0);
    s->Ausfuehren(Befehl::Definition); // names no routine
    EXPECT_EQ(Texte(meldungen), std::vector<std::string>{"Bezeichner unter Cursor nicht erkannt"});
    EXPECT_EQ(ansicht.vorne, 0);
    EXPECT_EQ(s->VerlaufListe().VerlaufEnde(), 2) << "the history is unchanged";
}

TEST_F(Navigation, ContextMenuNamesTheWordAtTheCaretAndTheRoutineOfPanelTwo) {
    s->KnotenKlick(Knoten("Modul1"));
    KontextMenue m = s->KontextMenueFuerCode();
    EXPECT_EQ(m.Menue, PopUp::Haupt);
    EXPECT_EQ(m.Definition, "&Definition ");
    EXPECT_FALSE(m.DefinitionAn);
    EXPECT_EQ(m.Aufruf, "Aufrufe") << "panel 2 is empty after a module node";
    EXPECT_FALSE(m.AufrufAn);

    s->AuswahlGeaendert(Offset(0, "Zwei()") + 1, 0); // the caret moved into Eins
    m = s->KontextMenueFuerCode();
    EXPECT_EQ(m.Definition, "&Definition : Zwei");
    EXPECT_TRUE(m.DefinitionAn);
    EXPECT_EQ(m.Aufruf, "Aufrufe: Eins");
    EXPECT_TRUE(m.AufrufAn);

    meldungen.Antworten(MeldungsAntwort::Nein);
    s->mnuAnsicht_App_Aktualisieren_Click();
    m = s->KontextMenueFuerCode();
    EXPECT_EQ(m.Menue, PopUp::Einlesen) << "no project shown";
    EXPECT_FALSE(m.CodeEinlesenAn);
    s->AppHakenSetzen("A1\\", true);
    EXPECT_TRUE(s->KontextMenueFuerCode().CodeEinlesenAn);
}

TEST_F(Navigation, CallersAreListedAndOpenLikeProjectNodes) {
    s->KnotenKlick(Knoten("Zwei"));
    s->PanelDoppelklick(2); // "Aktuelle &Routine Aufrufe"
    ASSERT_TRUE(s->RoutSucheSichtbar()) << (meldungen.Gezeigt().empty() ? "" : Texte(meldungen).front());
    EXPECT_EQ(ansicht.links, LinkerBereich::RoutSuche);
    EXPECT_EQ(ansicht.routSuche, "Modul1\r\n\tEins\r\nKlasse1\r\n\tZwei\r\n")
        << "the function's own result assignment names it too";
    EXPECT_EQ(ansicht.routSucheBezeichnung, "Zwei");
    EXPECT_TRUE(ansicht.freigaben.An(Befehl::RoutinensucheSchliessen));

    s->KnotenKlick(Knoten("Eins")); // the caller list's node: the same key
    EXPECT_EQ(ansicht.vorne, 0);
    EXPECT_EQ(ansicht.Status(Panel::Routine), "Eins");
    EXPECT_EQ(s->VerlaufListe().VerlaufEnde(), 2) << "recorded like a project node";

    s->Ausfuehren(*SuchleistenBefehl("CLOSE"));
    EXPECT_FALSE(s->RoutSucheSichtbar());
    EXPECT_EQ(ansicht.links, LinkerBereich::Projekt);
    EXPECT_EQ(ansicht.routSuche, "");
    EXPECT_FALSE(ansicht.freigaben.An(Befehl::RoutinensucheSchliessen));
    s->Ausfuehren(Befehl::RoutinensucheSchliessen); // disabled now: nothing
    EXPECT_EQ(ansicht.links, LinkerBereich::Projekt);
}

TEST_F(Navigation, AnotherProjectShownClosesTheCallerList) {
    s->KnotenKlick(Knoten("Zwei"));
    s->mnuBearbeiten_Rout_Click();
    ASSERT_TRUE(s->RoutSucheSichtbar());
    const std::string ordner = s->Z().ProjektOrdner + "Anderes/";
    std::filesystem::create_directories(ordner);
    ProjektAnlegen(ordner, {{"Andere", ModulStandard, "Sub Nur()\r\nEnd Sub"}});
    meldungen.Antworten(MeldungsAntwort::Nein); // not saving the read project
    dialoge.ordnerAntworten.push_back(ordner);
    s->mnuOeffnen_Click();
    EXPECT_FALSE(s->RoutSucheSichtbar());
    EXPECT_EQ(ansicht.routSuche, "");
    EXPECT_EQ(ansicht.links, LinkerBereich::Projekt);
    EXPECT_EQ(ansicht.Status(Panel::Modul), "Andere");
    EXPECT_FALSE(ansicht.freigaben.An(Befehl::RoutinensucheSchliessen));
}

TEST_F(Navigation, ZoomShowsTheRoutineAndRefusesTheWholeModuleCommands) {
    s->KnotenKlick(Knoten("Eins"));
    s->SymbolleisteGeklickt("ZOOM");
    ASSERT_TRUE(s->ZoomAn());
    EXPECT_EQ(ansicht.schalter, (std::array<bool, 3>{false, false, true}));
    ASSERT_TRUE(ansicht.zoom);
    EXPECT_TRUE(ansicht.zoom->starts_with("Sub Eins()\n")) << *ansicht.zoom;
    EXPECT_NE(ansicht.zoom->find("End Sub"), std::string::npos);
    EXPECT_EQ(ansicht.zoom->find("Option Explicit"), std::string::npos);

    // Navigation refreshes the zoom pane for the caret's routine
    s->AuswahlGeaendert(0, 0);
    s->PanelKlick(1);
    ASSERT_TRUE(ansicht.zoom);
    EXPECT_TRUE(ansicht.zoom->starts_with("Option Explicit")) << "the declarations before the first routine";

    const std::size_t caret = s->Caret();
    for (Befehl b : {Befehl::Suchen, Befehl::SuchenWeiter, Befehl::KopierenModul, Befehl::Definition}) {
        meldungen = {};
        s->Ausfuehren(b);
        ASSERT_EQ(Texte(meldungen), std::vector<std::string>{"Steht im Zoom Modus nicht zur Verfügung"})
            << static_cast<int>(b);
        EXPECT_EQ(meldungen.Gezeigt()[0].Symbol, MeldungsSymbol::Information);
    }
    EXPECT_EQ(s->Caret(), caret);
    EXPECT_TRUE(ablage.TextLesen().empty());

    // The zoom pane's own selection and copy
    s->KnotenKlick(Knoten("Eins"));
    s->ZoomAuswahlGeaendert(4, 4);
    s->Ausfuehren(Befehl::TextAuswahl);
    EXPECT_EQ(ablage.TextLesen(), "Eins");
    s->Ausfuehren(Befehl::KopierenAuswahl); // the zoom pane's selection, as RTF too
    EXPECT_EQ(ablage.TextLesen(), "Eins");
    EXPECT_NE(ablage.RtfLesen().find("\\b Eins"), std::string::npos) << ablage.RtfLesen();
    s->Ausfuehren(Befehl::ZoomKopieren);
    EXPECT_TRUE(ablage.TextLesen().starts_with("Sub Eins()\r\n")) << ablage.TextLesen();
    EXPECT_EQ(ablage.TextLesen().find("Explicit"), std::string::npos);

    s->Ausfuehren(Befehl::Zoom);
    EXPECT_FALSE(s->ZoomAn());
    EXPECT_FALSE(ansicht.zoom);
    EXPECT_EQ(s->Caret(), Offset(0, "Sub Eins")) << "the code pane keeps its caret";

    // Where no lines are found for the caret the pane still shows
    s->KnotenKlick(Knoten("Zwei")); // its module starts with the routine: no declarations
    s->AuswahlGeaendert(s->Code(1).Text.size(), 0);
    s->mnuAnsicht_Zoom_Click();
    EXPECT_TRUE(s->ZoomAn());
    EXPECT_TRUE(ansicht.zoom) << "shown with what it held before";
    s->mnuAnsicht_Zoom_Click();

    s->mnuAnsicht_Zoom_Click();
    meldungen.Antworten(MeldungsAntwort::Nein);
    s->mnuAnsicht_App_Aktualisieren_Click(); // the view reset ends zoom mode
    EXPECT_FALSE(s->ZoomAn());
    EXPECT_FALSE(ansicht.zoom);
    EXPECT_FALSE(ansicht.schalter[2]);
}

TEST_F(Navigation, TheSelectionIsCopiedAsThePaneShowsIt) {
    s->KnotenKlick(Knoten("Eins"));
    const std::size_t anfang = Offset(0, "Option");
    s->AuswahlGeaendert(anfang, Offset(0, "x =") - anfang);
    s->Ausfuehren(Befehl::KopierenAuswahl);
    EXPECT_EQ(ablage.TextLesen(), "Option Explicit\r\nSub Eins()\r\n    ");
    const std::string& rtf = ablage.RtfLesen();
    EXPECT_TRUE(rtf.starts_with("{\\rtf1")) << rtf;
    EXPECT_NE(
        rtf.find(
            "\\cf1 Option\\cf0  \\cf1 Explicit\\cf0 \r\n\\par \\b \\cf1 Sub\\cf0  Eins()\\b0 \r\n\\par "),
        std::string::npos)
        << rtf;
    // Nothing selected: the clipboard keeps what it held
    s->AuswahlGeaendert(anfang, 0);
    s->Ausfuehren(Befehl::KopierenAuswahl);
    EXPECT_EQ(ablage.TextLesen(), "Option Explicit\r\nSub Eins()\r\n    ");
}

TEST_F(Navigation, SearchFindsOnInTheModuleThenThroughTheProject) {
    s->SuchfeldGeaendert("  zwei ");
    s->Ausfuehren(Befehl::Suchen);
    EXPECT_EQ(ansicht.suchfeld, "zwei") << "the field is trimmed";
    EXPECT_EQ(ansicht.vorne, 0);
    EXPECT_EQ(ansicht.anfang, Offset(0, "Zwei()"));
    EXPECT_EQ(ansicht.laenge, 4u);
    EXPECT_EQ(ansicht.Status(Panel::Routine), "Eins");

    s->Ausfuehren(Befehl::SuchenWeiter); // no further hit in Modul1
    ASSERT_FALSE(meldungen.Gezeigt().empty());
    EXPECT_EQ(ansicht.vorne, 0);

    meldungen = {};
    s->SymbolleisteGeklickt("su_p");
    EXPECT_TRUE(s->Projektweit());
    EXPECT_EQ(ansicht.schalter, (std::array<bool, 3>{true, false, false}));
    s->AuswahlGeaendert(Offset(0, "Zwei()") + 1, 0);
    s->Ausfuehren(Befehl::SuchenWeiter);
    EXPECT_EQ(ansicht.vorne, 1) << "project search goes on in the next module";
    EXPECT_EQ(ansicht.anfang, Offset(1, "Zwei"));
    EXPECT_EQ(ansicht.Status(Panel::Modul), "Klasse1");
    EXPECT_EQ(ansicht.markiert, "M2");

    s->AuswahlGeaendert(Offset(1, "Long"), 4);
    s->Ausfuehren(Befehl::AuswahlNachSuche);
    EXPECT_EQ(ansicht.suchfeld, "Long");
}

TEST_F(Navigation, ExportsTakeTheCurrentModuleAndItsName) {
    s->Z().Opt.MeldungNachClip = false;
    s->KnotenKlick(Knoten("Klasse1"));
    s->Ausfuehren(Befehl::TextModul);
    EXPECT_TRUE(ablage.TextLesen().starts_with("Public Function Zwei() As Long\r\n    Zwei = 2\r\n"))
        << ablage.TextLesen();
    EXPECT_EQ(ablage.TextLesen().find("Sub Eins"), std::string::npos);

    s->Ausfuehren(Befehl::HtmlModul);
    EXPECT_NE(ablage.TextLesen().find("Zwei = 2"), std::string::npos);
    EXPECT_EQ(ablage.TextLesen().find("Eins"), std::string::npos);

    s->Ausfuehren(Befehl::RtfModul); // cancelled in the chooser
    ASSERT_EQ(dialoge.speichernFragen.size(), 1u);
    EXPECT_EQ(dialoge.speichernFragen[0].VorgeschlagenerName, "Klasse1");
    s->Ausfuehren(Befehl::RtfProjekt);
    ASSERT_EQ(dialoge.speichernFragen.size(), 2u);
    EXPECT_EQ(dialoge.speichernFragen[1].VorgeschlagenerName, "VBAProject");

    s->AuswahlGeaendert(Offset(1, "Zwei = 2"), 13);
    s->Ausfuehren(Befehl::TextAuswahl);
    EXPECT_EQ(ablage.TextLesen(), "Zwei = 2\r\nEnd ") << "a selection over a line break";
    s->Ausfuehren(Befehl::ZwischenablageLeeren);
    EXPECT_TRUE(ablage.TextLesen().empty());
    EXPECT_TRUE(meldungen.Gezeigt().empty());
}

} // namespace
} // namespace cb::test
