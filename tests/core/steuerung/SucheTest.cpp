// SPDX-License-Identifier: GPL-3.0-or-later
#include "steuerung/Suche.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace {

using cb::SuchArt;

const std::string NichtImModul = "Der Suchtext\r\nwurde im Modul nicht gefunden .\r\n";
const std::string NichtAbPosition =
    "Der Suchtext\r\nwurde ausgehend von  der letzten Position \r\nim Modul nicht gefunden .\r\n";
const std::string NichtImProjekt = "Der Suchtext wurde im gesamten Projekt nicht gefunden";
const std::string NichtGefunden = "Der Suchtext wurde nicht gefunden";

struct Lauf {
    std::vector<std::string> texte;
    std::size_t sichtbar = 0;
    std::size_t caret = 0;
    bool projekt = false;
    bool ganz = false;
    bool zoom = false;

    cb::SuchErgebnis operator()(SuchArt art, std::string_view feld) const {
        cb::SuchEingabe e;
        e.Texte = texte;
        e.Sichtbar = sichtbar;
        e.Caret = caret;
        e.Projektweit = projekt;
        e.GanzesWort = ganz;
        e.Feld = feld;
        e.ZoomAn = zoom;
        return cb::Suchen(art, e);
    }
};

// A match in pane `bereich` at character `offset`.
::testing::AssertionResult TrefferBei(const cb::SuchErgebnis& r, std::size_t bereich, std::size_t offset) {
    if (!r.Treffer)
        return ::testing::AssertionFailure() << "no match";
    if (r.Treffer->Bereich != bereich || r.Treffer->Offset != offset)
        return ::testing::AssertionFailure()
               << "match in pane " << r.Treffer->Bereich << " at " << r.Treffer->Offset;
    return ::testing::AssertionSuccess();
}

void ErwarteWarnung(const cb::SuchErgebnis& r, const std::string& text) {
    EXPECT_FALSE(r.Treffer);
    ASSERT_TRUE(r.Meldung);
    EXPECT_EQ(r.Meldung->Text, text);
    EXPECT_EQ(r.Meldung->Symbol, cb::MeldungsSymbol::Warnung);
}

TEST(Suche, CaseIsNeverSignificant) {
    Lauf l{{"Sub A()\n    Dim x\nEnd Sub"}};
    auto r = l(SuchArt::VomAnfang, "dim");
    ASSERT_TRUE(r.Treffer);
    EXPECT_EQ(r.Treffer->Offset, 12u);
    EXPECT_EQ(r.Treffer->Laenge, 3u);
    EXPECT_EQ(r.Treffer->Zeile, 1u);
    EXPECT_EQ(l(SuchArt::VomAnfang, "END SUB").Treffer->Offset, 18u);
}

TEST(Suche, UmlautsMatchEitherCaseAndOffsetsCountCharacters) {
    Lauf l{{"' Grüße\nÄnderung = 1"}};
    auto r = l(SuchArt::VomAnfang, "änderung");
    ASSERT_TRUE(r.Treffer);
    EXPECT_EQ(r.Treffer->Offset, 8u); // bytes would give 10
    EXPECT_EQ(r.Treffer->Laenge, 8u);
    EXPECT_EQ(r.Treffer->Zeile, 1u);
    auto g = l(SuchArt::VomAnfang, "GRÜSSE");
    ErwarteWarnung(g, NichtImModul); // no folding of ß into ss
    auto s = l(SuchArt::VomAnfang, "GRÜßE");
    ASSERT_TRUE(s.Treffer);
    EXPECT_EQ(s.Treffer->Offset, 2u);
    EXPECT_EQ(s.Treffer->Laenge, 5u); // bytes would give 7
}

TEST(Suche, WholeWordSkipsMatchesInsideIdentifiers) {
    Lauf l{{"x Dimension _Dim äDim Dim2 Dim"}};
    EXPECT_EQ(l(SuchArt::VomAnfang, "Dim").Treffer->Offset, 2u);
    l.ganz = true;
    auto r = l(SuchArt::VomAnfang, "Dim");
    ASSERT_TRUE(r.Treffer);
    EXPECT_EQ(r.Treffer->Offset, 27u);
    // Punctuation is no identifier character
    Lauf p{{"x=(Dim)"}, 0, 0, false, true};
    EXPECT_EQ(p(SuchArt::VomAnfang, "dim").Treffer->Offset, 3u);
    Lauf n{{"x Dimension"}, 0, 0, false, true};
    ErwarteWarnung(n(SuchArt::VomAnfang, "Dim"), NichtImModul);
}

TEST(Suche, FieldIsTrimmedAndWrittenBack) {
    Lauf l{{"' Sub Test"}};
    auto r = l(SuchArt::VomAnfang, "   Sub  ");
    EXPECT_EQ(r.Feld, "Sub");
    ASSERT_TRUE(r.Treffer);
    EXPECT_EQ(r.Treffer->Offset, 2u);
    EXPECT_EQ(r.Treffer->Laenge, 3u);
    // Inner blanks belong to the text
    EXPECT_EQ(l(SuchArt::VomAnfang, " Sub Test ").Feld, "Sub Test");
}

TEST(Suche, EmptyTextSearchesNothingAndSaysNothing) {
    Lauf l{{"x  y"}, 0, 0, true};
    for (SuchArt art : {SuchArt::VomAnfang, SuchArt::AbPosition}) {
        auto r = l(art, "    ");
        EXPECT_EQ(r.Feld, "");
        EXPECT_FALSE(r.Treffer);
        EXPECT_FALSE(r.Meldung);
    }
}

