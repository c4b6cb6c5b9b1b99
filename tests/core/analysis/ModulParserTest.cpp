// SPDX-License-Identifier: GPL-3.0-or-later
// Modules stored end to end: the rows, the line numbers and the module text
// file that a read leaves behind.
#include "../TestHilfen.h"
#include "../store/StoreHilfen.h"

#include "analysis/ModulParser.h"
#include "export/TextAusgabe.h"
#include "render/CodeMarkieren.h"
#include "store/DatenbankFehler.h"
#include "store/ModulText.h"

#include <sstream>

namespace cb::test {
namespace {

struct Rou {
    std::int64_t num, typ, open, dec;
    std::string name;
    std::int64_t start, ende, mod;
    bool operator==(const Rou&) const = default;
};

std::ostream& operator<<(std::ostream& o, const Rou& r) {
    return o << "{" << r.num << "," << r.typ << "," << r.open << "," << r.dec << ",'" << r.name << "',"
             << r.start << "," << r.ende << "," << r.mod << "}";
}

class ModulParserTest : public StoreProjekt {
protected:
    void SetUp() override {
        StoreProjekt::SetUp();
        z.Opt.LeerzeileVorRoutinen = false;
        z.Opt.Einruecken = false;
        z.Opt.RoutinenEinruecken = false;
        z.Opt.LeerzeilenEntfernen = false;
    }

    /// Stores code as the next module of the read and returns the stored text.
    std::string Speichern(const std::string& code, const std::string& name = "Modul1",
                          int typ = ModulStandard) {
        ModulSpeichern(Db(), projekt.ProjektPfad(), z.Opt, {++m_modulNummer, name, typ},
                       projekt.RoutinenNummer, code);
        return ModulTextLesen(projekt.ProjektPfad(), m_modulNummer);
    }

    std::vector<Rou> Routinen() {
        sql::Anweisung a(Db().Verbindung(), "SELECT rou_num, rou_typ, rou_open, anz_dec_zeilen, rou_name, "
                                            "rou_start, rou_ende, mod_num FROM td_rout ORDER BY rou_num");
        std::vector<Rou> r;
        while (a.Schritt())
            r.push_back({a.Ganzzahl(0), a.Ganzzahl(1), a.Ganzzahl(2), a.Ganzzahl(3), a.Text(4),
                         a.IstNull(5) ? -1 : a.Ganzzahl(5), a.IstNull(6) ? -1 : a.Ganzzahl(6),
                         a.Ganzzahl(7)});
        return r;
    }

    std::vector<std::string> Module() {
        sql::Anweisung a(Db().Verbindung(),
                         "SELECT mod_num, mod_name, mod_typ, mod_zeilen FROM td_mod ORDER BY mod_num");
        std::vector<std::string> r;
        while (a.Schritt())
            r.push_back(a.Text(0) + " " + a.Text(1) + " " + a.Text(2) + " " + a.Text(3));
        return r;
    }

    /// The module text file of a text as the code pane shows it: the
    /// framing's last line break stays, and writing the file ends a line.
    static std::string AlsDatei(const std::string& transient) { return transient + "\r\n\r\n"; }

