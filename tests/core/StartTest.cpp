// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestHilfen.h"

#include "app/Allgemein.h"
#include "app/Edition.h"
#include "app/Marken.h"
#include "app/Text.h"
#include "settings/Optionen.h"

#include <filesystem>
#include <fstream>

namespace {

TEST(Startup, IdentityAndDefaults) {
    cb::Zustand z = cb::test::FrischerZustand();
    EXPECT_EQ(z.AppName, "Excel");
    EXPECT_EQ(z.EditionsCode, "EZV");
    EXPECT_EQ(z.EinstellungsName, "QX_Brindle\\Co_Brindle_Excel");
    EXPECT_EQ(z.ProgrammTitel, "Excel Code Brindle 1.0");
    EXPECT_EQ(z.Opt.WindowLayout, "max");
    EXPECT_EQ(z.Opt.SchriftName, "MS Sans Serif");
    EXPECT_EQ(z.Opt.SchriftGroesse, 10);
    EXPECT_EQ(z.Opt.FarbeKommentar, 0x8000);
    EXPECT_EQ(z.Opt.FarbeSchluessel, 0x800000);
    EXPECT_EQ(z.Opt.FarbeString, 0x80);
    EXPECT_TRUE(z.Opt.RoutinenFett);
    EXPECT_TRUE(z.Opt.MeldungNachClip);
    EXPECT_TRUE(z.Opt.ModulnamenBeiExport);
    EXPECT_FALSE(z.Opt.Einruecken || z.Opt.LeerzeilenEntfernen || z.Opt.StandardImmer ||
                 z.Opt.ModullisteAufgeklappt);
    EXPECT_EQ(z.Opt.TabstopMm, 5);
    EXPECT_TRUE(z.Arbeitsbereich.ends_with("/TempDateien/"));
    EXPECT_TRUE(std::filesystem::is_directory(z.Arbeitsbereich));
    EXPECT_EQ(cb::TitelFuer("Word", 2, 10), "Word Code Brindle 2.10");
}

TEST(Startup, EditionTable) {
    EXPECT_EQ(cb::EditionNach(4).AppName, "PowerPoint");
    EXPECT_EQ(cb::EditionNach(4).EditionsCode, "PPZV");
    EXPECT_EQ(cb::EditionNach(9).AppName, "VisualBasic");
    EXPECT_TRUE(cb::EditionNach(5).AppName.empty());
    EXPECT_TRUE(cb::EditionNach(5).EditionsCode.empty());
}

TEST(Startup, SavedProjectsFolderNeedsTwoCharacters) {
    auto ordner = std::filesystem::path(::testing::TempDir()) / "cb_projektordner";
    for (auto [wert, erwartet] :
         {std::pair<std::string, std::string>{"D", ""}, {"D:", "D:"}, {"/srv/p/", "/srv/p/"}}) {
        cb::Zustand z;
        cb::SpeicherImArbeitsspeicher s;
        s.Schreiben("QX_Brindle\\Co_Brindle_Excel", "proj", "proj_pf", wert);
        cb::Starten(z, s, ordner.string(), ordner.string());
        if (erwartet.empty())
            EXPECT_NE(z.ProjektOrdner, wert);
        else
            EXPECT_EQ(z.ProjektOrdner, erwartet);
    }
}

TEST(Startup, UnwritableWorkingAreaDoesNotStopStartUp) {
    cb::Zustand z;
    cb::SpeicherImArbeitsspeicher s;
    EXPECT_NO_THROW(cb::Starten(z, s, "/proc", "/proc/nicht/da"));
    EXPECT_EQ(z.ProgrammTitel, "Excel Code Brindle 1.0");
}

TEST(Markers, CompositionAndLengths) {
    EXPECT_EQ(cb::MarkenLaenge(cb::MarkeFortsetzung), 5u);
    EXPECT_EQ(cb::MarkeFortsetzung, "|\xC5\xB8u| ");
    EXPECT_EQ(cb::MarkeNormal, "|n\xC5\xB8|");
    EXPECT_EQ(cb::MarkeFettAus, "|y\xC5\xB8|");
    EXPECT_EQ(cb::MarkeTrenner, "|\xC5\xB8t|");
    EXPECT_EQ(cb::ZeichenAnzahl(cb::MarkeEscape), 3u);
    // No marker followed by text can contain the escape
    for (auto m : {cb::MarkeNormal, cb::MarkeFettAus, cb::MarkeKommentar, cb::MarkeString})
        EXPECT_EQ((std::string(m) + "?|x").find(cb::MarkeEscape), std::string::npos);
}

TEST(Utilities, LeftAndRightParts) {
    EXPECT_EQ(cb::RechterTeilInStr("a\\b\\c", "\\"), "c");
    EXPECT_EQ(cb::RechterTeilInStr("abc\\", "\\"), "");
    EXPECT_EQ(cb::RechterTeilInStr("abc", "\\"), "abc");
    EXPECT_EQ(cb::RechterTeilInStr("aXbxc", "x"), "c"); // text compare
    EXPECT_EQ(cb::LinkerTeilInStr("Arial,10", ","), "Arial");
    EXPECT_EQ(cb::LinkerTeilInStr(",x", ","), "");
    EXPECT_EQ(cb::LinkerTeilInStr("abc", ","), "abc");
    EXPECT_EQ(cb::LinkerTeilInStr("M\xC3\x84rz", "\xC3\xA4"), "M");
    EXPECT_EQ(cb::DateiName("/home/u/Mappe.xlsm"), "Mappe.xlsm");
}

TEST(Utilities, SettingsGoUnderTheSettingsName) {
    cb::Zustand z = cb::test::FrischerZustand();
    cb::SpeicherImArbeitsspeicher s;
    cb::EinstellungSchreiben(z.EinstellungsName, s, "recent", "b", "2");
    cb::EinstellungSchreiben(z.EinstellungsName, s, "recent", "a", "1");
    cb::EinstellungSchreiben(z.EinstellungsName, s, "recent", "b", "3");
    EXPECT_EQ(s.Lesen("QX_Brindle\\Co_Brindle_Excel", "recent", "b"), "3");
    EXPECT_EQ(cb::EinstellungLesen(z.EinstellungsName, s, "recent", "fehlt"), "");
    cb::EinstellungsPaare alle = cb::AlleEinstellungen(z.EinstellungsName, s, "recent");
    ASSERT_EQ(alle.size(), 2u);
    EXPECT_EQ(alle[0].first, "b");
    cb::AbschnittLoeschen(z.EinstellungsName, s, "recent");
    cb::AbschnittLoeschen(z.EinstellungsName, s, "recent"); // a missing section is no error
    EXPECT_TRUE(cb::AlleEinstellungen(z.EinstellungsName, s, "recent").empty());
}

TEST(Utilities, EmptyingAFolderKeepsSubfolders) {
    auto ordner = std::filesystem::path(::testing::TempDir()) / "cb_leeren";
    std::filesystem::remove_all(ordner);
    std::filesystem::create_directories(ordner / "unter");
    std::ofstream(ordner / "a.txt") << "x";
    std::ofstream(ordner / "unter" / "b.txt") << "y";
    cb::OrdnerLeeren(ordner.string()); // without the trailing separator
    EXPECT_FALSE(std::filesystem::exists(ordner / "a.txt"));
    EXPECT_TRUE(std::filesystem::exists(ordner / "unter" / "b.txt"));
    cb::OrdnerLeeren((ordner / "fehlt").string());
}

TEST(Options, ReadOverDefaults) {
    cb::Zustand z = cb::test::FrischerZustand();
    cb::SpeicherImArbeitsspeicher s;
    auto setze = [&](const char* k, const char* v) {
        cb::EinstellungSchreiben(z.EinstellungsName, s, "optionen", k, v);
    };
    setze("font", "Courier New,12");
    setze("tab", "25");
    setze("rouf", "0");
    setze("einr", "-1");
    setze("fkey", "abc");
    setze("fstr", "");
    cb::OptionenLaden(z.Opt, s, z.EinstellungsName);
    EXPECT_EQ(z.Opt.SchriftName, "Courier New");
    EXPECT_EQ(z.Opt.SchriftGroesse, 12);
    EXPECT_EQ(z.Opt.TabstopMm, 25);
    EXPECT_FALSE(z.Opt.RoutinenFett);
    EXPECT_TRUE(z.Opt.Einruecken);
    EXPECT_EQ(z.Opt.FarbeSchluessel, 0); // not a number
    EXPECT_EQ(z.Opt.FarbeString, 0x80);  // empty keeps the default
    cb::OptionSetzen(z.Opt, "font", "Arial");
    EXPECT_EQ(z.Opt.SchriftName, "Arial");
    EXPECT_EQ(z.Opt.SchriftGroesse, 0);
    cb::OptionenSpeichern(z.Opt, s, z.EinstellungsName);
    EXPECT_EQ(cb::EinstellungLesen(z.EinstellungsName, s, "optionen", "rouf"), "0");
    EXPECT_EQ(cb::EinstellungLesen(z.EinstellungsName, s, "optionen", "einr"), "-1");
    EXPECT_EQ(cb::EinstellungLesen(z.EinstellungsName, s, "optionen", "font"), "Arial,0");
}

TEST(TextConversion, BoundariesOfTheCore) {
    EXPECT_EQ(cb::ZeilenumbruecheNachCrLf("a\nb\rc\r\nd"), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(cb::TextAusBytes("\xEF\xBB\xBFx\xC3\xA4"), "x\xC3\xA4");
    EXPECT_EQ(cb::TextAusBytes("x\xE4\x9F"), "x\xC3\xA4\xC5\xB8"); // not UTF-8: Windows-1252
    EXPECT_EQ(cb::Cp1252NachUtf8("\x81\x80"), "\xC2\x81\xE2\x82\xAC");
    EXPECT_EQ(cb::CodepageNachUtf8("\xD6\xE0", 1251), "\xD0\xA6\xD0\xB0");
    EXPECT_EQ(cb::CodepageNachUtf8("\xD6\xD0", 936), "\xE4\xB8\xAD");
    EXPECT_THROW(cb::CodepageNachUtf8("x", 4242), std::runtime_error);
    // A byte that does not decode stands as Windows-1252 reads it, and the
    // rest of the text survives; also a long run of such bytes
    EXPECT_EQ(cb::CodepageNachUtf8("a\xFF"
                                   "b\xD6",
                                   936),
              "a\xC3\xBF"
              "b\xC3\x96");
    const std::string kaputt(20000, '\xFF');
    EXPECT_EQ(cb::CodepageNachUtf8(kaputt, 936).size(), 2 * kaputt.size());
    EXPECT_TRUE(cb::TextGleich("STRASSE\xC3\x84", "strasse\xC3\xA4"));
    EXPECT_FALSE(cb::IstGueltigesUtf8("\xC0\xAF"));
}

} // namespace