TEST(Suche, ZoomModeRefusesWithoutTouchingTheField) {
    Lauf l{{"x Sub"}};
    l.zoom = true;
    for (SuchArt art : {SuchArt::VomAnfang, SuchArt::AbPosition}) {
        auto r = l(art, "  Sub ");
        EXPECT_FALSE(r.Treffer);
        ASSERT_TRUE(r.Meldung);
        EXPECT_EQ(r.Meldung->Text, "Steht im Zoom Modus nicht zur Verfügung");
        EXPECT_EQ(r.Meldung->Symbol, cb::MeldungsSymbol::Information);
        EXPECT_EQ(r.Feld, "  Sub ");
    }
}

TEST(Suche, FirstCharacterOfAModuleIsNotFoundFromTheStart) {
    Lauf l{{"Dim a"}};
    ErwarteWarnung(l(SuchArt::VomAnfang, "Dim"), NichtImModul);
    l.projekt = true;
    l.texte.push_back("Dim b");
    ErwarteWarnung(l(SuchArt::VomAnfang, "dim"), NichtImProjekt);
    // One character later it is found
    Lauf s{{" Dim a"}};
    EXPECT_EQ(s(SuchArt::VomAnfang, "Dim").Treffer->Offset, 1u);
}

TEST(Suche, ProjectSearchFromTheStartShowsTheLowestModule) {
    Lauf l{{"' nichts", "x Wert = 1", "y Wert = 2"}, 2, 0, true};
    ASSERT_TRUE(TrefferBei(l(SuchArt::VomAnfang, "wert"), 1, 2));
    // Without project search the visible module is searched
    l.projekt = false;
    EXPECT_EQ(l(SuchArt::VomAnfang, "wert").Treffer->Bereich, 2u);
    l.texte[2] = "nichts";
    ErwarteWarnung(l(SuchArt::VomAnfang, "wert"), NichtImModul);
}

TEST(Suche, FromPositionStepsThroughOverlappingMatches) {
    Lauf l{{"xaaaa"}};
    l.caret = 1;
    EXPECT_EQ(l(SuchArt::AbPosition, "aa").Treffer->Offset, 2u);
    l.caret = 2;
    EXPECT_EQ(l(SuchArt::AbPosition, "aa").Treffer->Offset, 3u);
    l.caret = 3;
    ErwarteWarnung(l(SuchArt::AbPosition, "aa"), NichtAbPosition);
}

TEST(Suche, FromPositionWithoutProjectSearchDoesNotWrap) {
    Lauf l{{"x Ziel y Ziel z", "Ziel"}, 0, 9};
    // The text occurs earlier in the module and in the next one
    ErwarteWarnung(l(SuchArt::AbPosition, "ziel"), NichtAbPosition);
    l.caret = 2;
    EXPECT_EQ(l(SuchArt::AbPosition, "ziel").Treffer->Offset, 9u);
}

TEST(Suche, FromPositionInProjectGoesOnThroughFollowingModules) {
    Lauf l{{"a Ziel", "b", "c", "dd Ziel"}, 1, 0, true};
    ASSERT_TRUE(TrefferBei(l(SuchArt::AbPosition, "ZIEL"), 3, 3));
    // At the last match of the last module it continues with the first module
    l.sichtbar = 3;
    l.caret = 3;
    ASSERT_TRUE(TrefferBei(l(SuchArt::AbPosition, "ZIEL"), 0, 2));
}

TEST(Suche, WrapAroundFindsTheOnlyMatchBeforeTheCaret) {
    Lauf l{{"nichts", "x Ziel und mehr", "nichts"}, 1, 8, true};
    ASSERT_TRUE(TrefferBei(l(SuchArt::AbPosition, "ziel"), 1, 2));
    l.texte[1] = "nichts";
    ErwarteWarnung(l(SuchArt::AbPosition, "ziel"), NichtGefunden);
}

TEST(Suche, CaretAfterTheEndOrMissingPanesFindNothing) {
    Lauf l{{"ab Ziel"}, 0, 500};
    ErwarteWarnung(l(SuchArt::AbPosition, "ziel"), NichtAbPosition);
    l.caret = std::numeric_limits<std::size_t>::max();
    ErwarteWarnung(l(SuchArt::AbPosition, "ziel"), NichtAbPosition);
    Lauf leer{{}, 0, 0};
    ErwarteWarnung(leer(SuchArt::VomAnfang, "x"), NichtImModul);
    leer.projekt = true;
    ErwarteWarnung(leer(SuchArt::VomAnfang, "x"), NichtImProjekt);
    ErwarteWarnung(leer(SuchArt::AbPosition, "x"), NichtGefunden);
    // A visible index beyond the panes still lets the project be searched
    Lauf weit{{"a Ziel"}, 4, 0, true};
    EXPECT_EQ(weit(SuchArt::AbPosition, "ziel").Treffer->Bereich, 0u);
}

TEST(Suche, TextFindenCountsCharacters) {
    EXPECT_EQ(cb::TextFinden("äöü x", "X", 0, false), 4u);
    EXPECT_EQ(cb::TextFinden("äöü x", "x", 5, false), std::nullopt);
    EXPECT_EQ(cb::TextFinden("abc", "", 0, false), std::nullopt);
    EXPECT_EQ(cb::TextFinden("Öl öl", "ÖL", 1, true), 3u);
}

TEST(AuswahlNachSuche, TakesTheTrimmedSelection) {
    EXPECT_EQ(cb::AuswahlNachSuche("  Auswerten "), "Auswerten");
    EXPECT_EQ(cb::AuswahlNachSuche("Dim x"), "Dim x");
    EXPECT_EQ(cb::AuswahlNachSuche("   "), "");
    EXPECT_EQ(cb::AuswahlNachSuche(""), std::nullopt);
}

} // namespace