    static std::vector<std::string> Zeilen(const std::string& t) {
        std::vector<std::string> z;
        std::size_t p = 0;
        for (std::size_t cr; (cr = t.find("\r\n", p)) != std::string::npos; p = cr + 2)
            z.push_back(t.substr(p, cr - p));
        z.push_back(t.substr(p));
        return z;
    }
};

TEST_F(ModulParserTest, RowsLinesAndNumberingAcrossPasses) {
    const std::string code = "Option Explicit\r\n"
                             "Private Declare Function GetTickCount Lib \"kernel32\" _\r\n"
                             "    () As Long\r\n"
                             "Public Function Doppelt(ByVal x As Long) As Long\r\n"
                             "    Doppelt = 2 * x\r\n"
                             "End Function\r\n"
                             "Sub Start()\r\n"
                             "    If x Then Exit Sub\r\n"
                             "    Call Doppelt(1) ' Sub in a comment\r\n"
                             "    s = \"Sub X()\"\r\n"
                             "End Sub\r\n"
                             "Friend Property Let Wert(ByVal v As Long)\r\n"
                             "End Property\r\n"
                             "Public Property Set Obj(ByVal o As Object)\r\n"
                             "End Property\r\n"
                             "Private Property Get Wert() As Long\r\n"
                             "End Property\r\n"
                             "Static Sub Zaehlen()\r\n"
                             "End Sub\r\n"
                             "Private Enum Farbe\r\n  Rot\r\nEnd Enum\r\n"
                             "Public Event Geaendert()\r\n";
    const std::string text = Speichern(code);
    // Subs first in text order, then Functions (the Declare among them), then Properties
    EXPECT_EQ(Routinen(), (std::vector<Rou>{{1, 1, 1, 1, "Start", 7, 11, 1},
                                            {2, 1, 1, 1, "Zaehlen", 18, 19, 1},
                                            {3, 12, 2, 2, "GetTickCount", 2, 3, 1},
                                            {4, 2, 1, 1, "Doppelt", 4, 6, 1},
                                            {5, 3, 3, 1, "Wert", 12, 13, 1},
                                            {6, 5, 1, 1, "Obj", 14, 15, 1},
                                            {7, 4, 2, 1, "Wert", 16, 17, 1}}));
    EXPECT_EQ(Module(), (std::vector<std::string>{"1 Modul1 2 24"}));
    EXPECT_EQ(projekt.RoutinenNummer, 7);
    // The stored text is the transient text: no anchors, the source unchanged
    std::string transient = code;
    CodeMarkieren(z.Opt, transient);
    EXPECT_EQ(text, AlsDatei(transient));
    EXPECT_EQ(OhneMarken(text), code + "\r\n\r\n");
    EXPECT_EQ(Zeilen(text)[6], M("~B~KSub~N Start()~b"));
    EXPECT_EQ(Zeilen(text)[10], M("~B~KEnd~N ~KSub~N~b"));

    // Numbers go on in the next module of the read
    Speichern("Sub Zweiter()\r\nEnd Sub", "Modul2");
    EXPECT_EQ(Routinen().back(), (Rou{8, 1, 1, 1, "Zweiter", 1, 2, 2}));
    EXPECT_EQ(Module().back(), "2 Modul2 2 2");
}

TEST_F(ModulParserTest, EmptyLineBeforeRoutinesAndBodyTabsCountInLineNumbers) {
    z.Opt.LeerzeileVorRoutinen = true;
    z.Opt.Einruecken = true;
    z.Opt.RoutinenEinruecken = true;
    const std::string code = "Dim a\r\nDim b\r\nDim c\r\nSub Eins()\r\na = 1\r\nEnd Sub\r\nFunction Zwei() "
                             "_\r\n  As Long\r\nEnd Function";
    const std::string text = Speichern(code);
    EXPECT_EQ(Routinen(), (std::vector<Rou>{{1, 1, 1, 1, "Eins", 5, 7, 1}, {2, 2, 1, 2, "Zwei", 9, 11, 1}}));
    std::string transient = code;
    CodeMarkieren(z.Opt, transient);
    EXPECT_EQ(text, AlsDatei(transient));
    EXPECT_EQ(Zeilen(text)[5], "\ta = 1");
    EXPECT_TRUE(text.ends_with(std::string(MarkeFettAus) + "\r\n\r\n")) << text;
    EXPECT_EQ(Module(), (std::vector<std::string>{"1 Modul1 2 11"}));
}

TEST_F(ModulParserTest, ExitAndColonForms) {
    // Exit with a blank in front never opens or closes
    Speichern("Sub A()\r\n  If x Then Exit Sub\r\nEnd Sub\r\n");
    EXPECT_EQ(Routinen(), (std::vector<Rou>{{1, 1, 1, 1, "A", 1, 3, 1}}));

    // After a colon without a blank Exit is no keyword: that line ends the
    // routine, and the real End Sub is then taken for a header without "("
    EXPECT_THROW(Speichern("Sub B()\r\na = 1:Exit Sub\r\nEnd Sub\r\n", "Modul2"), std::invalid_argument);
    EXPECT_EQ(Routinen().back(), (Rou{2, 1, 1, 1, "B", -1, -1, 2}));

    // A header and its End on one line are a routine of that line; the next
    // header opens a routine of its own (the failed module used up 2 and 3)
    Speichern("Sub C(): End Sub\r\nx = 1\r\nSub D()\r\n", "Modul3");
    auto r = Routinen();
    EXPECT_EQ(r[r.size() - 2], (Rou{4, 1, 1, 1, "C", 1, 1, 3}));
    EXPECT_EQ(r.back(), (Rou{5, 1, 1, 1, "D", 3, -1, 3}));
}

TEST_F(ModulParserTest, OneLineRoutinesStartAndEndOnTheirLine) {
    const std::string code =
        "Option Explicit\r\n"                                                             // 1
        "Sub A(): End Sub\r\n"                                                            // 2
        "Sub B(): End Sub\r\n"                                                            // 3
        "Sub C()\r\n"                                                                     // 4
        "    x = 1: End Sub\r\n"                                                          // 5
        "Private Function F() As Long: F = 1: End Function ' kurz\r\n"                    // 6
        "Public Property Get P() As Long: P = 1: End Property\r\n"                        // 7
        "Friend Property Let P(ByVal v As Long):End Property\r\n"                         // 8
        "Function G(Optional s As String = \"a: End Function\"): G = s: End Function\r\n" // 9
        "Private Sub m_Box_MouseMove(ByVal b As Integer): Zeigen Me: End Sub\r\n"         // 10
        "Sub E()\r\n"                                                                     // 11
        "    If y Then Exit Sub: End Sub\r\n"                                             // 12
        "Property Set O(v As Object): End Property\r\n"                                   // 13
        "Sub Z(): _\r\n    End Sub\r\n";                                                  // 14-15
    const std::string text = Speichern(code);
    EXPECT_EQ(Routinen(), (std::vector<Rou>{{1, 1, 1, 1, "A", 2, 2, 1},
                                            {2, 1, 1, 1, "B", 3, 3, 1},
                                            {3, 1, 1, 1, "C", 4, 5, 1},
                                            {4, 1, 2, 1, "m_Box_MouseMove", 10, 10, 1},
                                            {5, 1, 1, 1, "E", 11, 12, 1},
                                            {6, 1, 1, 2, "Z", 14, 15, 1},
                                            {7, 2, 2, 1, "F", 6, 6, 1},
                                            {8, 2, 1, 1, "G", 9, 9, 1},
                                            {9, 4, 1, 1, "P", 7, 7, 1},
                                            {10, 3, 3, 1, "P", 8, 8, 1},
                                            {11, 5, 1, 1, "O", 13, 13, 1}}));
    std::string transient = code;
    CodeMarkieren(z.Opt, transient);
    EXPECT_EQ(text, AlsDatei(transient));
    EXPECT_EQ(Zeilen(text)[1], M("~B~KSub~N A(): ~KEnd~N ~KSub~N~b"));
    EXPECT_EQ(Zeilen(text)[7], M("~B~KFriend~N ~KProperty~N ~KLet~N P(~KByVal~N v ~KAs~N ~KLong~N):End "
                                 "~KProperty~N~b"));
    // Their lines are theirs alone when the caret stands there or zooms
    for (std::int64_t zeile : {2, 3, 10}) {
        auto r = projekt.RoutineAnZeile(zeile, "M1");
        ASSERT_TRUE(r) << zeile;
        EXPECT_EQ(r->RouName, zeile == 2 ? "A" : zeile == 3 ? "B" : "m_Box_MouseMove");
        EXPECT_EQ(projekt.RoutineZoomen(zeile, 1), (ZoomBereich{zeile, zeile}));
    }
}

TEST_F(ModulParserTest, OneLineRoutinesGetTheEmptyLineButNoBodyTab) {
    z.Opt.LeerzeileVorRoutinen = true;
    z.Opt.Einruecken = true;
    z.Opt.RoutinenEinruecken = true;
    const std::string code = "Sub A(): End Sub\r\nx = 1\r\nSub B()\r\ny = 2\r\nEnd Sub";
    const std::string text = Speichern(code);
    EXPECT_EQ(Routinen(), (std::vector<Rou>{{1, 1, 1, 1, "A", 2, 2, 1}, {2, 1, 1, 1, "B", 5, 7, 1}}));
    std::string transient = code;
    CodeMarkieren(z.Opt, transient);
    EXPECT_EQ(text, AlsDatei(transient));
    const auto zeilen = Zeilen(text);
    EXPECT_EQ(zeilen[0], "") << "no tab before a one-line routine: nothing is open";
    EXPECT_EQ(zeilen[2], "x = 1");
    EXPECT_EQ(zeilen[3], "\t");
    EXPECT_EQ(zeilen[5], "\ty = 2");
}

TEST_F(ModulParserTest, UnderscoreWithoutBlankEndsTheLine) {
    // "x_" is a name and a comment ending in it ends there; only " _" continues
    Speichern("' siehe x_\r\nSub B()\r\nEnd Sub\r\nx = a_\r\nSub C()\r\nEnd Sub\r\n"
              "Sub D(a, _\r\n\tb)\r\nEnd Sub\r\n");
    EXPECT_EQ(Routinen(),
              (std::vector<Rou>{
                  {1, 1, 1, 1, "B", 2, 3, 1}, {2, 1, 1, 1, "C", 5, 6, 1}, {3, 1, 1, 2, "D", 7, 9, 1}}));
}

TEST_F(ModulParserTest, LineThatTwoPassesTakeLeavesNoAnchor) {
    const std::string code = "Sub A(x): End Function\r\nEnd Sub";
    const std::string text = Speichern(code);
    EXPECT_EQ(text.find(std::string(MarkeZeichen) + "*"), std::string::npos) << text;
    std::string transient = code;
    CodeMarkieren(z.Opt, transient);
    EXPECT_EQ(text, AlsDatei(transient));
    auto r = Routinen();
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0], (Rou{1, 1, 1, 1, "A", 1, 2, 1}));
    EXPECT_EQ(r[1], (Rou{2, 2, 1, 1, "A", 1, -1, 1}));
}

