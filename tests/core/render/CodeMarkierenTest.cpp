// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReferenzKette.h"
#include "TestHilfen.h"

#include "render/CodeMarkieren.h"

using cb::test::M;

namespace {

std::string Markiert(const cb::Zustand& z, std::string text) {
    cb::CodeMarkieren(z.Opt, text);
    return text;
}

class Colouring : public ::testing::Test {
protected:
    cb::Zustand z = cb::test::FrischerZustand();
    std::string Mk(const std::string& t) { return Markiert(z, t); }
};

TEST_F(Colouring, KeywordsNeedABoundaryOnBothSides) {
    EXPECT_EQ(Mk("Dim x As Long"), M("~KDim~N x ~KAs~N ~KLong~N"));
    EXPECT_EQ(Mk("x = Mid(s, 1)"), M("x = ~KMid~N(s, 1)"));
    EXPECT_EQ(Mk("If(x) Then"), M("~KIf~N(x) ~KThen~N"));
    EXPECT_EQ(Mk("Debug.Print x"), "Debug.Print x");
    // Exit after a colon is not marked, so the line counts as a routine line
    EXPECT_EQ(Mk("a = 1:Exit Sub"), M("~Ba = 1:Exit ~KSub~N~b"));
    EXPECT_EQ(Mk("x\tAs\tLong"), M("x\t~KAs~N\t~KLong~N"));
    EXPECT_EQ(Mk("SubTotal = 1"), "SubTotal = 1");
}

TEST_F(Colouring, KeywordsMatchTheirListedCaseOnly) {
    EXPECT_EQ(Mk("dim x"), "dim x");
    EXPECT_EQ(Mk("y = CBool(x)"), "y = CBool(x)");
    EXPECT_EQ(Mk("y = Cbool(x)"), M("y = ~KCbool~N(x)"));
    EXPECT_EQ(Mk("ReDim a(3)"), "ReDim a(3)");
    EXPECT_EQ(Mk("x = a Mod b Xor c"), "x = a Mod b Xor c");
}

TEST_F(Colouring, RepeatedKeywordSharingOneBlankIsColouredOnce) {
    EXPECT_EQ(Mk("As As"), M("~KAs~N As"));
    EXPECT_EQ(Mk("As As As"), M("~KAs~N As ~KAs~N"));
    EXPECT_EQ(Mk("As  As"), M("~KAs~N  ~KAs~N"));
    EXPECT_EQ(Mk("Dim As"), M("~KDim~N ~KAs~N"));
}

TEST_F(Colouring, OptionPhrasesColourEachWord) {
    EXPECT_EQ(Mk("Option Base 1"), M("~KOption~N ~KBase~N ~K1~N"));
    EXPECT_EQ(Mk("Option Base 0"), "Option Base 0");
    EXPECT_EQ(Mk("Option Explicit"), M("~KOption~N ~KExplicit~N"));
    EXPECT_EQ(Mk("Option Private Module"), M("~KOption~N ~KPrivate~N ~KModule~N"));
    EXPECT_EQ(Mk("Option Compare Binary"), M("Option Compare ~KBinary~N"));
}

TEST_F(Colouring, CommentsAndStrings) {
    EXPECT_EQ(Mk("x = 1 ' Dim y"), M("x = 1 ~C' Dim y~N"));
    EXPECT_EQ(Mk("s = \"it's\" ' note"), M("s = ~S\"it's\"~N ~C' note~N"));
    EXPECT_EQ(Mk("s = \"a\"\"b\""), M("s = ~S\"a\"\"b\"~N"));
    EXPECT_EQ(Mk("s = \"\""), "s = \"\"");
    EXPECT_EQ(Mk("Rem Dim x"), M("Rem ~KDim~N x")); // only the apostrophe starts a comment
    EXPECT_EQ(Mk("x = \"As\" & y"), M("x = ~S\"As\"~N & y"));
    EXPECT_EQ(Mk("MsgBox \"a b\", , \"c\""), M("MsgBox ~S\"a b\"~N, , ~S\"c\"~N"));
}

TEST_F(Colouring, UnbalancedQuoteRunsToLineEnd) {
    EXPECT_EQ(Mk("Rem say \"hi"), M("Rem say ~S\"hi~N"));
    EXPECT_EQ(Mk("x = \"open\r\nDim y"), M("x = ~S\"open~N\r\n~KDim~N y"));
}

TEST_F(Colouring, StringFollowedByQuestionMarkLosesNothing) {
    EXPECT_EQ(Mk("Rem Is it \"ok\"?"), M("Rem ~KIs~N it ~S\"ok\"~N?"));
    EXPECT_EQ(cb::test::OhneMarken(Mk("x = \"a\"?\"b\"?")), "x = \"a\"?\"b\"?");
}

TEST_F(Colouring, ContinuationIsOneLine) {
    EXPECT_EQ(Mk("Dim a As _\r\n    Long"), M("~KDim~N a ~KAs~N _\r\n    ~KLong~N"));
    // The quote on the first physical line opens a string that the second
    // line's apostrophe cannot end: the statement is one line.
    EXPECT_EQ(Mk("x = \"a _\r\n' b\""), M("x = ~S\"a _\r\n' b\"~N"));
}

TEST_F(Colouring, TransientModeAddsNoLineBreaks) {
    EXPECT_EQ(Mk(""), "");
    EXPECT_EQ(Mk("\r\n"), "\r\n");
    EXPECT_EQ(Mk("x\r\n\r\ny"), "x\r\n\r\ny");
}

TEST_F(Colouring, EmptyLinesRemovedOnRequest) {
    z.Opt.LeerzeilenEntfernen = true;
    EXPECT_EQ(Mk("Sub A()\r\nEnd Sub\r\n\r\n\r\nSub B()\r\nEnd Sub"),
              M("~B~KSub~N A()~b\r\n~B~KEnd~N ~KSub~N~b\r\n~B~KSub~N B()~b\r\n~B~KEnd~N ~KSub~N~b"));
    EXPECT_EQ(Mk("  \r\n\r\nx"), "  \r\nx"); // a line of blanks is not empty
}

TEST_F(Colouring, RoutineLinesAreBold) {
    EXPECT_EQ(Mk("Sub A()\r\nExit Sub\r\nEnd Sub"),
              M("~B~KSub~N A()~b\r\n~KExit~N ~KSub~N\r\n~B~KEnd~N ~KSub~N~b"));
    EXPECT_EQ(Mk("Declare Function F Lib \"k\" ()\r\nx"),
              M("~B~KDeclare~N ~KFunction~N F ~KLib~N ~S\"k\"~N ()~b\r\nx"));
    // A Property line without Get, Let or Set opens nothing
    EXPECT_EQ(Mk("Property X()\r\ny"), M("~KProperty~N X()\r\ny"));
    EXPECT_EQ(Mk("Public Property Get X()\r\nEnd Property"),
              M("~B~KPublic~N ~KProperty~N ~KGet~N X()~b\r\n~B~KEnd~N ~KProperty~N~b"));
}

TEST_F(Colouring, EmptyLineBeforeRoutinesAndBodyTabs) {
    z.Opt.LeerzeileVorRoutinen = true;
    EXPECT_EQ(Mk("x\r\nSub A()\r\ny\r\nEnd Sub"), M("x\r\n\r\n~B~KSub~N A()~b\r\ny\r\n~B~KEnd~N ~KSub~N~b"));
    z.Opt.Einruecken = true;
    z.Opt.RoutinenEinruecken = true;
    EXPECT_EQ(Mk("Sub A()\r\ny\r\nEnd Sub"), M("\t\r\n~B~KSub~N A()~b\r\n\ty\r\n~B~KEnd~N ~KSub~N~b"));
}

TEST_F(Colouring, OpenRoutineAtTheEndLeavesNoStrayLineBreak) {
    z.Opt.Einruecken = true;
    z.Opt.RoutinenEinruecken = true;
    EXPECT_EQ(Mk("Sub A()\r\ny = 1"), M("~B~KSub~N A()~b\r\n\ty = 1"));
    EXPECT_EQ(Mk("Sub A()"), M("~B~KSub~N A()~b"));
}

TEST_F(Colouring, MarkerCharacterAndNulComeBackUnchanged) {
    const std::string texte[] = {"x = \"\xC5\xB8\" ' \xC5\xB8", "|\xC5\xB8|?", "\xC5\xB8|?Sub",
                                 std::string("a\0b As c", 8), "Sub \xC5\xB8()"};
    for (const std::string& t : texte)
        EXPECT_EQ(cb::test::OhneMarken(Mk(t)), t) << t;
    // Literal marker text in the source is protected: no keyword, no bold.
    const std::string falsch = "x |\xC5\xB8"
                               "f|Sub|n\xC5\xB8|";
    EXPECT_EQ(Mk(falsch), falsch);
}

TEST_F(Colouring, LongLinesAndManyLines) {
    std::string lang(100000, 'a');
    lang += " As \"";
    lang += std::string(70000, 'b');
    EXPECT_EQ(cb::test::OhneMarken(Mk(lang)), lang);
    std::string viele;
    for (int i = 0; i < 70000; ++i)
        viele += "Dim x" + std::to_string(i) + " As Long\r\n";
    std::string m = Mk(viele);
    EXPECT_EQ(cb::test::OhneMarken(m), viele);
}

TEST(ZeileMitStrings, CommentAfterStringWithApostrophe) {
    std::string leer(cb::MarkeLeer);
    EXPECT_EQ(cb::ZeileMitStringsMarkieren("s = \"it's\" ' a b"),
              "s = " + std::string(cb::MarkeString) + "\"it's\"" + std::string(cb::MarkeNormal) + " " +
                  std::string(cb::MarkeKommentar) + "'" + leer + "a" + leer + "b" +
                  std::string(cb::MarkeNormal));
    EXPECT_EQ(cb::ZeileMitStringsMarkieren("\"a b"),
              std::string(cb::MarkeString) + "\"a" + leer + "b" + std::string(cb::MarkeNormal));
}

} // namespace
