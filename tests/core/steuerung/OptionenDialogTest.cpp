// SPDX-License-Identifier: GPL-3.0-or-later
// The options dialog: what it shows from the options standing, what each
// input changes, and that only OK takes anything over.
#include "SteuerungHilfen.h"

#include "settings/Optionen.h"

namespace cb::test {
namespace {

namespace fs = std::filesystem;

class OptionenFenster : public SteuerungsTest {
protected:
    /// Opens the dialog from the menu; bedienen is what the user does in it.
    void Bedienen(std::function<void(OptionenDialog&)> bedienen) {
        ansicht.optionenBedienen = std::move(bedienen);
        s->Ausfuehren(Befehl::Optionen);
        ASSERT_TRUE(ansicht.Aufgerufen("Optionen"));
    }
    std::string Gespeichert(const std::string& schluessel) const {
        return einstellungen->Lesen(s->Z().EinstellungsName, "optionen", schluessel);
    }
};

TEST(OptionenFarben, SwatchesOfTheThreeFrames) {
    EXPECT_EQ(FeldFarbe(0), 0xFFFFFF);
    EXPECT_EQ(FeldFarbe(1), 0x800000);
    EXPECT_EQ(FeldFarbe(15), 0x000000);
    EXPECT_EQ(FeldFarbe(16), 0xFFFFFF);
    EXPECT_EQ(FeldFarbe(17), 0x000000);
    EXPECT_EQ(FeldFarbe(31), 0x800000);
    EXPECT_EQ(FeldFarbe(32), 0xFFFFFF);
    EXPECT_EQ(FeldFarbe(47), 0x800000);
    EXPECT_EQ(FeldRahmen(15), FarbRahmen::Kommentar);
    EXPECT_EQ(FeldRahmen(16), FarbRahmen::Schluessel);
    EXPECT_EQ(FeldRahmen(32), FarbRahmen::String);
}

TEST_F(OptionenFenster, ShowsTheOptionsStandingAndTakesNothingWithoutOk) {
    s->Starten();
    s->Z().Opt.TabstopMm = 25;
    s->Z().Opt.Einruecken = false;
    s->Z().Opt.RoutinenEinruecken = true;
    const Optionen vorher = s->Z().Opt;
    const std::string ordnerVorher = s->Z().ProjektOrdner;
    Bedienen([&](OptionenDialog& d) {
        EXPECT_EQ(d.Seite(), OptionenSeite::Anzeige);
        EXPECT_EQ(d.TabText(), "5") << "a width outside 3 to 20 shows as 5";
        EXPECT_EQ(d.TabListe().front(), "3");
        EXPECT_EQ(d.TabListe().back(), "20");
        EXPECT_EQ(d.OrdnerText(), ordnerVorher);
        EXPECT_EQ(d.Farbe(FarbRahmen::Schluessel), 0x800000);
        EXPECT_TRUE(d.Haken(Kasten::RouEinruecken));
        EXPECT_FALSE(d.Frei(Kasten::RouEinruecken)) << "disabled while Einrücken is off";
        EXPECT_TRUE(d.Schriften().empty()) << "fonts are asked for on the Formate page";
        d.FeldKlick(17);
        d.HakenSetzen(Kasten::Leer, true);
        d.OrdnerTextSetzen("/anderswo");
        // no OK: "Abbrechen" or the close box
    });
    EXPECT_EQ(s->Z().Opt, vorher);
    EXPECT_EQ(s->Z().ProjektOrdner, ordnerVorher);
    EXPECT_EQ(Gespeichert("fkey"), "");
    EXPECT_EQ(ansicht.aufrufe.back(), "Optionen") << "no pane rebuilt without OK";
}

TEST_F(OptionenFenster, OkTakesOverWritesAndSurvivesARestart) {
    s->Starten();
    s->Z().Opt.TabstopMm = 25;
    dialoge.schriften = {"DejaVu Sans", "DejaVu Sans Mono", "Liberation Mono"};
    Bedienen([&](OptionenDialog& d) {
        d.FeldKlick(17); // keyword black
        d.FeldKlick(32); // string white
        d.FeldKlick(2);  // comment green
        d.HakenSetzen(Kasten::Einrueck, true);
        EXPECT_TRUE(d.Frei(Kasten::RouEinruecken));
        d.HakenSetzen(Kasten::RouEinruecken, true);
        d.HakenSetzen(Kasten::Einrueck, false);
        d.HakenSetzen(Kasten::RouEinruecken, false); // disabled: the click does nothing
        EXPECT_TRUE(d.Haken(Kasten::RouEinruecken)) << "its value stays";
        d.HakenSetzen(Kasten::Routinen, false);
        d.HakenSetzen(Kasten::UserBild, true);
        d.HakenSetzen(Kasten::Modulnamen, false);
        EXPECT_TRUE(d.Haken(Kasten::Modulnamen)) << "the exports always name their modules";
        d.SeiteWaehlen(OptionenSeite::Formate);
        EXPECT_EQ(d.Schriften(), dialoge.schriften);
        EXPECT_EQ(d.SchriftText(), "") << "MS Sans Serif is not offered here";
        EXPECT_EQ(d.GroesseText(), "10");
        EXPECT_EQ(d.Groessen().front(), "8");
        EXPECT_EQ(d.Groessen().back(), "16");
        d.SchriftWaehlen("DejaVu Sans Mono");
        EXPECT_EQ(d.VorschauName(), "DejaVu Sans Mono");
        d.GroesseWaehlen("12");
        EXPECT_EQ(d.VorschauGroesse(), 12);
        d.TabWaehlen("7");
        d.Ok();
    });
    const Optionen& o = s->Z().Opt;
    EXPECT_EQ(o.FarbeSchluessel, 0);
    EXPECT_EQ(o.FarbeString, 0xFFFFFF);
    EXPECT_EQ(o.FarbeKommentar, 0x008000);
    EXPECT_TRUE(o.RoutinenEinruecken);
    EXPECT_FALSE(o.Einruecken);
    EXPECT_FALSE(o.RoutinenFett);
    EXPECT_TRUE(o.UserBildAnwenden);
    EXPECT_EQ(o.SchriftName, "DejaVu Sans Mono");
    EXPECT_EQ(o.SchriftGroesse, 12);
    EXPECT_EQ(o.TabstopMm, 7);
    EXPECT_EQ(Gespeichert("rer"), "-1");
    EXPECT_EQ(Gespeichert("font"), "DejaVu Sans Mono,12");
    EXPECT_EQ(Gespeichert("bis"), "") << "the layout is not the dialog's";
    EXPECT_EQ(einstellungen->Lesen(s->Z().EinstellungsName, "proj", "proj_pf"), s->Z().ProjektOrdner);

    // A new run reads them back
    const Optionen gespeichert = o;
    s->Beenden();
    Zustand z;
    cb::Starten(z, *einstellungen, CB_BIN_DIR, cache.string());
    AufzeichnendeAnsicht ansicht2;
    Steuerung neu(std::move(z), std::make_unique<SpeicherHost>(),
                  Dienste{*einstellungen, meldungen, dialoge, ablage, shell}, ansicht2);
    neu.Starten();
    EXPECT_EQ(neu.Z().Opt, gespeichert);
    neu.Beenden();
    s.reset();
}

TEST_F(OptionenFenster, TabWidthOutsideTheListIsWrittenBackAsShown) {
    s->Starten();
    s->Z().Opt.TabstopMm = 25;
    Bedienen([](OptionenDialog& d) { d.Ok(); });
    EXPECT_EQ(s->Z().Opt.TabstopMm, 5);
    EXPECT_EQ(Gespeichert("tab"), "5");
    EXPECT_EQ(s->Z().Opt.SchriftName, "MS Sans Serif") << "the font pages never shown, the font stays";
}

TEST_F(OptionenFenster, OkRebuildsThePanesOnlyForWhatTheyShow) {
    ZweiModuleEinlesen();
    s->KnotenKlick("M2");
    s->AuswahlGeaendert(5, 3);
    ansicht.aufrufe.clear();
    Bedienen([](OptionenDialog& d) {
        d.HakenSetzen(Kasten::StandardImmer, true); // for saving only
        d.Ok();
    });
    EXPECT_EQ(ansicht.aufrufe, std::vector<std::string>{"Optionen"});
    Bedienen([](OptionenDialog& d) {
        d.FeldKlick(20);
        d.Ok();
    });
    EXPECT_EQ(ansicht.aufrufe, (std::vector<std::string>{"Optionen", "Optionen", "Fenster 2", "Vorne 1"}));
    EXPECT_EQ(ansicht.anfang, 5u) << "the caret where it was";
    EXPECT_EQ(ansicht.laenge, 3u);
}

TEST_F(OptionenFenster, NoFontsOfferedAndTheFormatsPageShownAgain) {
    s->Starten();
    Bedienen([](OptionenDialog& d) {
        d.SeiteWaehlen(OptionenSeite::Formate);
        d.GroesseWaehlen("14");
        d.SeiteWaehlen(OptionenSeite::Code);
        d.SeiteWaehlen(OptionenSeite::Formate);
        EXPECT_EQ(d.Groessen().size(), 9u) << "the sizes once";
        EXPECT_EQ(d.GroesseText(), "14") << "the choice kept";
        EXPECT_TRUE(d.Schriften().empty());
        EXPECT_FALSE(d.Frei(Kasten::Modulnamen));
        d.Ok();
    });
    EXPECT_EQ(s->Z().Opt.SchriftGroesse, 14);
    EXPECT_EQ(s->Z().Opt.SchriftName, "MS Sans Serif");
}

TEST_F(OptionenFenster, StandardFolderChosenOrMadeNew) {
    s->Starten();
    const fs::path basis = cache / "basis";
    fs::create_directories(basis);
    Bedienen([&](OptionenDialog& d) {
        d.OrdnerAendern(); // cancelled
        EXPECT_EQ(d.OrdnerText(), s->Z().ProjektOrdner);
        dialoge.ordnerAntworten = {basis.string()};
        d.OrdnerAendern();
        EXPECT_EQ(d.OrdnerText(), basis.string());
        EXPECT_EQ(dialoge.ordnerFragen.back().Titel, "Bitte Standardordner für Projekte auswählen");

        // Cancel at the chooser, a blank name, a name of forbidden characters only
        dialoge.ordnerAntworten = {"", basis.string(), basis.string()};
        dialoge.eingabeAntworten = {"   ", "/:*?"};
        for (int i = 0; i < 3; ++i)
            d.OrdnerNeu();
        EXPECT_EQ(d.OrdnerText(), basis.string());
        EXPECT_EQ(dialoge.ordnerFragen.back().Titel,
                  "Bitte Verzeichnis auswählen,\r\nin welchem der neue Ordner erzeugt werden soll");
        EXPECT_EQ(dialoge.ordnerFragen.back().Start, basis.string());

        dialoge.ordnerAntworten = {basis.string(), basis.string()};
        dialoge.eingabeAntworten = {"  Neu: Projekte ", "Neu Projekte"};
        d.OrdnerNeu();
        EXPECT_EQ(d.OrdnerText(), (basis / "Neu Projekte").string());
        EXPECT_TRUE(fs::is_directory(basis / "Neu Projekte"));
        EXPECT_EQ(dialoge.eingabeFragen.back().Aufforderung, "Namen für neuen Ordner angeben");
        EXPECT_EQ(dialoge.eingabeFragen.back().Titel, "Neuer Ordner");
        d.OrdnerNeu(); // exists already: taken all the same
        EXPECT_EQ(d.OrdnerText(), (basis / "Neu Projekte").string());
    });
    EXPECT_TRUE(fs::is_directory(basis / "Neu Projekte")) << "a folder made stays after Abbrechen";
    EXPECT_NE(s->Z().ProjektOrdner, (basis / "Neu Projekte").string());
}

} // namespace
} // namespace cb::test