TEST_F(ModulParserTest, NamesAsTheMarkersLeaveThem) {
    // A keyword as name is marked like one; the name is the word all the same
    Speichern("Public Sub Close()\r\nEnd Sub\r\n"
              "Sub Größe_Ändern()\r\nEnd Sub\r\n"
              "Sub M\xC3\xB3"
              "dulo1()\r\nEnd Sub\r\n"
              "Sub Ab\xC5\xB8"
              "cd()\r\nEnd Sub\r\n"
              "Sub SubTotal()\r\nEnd Sub\r\n");
    auto r = Routinen();
    ASSERT_EQ(r.size(), 5u);
    EXPECT_EQ(r[0].name, "Close");
    EXPECT_EQ(r[1].name, "Größe_Ändern");
    EXPECT_EQ(r[2].name, "M\xC3\xB3"
                         "dulo1");
    EXPECT_EQ(r[3].name, "Ab\xC5\xB8"
                         "cd");
    EXPECT_EQ(r[4].name, "SubTotal");
    const std::string text = Speichern("Sub Print()\r\nEnd Sub\r\nPublic Function Open(x)\r\nEnd Function\r\n"
                                       "Property Get Input() As String\r\nEnd Property\r\n"
                                       "Private Declare Function Lock Lib \"k\" () As Long\r\n",
                                       "Schluessel");
    r = Routinen();
    ASSERT_EQ(r.size(), 9u);
    EXPECT_EQ(r[5].name, "Print");
    EXPECT_EQ(r[6].name, "Open");
    EXPECT_EQ(r[7].name, "Lock");
    EXPECT_EQ(r[8].name, "Input");
    EXPECT_EQ(Zeilen(text)[0], M("~B~KSub~N ~KPrint~N()~b")) << "the name keeps its colour";
    // A quote in a name is stored like any other character
    Speichern("Sub O'Brien()\r\nEnd Sub\r\n", "Modul'2");
    EXPECT_EQ(Module().back(), "3 Modul'2 2 3");
}

