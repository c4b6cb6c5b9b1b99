// SPDX-License-Identifier: GPL-3.0-or-later
// The one-pass colouring and RTF conversion against the literal replacement
// chain, on handwritten cases and on generated code of every shape.
#include "GenerierteFaelle.h"
#include "ReferenzKette.h"
#include "TestHilfen.h"

#include "render/CodeMarkieren.h"
#include "render/Rtf.h"
#include "render/Schluesselwoerter.h"

#include <random>

namespace {

std::string Schnell(const cb::Zustand& z, std::string t) {
    cb::CodeMarkieren(z.Opt, t);
    return t;
}

std::string SchnellRtf(const cb::Zustand& z, std::string t) {
    cb::MarkenNachRtf(z.Opt, t);
    return t;
}

// Generated code: fragments that stress every rule (quotes in runs,
// apostrophes, brackets, tabs, continuations, the marker character, marker
// look-alikes, keywords and phrases next to each other).
std::string Zufallscode(std::mt19937& rng, std::size_t stuecke) {
    static const std::vector<std::string> teile = [] {
        std::vector<std::string> t = {" ",
                                      " ",
                                      " ",
                                      "  ",
                                      "\t",
                                      "(",
                                      ")",
                                      ",",
                                      "\"",
                                      "\"\"",
                                      "\"\"\"",
                                      "'",
                                      "_",
                                      " _\r\n",
                                      "_\r\n",
                                      "\r\n",
                                      "\r\n",
                                      "\r\n\r\n",
                                      "\r",
                                      "\n",
                                      "x",
                                      "y1",
                                      "a.b",
                                      ":",
                                      "=",
                                      "\xC5\xB8",
                                      "|",
                                      "?",
                                      "|\xC5\xB8?|",
                                      "n",
                                      "\\",
                                      "{",
                                      "}",
                                      "Option",
                                      "Base",
                                      "1",
                                      "Compare",
                                      "Text",
                                      "Database",
                                      "Module",
                                      "Sub",
                                      "Function",
                                      "Property",
                                      "Exit",
                                      "End",
                                      "Declare",
                                      "Lib",
                                      "Get",
                                      "Set",
                                      "Let",
                                      "Private",
                                      "Friend",
                                      "\xC3\xA4",
                                      "\xD0\x96",
                                      "Rem",
                                      "If",
                                      "Then",
                                      "Else",
                                      "For",
                                      "Next",
                                      "Select Case",
                                      "Case",
                                      "With",
                                      "Do",
                                      "Loop",
                                      "Type",
                                      ": End Sub",
                                      ":End Function",
                                      ": End Property",
                                      "Sub A(): ",
                                      std::string(1, '\0')};
        for (std::string_view k : cb::Schluesselwoerter())
            t.emplace_back(k);
        std::string marken[] = {std::string(cb::MarkeNormal),
                                std::string(cb::MarkeKommentar),
                                std::string(cb::MarkeFettAn),
                                std::string(cb::MarkeFettAus),
                                std::string(cb::MarkeSchluessel),
                                std::string(cb::MarkeString),
                                "|n",
                                "|y"};
        for (auto& m : marken)
            t.push_back(m);
        return t;
    }();
    return cb::test::AusStuecken(rng, teile, stuecke);
}

const char* const Handfaelle[] = {
    "Option Explicit\r\n\r\nPrivate Declare Function GetTickCount Lib \"kernel32\" () As Long\r\n",
    "Public Sub Start(ByVal x As Long, Optional s As String = \"a, b\")\r\n    If x > 0 Then _\r\n"
    "        Exit Sub\r\n    Debug.Print \"it's \"\"quoted\"\"\" ' and a comment\r\nEnd Sub\r\n",
    "Property Get Wert() As Variant\r\nEnd Property\r\nFriend Property Let Wert(v)\r\nEnd Property",
    "Option Explicit Option Explicit\r\nAs As As As\r\nOption Base 1 Option Base 1",
    "x = \"\"\"a\"\"\"\r\ny = \"\"\"\"\r\nz = \"a\"\"",
    "Sub A(): End Sub\r\nSub B()\r\nEnd Sub",
    "Sub A(): End Sub\r\nSub B(): x = 1: End Sub ' c\r\nSub C()\r\n  y = 2: End _\r\n Sub\r\n",
    "Private Function F() As Long: F = 1:End Function\r\nPublic Property Get P(): P = 1: End Property\r\n"
    "Sub D()\r\n  If a Then Exit Sub: End Sub\r\nProperty Wert(): End Property",
    "Rem Is it \"ok\"?\r\n|\xC5\xB8|?|n\xC5\xB8|\xC5\xB8k|",
    "Sub A()\r\nx = 1 _\r\n",
    "",
    "\r\n\r\n\r\n",
};

TEST(ColouringChain, HandwrittenCasesUnderEveryOptionMix) {
    for (const cb::Zustand& z : cb::test::Optionsvarianten(5))
        for (const char* fall : Handfaelle) {
            std::string ref = cb::referenz::CodeMarkierenTransient(z, fall);
            ASSERT_EQ(Schnell(z, fall), ref) << fall;
            ASSERT_EQ(SchnellRtf(z, ref), cb::referenz::MarkenNachRtf(z, ref)) << fall;
        }
}

TEST(ColouringChain, GeneratedCodeGivesTheSameBytes) {
    std::mt19937 rng(20261208);
    std::vector<cb::Zustand> varianten = cb::test::Optionsvarianten(5);
    std::uniform_int_distribution<std::size_t> laenge(0, 120);
    for (int runde = 0; runde < 4000; ++runde) {
        const cb::Zustand& z = varianten[static_cast<std::size_t>(runde) % varianten.size()];
        std::string code = Zufallscode(rng, laenge(rng));
        std::string ref = cb::referenz::CodeMarkierenTransient(z, code);
        ASSERT_EQ(Schnell(z, code), ref) << "round " << runde << ": " << ::testing::PrintToString(code);
        ASSERT_EQ(SchnellRtf(z, ref), cb::referenz::MarkenNachRtf(z, ref))
            << "round " << runde << ": " << ::testing::PrintToString(ref);
        // Marker-like text straight into the RTF conversion, too
        std::string roh = Zufallscode(rng, laenge(rng));
        ASSERT_EQ(SchnellRtf(z, roh), cb::referenz::MarkenNachRtf(z, roh)) << ::testing::PrintToString(roh);
    }
}

TEST(ColouringChain, TextComesBackUnchangedApartFromMarkup) {
    std::mt19937 rng(7);
    cb::Zustand z = cb::test::FrischerZustand();
    for (int runde = 0; runde < 2000; ++runde) {
        std::string code = Zufallscode(rng, 60);
        if (code.find('|') != std::string::npos)
            continue; // literal marker text would be stripped along with the markup
        ASSERT_EQ(cb::test::OhneMarken(Schnell(z, code)), code) << ::testing::PrintToString(code);
    }
}

} // namespace
