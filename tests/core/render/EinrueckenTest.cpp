// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/Einruecken.h"
#include "render/WortAnPosition.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Indents the lines (framed as the colouring frames them) and gives back the
// number of leading tabs of each.
std::vector<int> Tabs(const std::vector<std::string>& zeilen) {
    std::string t = "\r\n";
    for (const auto& z : zeilen)
        t += z + "\r\n";
    std::string r = cb::CodeEinruecken(t);
    std::vector<int> tabs;
    std::size_t pos = 2;
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        std::size_t e = r.find("\r\n", pos);
        std::string z = r.substr(pos, e - pos);
        tabs.push_back(static_cast<int>(
            z.find_first_not_of('\t') == std::string::npos ? z.size() : z.find_first_not_of('\t')));
        pos = e + 2;
    }
    return tabs;
}

using V = std::vector<int>;

TEST(Indenter, Blocks) {
    EXPECT_EQ(Tabs({"Sub A()", "For i = 1 To 3", "If a Then b = 1", "Next i", "End Sub"}),
              (V{0, 0, 1, 0, 0}));
    EXPECT_EQ(Tabs({"Select Case x", "Case 1", "y = 1", "Case Else", "y = 2", "End Select"}),
              (V{0, 1, 2, 1, 2, 0}));
    EXPECT_EQ(Tabs({"If a Then", "x = 1", "Else", "x = 2", "End If"}), (V{0, 1, 0, 1, 0}));
    EXPECT_EQ(Tabs({"If a Then", "ElseIf b Then", "End If"}), (V{0, 1, 0}));
    EXPECT_EQ(Tabs({"With x", ".a = 1", "End With ' done", "y"}), (V{0, 1, 0, 0}));
    EXPECT_EQ(Tabs({"Do While x", "Loop", "Do", "DoEvents", "Loop"}), (V{0, 0, 0, 1, 0}));
    EXPECT_EQ(Tabs({"Nexttime = 1", "y"}), (V{0, 0}));
    EXPECT_EQ(Tabs({"TypeName(x)", "y"}), (V{0, 1}));
    EXPECT_EQ(Tabs({"Private Type T", "a As Long", "End Type"}), (V{0, 1, 0}));
    EXPECT_EQ(Tabs({"While x", "y", "Wend"}), (V{0, 1, 0}));
}

TEST(Indenter, ContinuationsAndSingleLineIfs) {
    EXPECT_EQ(Tabs({"If a And _", "b Then", "x = 1", "End If"}), (V{0, 2, 1, 0}));
    EXPECT_EQ(Tabs({"x = 1 + _", "2", "y"}), (V{0, 1, 0}));
    EXPECT_EQ(Tabs({"If a Then ' comment", "x", "End If"}), (V{0, 1, 0}));
    EXPECT_EQ(Tabs({"If a Then x = 1 ' it's done", "y"}), (V{0, 0}));
    EXPECT_EQ(Tabs({"If a Then ' it's", "x", "End If"}), (V{0, 1, 0}));
    EXPECT_EQ(Tabs({"If s = \"'\" Then", "x", "End If"}), (V{0, 1, 0}));
    EXPECT_EQ(Tabs({"If a _", "Then x = 1", "y"}), (V{0, 1, 0}));
}

TEST(Indenter, BlankLinesTabsAndFraming) {
    EXPECT_EQ(cb::CodeEinruecken("\r\nWith x\r\n   \r\n\t\ty = \"a\tb\"\r\nEnd With\r\n"),
              "\r\nWith x\r\n\r\n\ty = \"ab\"\r\nEnd With\r\n");
    EXPECT_EQ(cb::CodeEinruecken("\r\n\r\n"), "\r\n\r\n");
    // Unbalanced blocks do not spread past their routine
    EXPECT_EQ(Tabs({"Sub A()", "If a Then", "End Sub", "x"}), (V{0, 0, 0, 0}));
}

TEST(Indenter, NoSixteenBitLimits) {
    cb::EinrueckStand stand;
    for (int i = 0; i < 40000; ++i)
        cb::EbeneBestimmen("If a Then", stand);
    EXPECT_EQ(stand.Ebene, 40000);
    for (int i = 0; i < 80000; ++i)
        cb::EbeneBestimmen("End If", stand);
    EXPECT_EQ(stand.Ebene, -40000);
    // A continued If far beyond line 32767
    std::vector<std::string> z(40000, "x = 1");
    z.insert(z.end(), {"If a And _", "b Then", "y = 2", "End If"});
    std::vector<int> t = Tabs(z);
    EXPECT_EQ((V{t.end() - 4, t.end()}), (V{0, 2, 1, 0}));
}

TEST(WordAtCaret, FindsTheIdentifier) {
    const std::string t = "Call MyRoutine(1)";
    EXPECT_EQ(cb::WortAnPosition(t, 7), "MyRoutine");
    EXPECT_EQ(cb::WortAnPosition(t, 14), "MyRoutine"); // right after it
    EXPECT_EQ(cb::WortAnPosition(t, 5), "");           // right before it
    EXPECT_EQ(cb::WortAnPosition(t, 0), "");
    EXPECT_EQ(cb::WortAnPosition("x = Gr\xC3\xB6\xC3\x9F"
                                 "e",
                                 6),
              "Gr\xC3\xB6\xC3\x9F"
              "e");
    EXPECT_EQ(cb::WortAnPosition("Call M\xC3\xB3"
                                 "dulo1.Run",
                                 7),
              "M\xC3\xB3"
              "dulo1");
    EXPECT_EQ(cb::WortAnPosition("a = \xD0\x9C\xD0\xBE\xD0\xB9_1", 6), "\xD0\x9C\xD0\xBE\xD0\xB9_1");
}

TEST(WordAtCaret, WordEndingTheText) {
    // Right after the last word is right after a word: nothing needs to
    // follow it
    EXPECT_EQ(cb::WortAnPosition("Call Ende", 9), "Ende");
    EXPECT_EQ(cb::WortAnPosition("Call Ende", 7), "Ende");
    EXPECT_EQ(cb::WortAnPosition("x", 1), "x");
    // The end is counted in characters, not bytes
    const std::string groesse = "Gr\xC3\xB6\xC3\x9F"
                                "e";
    EXPECT_EQ(cb::WortAnPosition("x = " + groesse, 9), groesse);
    EXPECT_EQ(cb::WortAnPosition("x = " + groesse, 11), "");
    EXPECT_EQ(cb::WortAnPosition("Call Ende(", 10), "");
    EXPECT_EQ(cb::WortAnPosition("Call Ende\r\n", 11), "");
    EXPECT_EQ(cb::WortAnPosition("x", 2), "");
    EXPECT_EQ(cb::WortAnPosition("", 0), "");
}

TEST(WordAtCaret, WordCharacters) {
    for (char32_t c : {U'0', U'9', U'A', U'z', U'_', U'\u00C4', U'\u00DF', U'\u00F3', U'\u0416', U'\u4E2D'})
        EXPECT_TRUE(cb::IstWortZeichen(c)) << static_cast<unsigned>(c);
    for (char32_t c : {U' ', U'.', U'(', U'\'', U'"', U'\u00A0', U'-'})
        EXPECT_FALSE(cb::IstWortZeichen(c)) << static_cast<unsigned>(c);
}

} // namespace