TEST_F(ModulParserTest, BrokenCodeAndModulesWithoutRoutines) {
    // Property without Get, Set or Let uses up its number and makes no row
    Speichern("Property Wert()\r\nEnd Property\r\nProperty Get X()\r\nEnd Property");
    auto r = Routinen();
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].num, 3);
    EXPECT_EQ(r[0].name, "X");

    Speichern("' nur ein Kommentar\r\nDim x As Long", "Leer");
    EXPECT_EQ(Module().back(), "2 Leer 2 2");
    EXPECT_EQ(Routinen().size(), 1u);

    // A Declare without Lib cannot be split
    EXPECT_THROW(Speichern("Declare Sub Nichts\r\n", "Kaputt"), std::invalid_argument);
    EXPECT_EQ(Module().size(), 2u) << "the module row of a failed module is not written";
}

TEST_F(ModulParserTest, EveryOptionMixGivesTheTransientText) {
    const std::string code = "Option Explicit\r\n\r\n"
                             "' Kopf _\r\n  weiter\r\n"
                             "Private Sub Eins(ByVal a As String, _\r\n    b As Long)\r\n"
                             "  If a = \"\"\"Sub\"\"\" Then Exit Sub\r\n\r\n"
                             "      x = 1\r\nEnd Sub\r\n"
                             "Property Get P() As Variant\r\n  P = Empty\r\nEnd Property\r\n"
                             "Function F()\r\n  F = \"\xC5\xB8x\xC5\xB8\"\r\nEnd Function\r\n"
                             // text that looks like the continuation and doubled-quote markers
                             "Sub G() ' |Ÿu| und |Ÿd|\r\n  s = \"|Ÿu| \"\"|Ÿd|\"\r\nEnd Sub\r\n";
    for (int maske = 0; maske < 16; ++maske) {
        SCOPED_TRACE(maske);
        z.Opt.LeerzeileVorRoutinen = maske & 1;
        z.Opt.Einruecken = maske & 2;
        z.Opt.RoutinenEinruecken = maske & 4;
        z.Opt.LeerzeilenEntfernen = maske & 8;
        const std::string text = Speichern(code);
        std::string transient = code;
        CodeMarkieren(z.Opt, transient);
        EXPECT_EQ(text, AlsDatei(transient));
        EXPECT_NE(AnzeigeText(text).find("s = \"|Ÿu| \"\"|Ÿd|\""), std::string::npos) << "look-alikes kept";
        auto r = Routinen();
        ASSERT_GE(r.size(), 4u);
        // rou_start and rou_ende point at the bold lines of the stored text
        auto zeilen = Zeilen(text);
        for (std::size_t i = r.size() - 4; i < r.size(); ++i) {
            ASSERT_GT(r[i].start, 0);
            ASSERT_LE(r[i].ende, static_cast<std::int64_t>(zeilen.size()));
            EXPECT_NE(zeilen[r[i].start - 1].find(MarkeFettAn), std::string::npos) << r[i];
            EXPECT_NE(zeilen[r[i].ende - 1].find(MarkeFettAus), std::string::npos) << r[i];
        }
        EXPECT_EQ(r[r.size() - 4].dec, 2);
    }
}

TEST_F(ModulParserTest, DatabaseFailureReachesTheReader) {
    Speichern("Sub A()\r\nEnd Sub");
    // The same routine number again breaks the key of td_rout
    projekt.RoutinenNummer = 0;
    EXPECT_THROW(Speichern("Sub B()\r\nEnd Sub", "Modul2"), DatenbankFehler);
}

} // namespace
} // namespace cb::test
