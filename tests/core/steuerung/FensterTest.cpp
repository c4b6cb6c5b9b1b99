// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's place, the mini window that stands in for it, the help
// pages and the about box, as the controller runs them.
#include "SteuerungHilfen.h"

#include "app/Dateien.h"

namespace cb::test {
namespace {

namespace fs = std::filesystem;

TEST(Layout, StoredValuesAndWhatTheyMean) {
    struct Fall {
        const char* wert;
        std::optional<FensterLage> lage;
    };
    const Fall faelle[] = {
        {"max", FensterLage{}},
        {"MAX", FensterLage{}},
        {"1200;900;12000;8000", FensterLage{false, 1200, 900, 12000, 8000}},
        {" -60 ; 0 ;9000; 7000", FensterLage{false, -60, 0, 9000, 7000}},
        {"1;2;3;4;5", FensterLage{false, 1, 2, 3, 4}},
        {"1;2;3;4;x", FensterLage{false, 1, 2, 3, 4}},
        {"1;2;3;4;", FensterLage{false, 1, 2, 3, 4}},
        {"1200;+900;12000.5;7999.5", FensterLage{false, 1200, 900, 12000, 8000}},
        {"1200;900;12000", std::nullopt},
        {"1200;900;x;8000", std::nullopt},
        {"1200;900;12000;", std::nullopt},
        {"1200;900;inf;8000", std::nullopt},
        {"1200;;12000;8000", std::nullopt},
        {"1200;900;0;8000", std::nullopt},
        {"1200;900;12000;-1", std::nullopt},
        {"1200;900;99999999999;8000", std::nullopt},
        {"", std::nullopt},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(LayoutLesen(f.wert), f.lage) << f.wert;
        if (f.lage && !f.lage->Maximiert) {
            EXPECT_EQ(LayoutLesen(LayoutText(*f.lage)), f.lage);
        }
    }
    EXPECT_EQ(LayoutText(FensterLage{}), "max");
    EXPECT_EQ(LayoutText({false, 1200, 900, 12000, 8000}), "1200;900;12000;8000");
}

TEST(MiniStart, SlashAInAnyCase) {
    EXPECT_TRUE(MiniStartVerlangt(std::vector<std::string>{"/a"}));
    EXPECT_TRUE(MiniStartVerlangt(std::vector<std::string>{"/m/Umsatz.xlsm", "/A"}));
    EXPECT_FALSE(MiniStartVerlangt(std::vector<std::string>{"/m/a", "a", "-a"}));
    EXPECT_FALSE(MiniStartVerlangt({}));
}

using Bildschirm = SteuerungsTest;

TEST_F(Bildschirm, TheStartNamesTheHostInTheRefreshItem) {
    s->Starten();
    EXPECT_EQ(ansicht.beschriftungen[Befehl::AppAktualisieren], "&Aktualisieren Excel VBA Projekte");
    EXPECT_EQ(ansicht.tooltips[Knopf::Aktualisieren], "Aktualisieren Excel VBA Projekte (F5)");
    s->Beenden();
    s->Z().AppName = "Word"; // another edition's host
    s->Starten();
    EXPECT_EQ(ansicht.beschriftungen[Befehl::AppAktualisieren], "&Aktualisieren Word VBA Projekte");
}

std::string Gespeichert(const IniEinstellungsSpeicher& e, const Zustand& z) {
    return e.Lesen(z.EinstellungsName, "optionen", "bis");
}

TEST_F(Bildschirm, StoringAsksAndWritesThePlaceOrMax) {
    s->Starten();
    s->FensterLageGeaendert({false, 1200, 900, 12000, 8000});
    meldungen.Antworten(MeldungsAntwort::Nein);
    s->Ausfuehren(Befehl::BildschirmFestlegen);
    ASSERT_EQ(Texte(meldungen), std::vector<std::string>{"Aktuelle Anzeigegrösse als Standard festlegen ?"});
    EXPECT_EQ(meldungen.Gezeigt()[0].Knoepfe, MeldungsKnoepfe::JaNein);
    EXPECT_EQ(meldungen.Gezeigt()[0].Symbol, MeldungsSymbol::Frage);
    EXPECT_EQ(Gespeichert(*einstellungen, s->Z()), "") << "No changes nothing";
    EXPECT_EQ(s->Z().Opt.WindowLayout, "max");

    meldungen.Antworten(MeldungsAntwort::Ja);
    s->Ausfuehren(Befehl::BildschirmFestlegen);
    EXPECT_EQ(Gespeichert(*einstellungen, s->Z()), "1200;900;12000;8000");
    EXPECT_EQ(s->Z().Opt.WindowLayout, "1200;900;12000;8000");

    s->FensterLageGeaendert({true, 0, 0, 30000, 20000});
    meldungen.Antworten(MeldungsAntwort::Ja);
    s->Ausfuehren(Befehl::BildschirmFestlegen);
    EXPECT_EQ(Gespeichert(*einstellungen, s->Z()), "max");
    s->FensterLageGeaendert({false, 5, 5, 500, 500});
    s->Ausfuehren(Befehl::BildschirmAufrufen);
    EXPECT_EQ(ansicht.lage, FensterLage{}) << "stored while maximised, called from any state";
}

TEST_F(Bildschirm, ADamagedValueWarnsMaximisesAndStays) {
    s->Starten();
    s->Z().Opt.WindowLayout = "1200;900;12000";
    einstellungen->Schreiben(s->Z().EinstellungsName, "optionen", "bis", "1200;900;12000");
    for (int mal = 1; mal <= 2; ++mal) {
        s->Ausfuehren(Befehl::BildschirmAufrufen);
        ASSERT_EQ(meldungen.Gezeigt().size(), static_cast<std::size_t>(mal));
        EXPECT_EQ(meldungen.Gezeigt().back().Text, "Falsche Bildschirmdaten");
        EXPECT_EQ(meldungen.Gezeigt().back().Symbol, MeldungsSymbol::Warnung);
        EXPECT_EQ(ansicht.lage, FensterLage{});
    }
    EXPECT_EQ(Gespeichert(*einstellungen, s->Z()), "1200;900;12000");
}

TEST_F(Bildschirm, TheStartAppliesTheLayoutBeforeShowingWhenAsked) {
    s->Starten();
    s->Z().Opt.WindowLayout = "1200;900;12000;8000";
    s->Anzeigen(false);
    EXPECT_FALSE(ansicht.Aufgerufen("Lage 1200;900;12000;8000")) << "only with usb";
    EXPECT_EQ(ansicht.sichtbar, Fenster::Haupt);

    ansicht.aufrufe.clear();
    s->Z().Opt.UserBildAnwenden = true;
    s->Anzeigen(false);
    EXPECT_EQ(ansicht.aufrufe, (std::vector<std::string>{"Lage 1200;900;12000;8000", "Haupt"}));
}

using MiniFenster = SteuerungsTest;

TEST_F(MiniFenster, StartedWithSlashAClosingEndsWithoutTheMainWindow) {
    s->Starten();
    s->Z().Opt.UserBildAnwenden = true; // no layout: the main window does not show
    s->Anzeigen(true);
    EXPECT_FALSE(ansicht.Aufgerufen("Lage max"));
    EXPECT_EQ(ansicht.sichtbar, Fenster::Mini);
    s->MiniForm_Unload();
    EXPECT_TRUE(ansicht.geschlossen);
    EXPECT_FALSE(ansicht.Aufgerufen("Haupt"));
}

TEST_F(MiniFenster, SpecialViewAndBackKeepTheProject) {
    ZweiModuleEinlesen();
    s->KnotenKlick("M2");
    const auto vorher = ansicht.aufrufe.size();
    s->Ausfuehren(Befehl::Spezialansicht);
    EXPECT_EQ(s->SichtbaresFenster(), Fenster::Mini);
    s->cmdClose_Click();
    EXPECT_EQ(s->SichtbaresFenster(), Fenster::Haupt);
    EXPECT_FALSE(ansicht.geschlossen);
    EXPECT_EQ(std::vector<std::string>(ansicht.aufrufe.begin() + static_cast<std::ptrdiff_t>(vorher),
                                       ansicht.aufrufe.end()),
              (std::vector<std::string>{"Mini", "Haupt"}))
        << "nothing of the panes is rebuilt";
    EXPECT_EQ(s->AktModulIndex(), 1);
    EXPECT_EQ(s->Modus(), ProjektModus::Eingelesen);
    // A second special view starts afresh: its close box ends the program
    s->Ausfuehren(Befehl::Spezialansicht);
    s->MiniForm_Unload();
    EXPECT_TRUE(ansicht.geschlossen);
}

TEST_F(MiniFenster, HtmlButtonWithAnEmptyAndAFilledClipboard) {
    s->Starten();
    s->Anzeigen(true);
    ansicht.status[4] = "alt";
    s->cmdHtml_Click();
    EXPECT_EQ(Texte(meldungen), std::vector<std::string>{"Kein Text in der Zwischenablage"});
    EXPECT_EQ(meldungen.Gezeigt()[0].Symbol, MeldungsSymbol::Information);
    EXPECT_EQ(ablage.MalGeleert(), 0) << "the clipboard is left as it was";
    EXPECT_EQ(ansicht.Status(Panel::Aktivitaet), "");

    ablage.TextSetzen("Sub Rechnen()\n    ' Summe\nEnd Sub");
    meldungen.Antworten(MeldungsAntwort::Ja); // the footer, please
    ansicht.status[4] = "alt";
    s->cmdHtml_Click();
    EXPECT_EQ(ansicht.Status(Panel::Aktivitaet), "");
    const std::string html = ablage.HtmlLesen();
    EXPECT_NE(html.find("Rechnen"), std::string::npos) << html;
    EXPECT_NE(html.find("' Summe"), std::string::npos);
    EXPECT_NE(html.find("Code eingef&uuml;gt mit"), std::string::npos) << "with the footer";
    EXPECT_EQ(meldungen.Gezeigt().size(), 2u);
}

using HilfeUndInfo = SteuerungsTest;

TEST_F(HilfeUndInfo, MissingPagesNameTheDataFolder) {
    s->Z().ProgrammOrdner = (cache / "daten").string() + "/";
    s->Ausfuehren(Befehl::Hilfe);
    ASSERT_EQ(meldungen.Gezeigt().size(), 1u);
    const std::string& text = meldungen.Gezeigt()[0].Text;
    EXPECT_EQ(text.rfind("Die Hilfsdatei:\r\nhilfe/index.html\r\nkonnte nicht gefunden werden. \r\n", 0), 0u)
        << text;
    EXPECT_NE(text.find("\r\n" + (cache / "daten").string() + "/"), std::string::npos) << text;
    EXPECT_EQ(meldungen.Gezeigt()[0].Knoepfe, MeldungsKnoepfe::Ok);
    EXPECT_EQ(ansicht.hilfe, "");

    fs::create_directories(cache / "daten" / "hilfe");
    DateiSchreiben((cache / "daten" / "hilfe" / "index.html").string(), "<html></html>");
    s->Ausfuehren(Befehl::Hilfe);
    EXPECT_EQ(ansicht.hilfe, (cache / "daten" / "hilfe" / "index.html").string());
    EXPECT_EQ(meldungen.Gezeigt().size(), 1u);
}

TEST_F(HilfeUndInfo, AboutBoxTextsAndButtons) {
    s->Ausfuehren(Befehl::Info);
    ASSERT_TRUE(ansicht.info);
    EXPECT_EQ(ansicht.info->Titel, "Info zu Excel Code Brindle 1.0");
    EXPECT_EQ(ansicht.info->Version, "Version 1.0.0");
    EXPECT_EQ(ansicht.info->Ueberschrift.rfind("Excel Code Brindle 1.0\r\n", 0), 0u);

    s->cmdHP_Click();
    EXPECT_EQ(shell.geoeffnet, std::vector<std::string>{ansicht.info->HomePage});
    EXPECT_TRUE(meldungen.Gezeigt().empty());
    shell.gelingt = false;
    s->cmdHP_Click();
    ASSERT_EQ(Texte(meldungen), std::vector<std::string>{"Keinen Standard-Browser gefunden"});
    EXPECT_EQ(meldungen.Gezeigt()[0].Symbol, MeldungsSymbol::Kritisch);

    // No program: the desktops' system-information programs looked for, then the message
    s->StartSysInfo();
    for (const char* name : {"hardinfo2", "hardinfo", "kinfocenter"})
        EXPECT_NE(std::find(shell.gesucht.begin(), shell.gesucht.end(), name), shell.gesucht.end()) << name;
    EXPECT_TRUE(shell.gestartet.empty());
    EXPECT_EQ(meldungen.Gezeigt().back().Text, "Systeminformationen sind momentan nicht verfügbar");
    EXPECT_EQ(meldungen.Gezeigt().back().Knoepfe, MeldungsKnoepfe::Ok);
    // The first one found is started, the ones after it are not looked for
    shell.gesucht.clear();
    shell.programme = {{"hardinfo", "/usr/bin/hardinfo"}, {"kinfocenter", "/usr/bin/kinfocenter"}};
    s->StartSysInfo();
    EXPECT_EQ(shell.gestartet, std::vector<std::string>{"/usr/bin/hardinfo"});
    EXPECT_EQ(shell.gesucht, (std::vector<std::string>{"hardinfo2", "hardinfo"}));
    EXPECT_EQ(meldungen.Gezeigt().size(), 2u);
    // One that does not start is as none
    shell.startGelingt = false;
    s->StartSysInfo();
    EXPECT_EQ(meldungen.Gezeigt().size(), 3u);
}

} // namespace
} // namespace cb::test
