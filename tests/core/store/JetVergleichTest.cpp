// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/JetVergleich.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using cb::JetVergleich;

TEST(StoreJetVergleich, GrossUndKleinschreibungZaehltNicht) {
    EXPECT_EQ(JetVergleich("Start", "start"), 0);
    EXPECT_EQ(JetVergleich("ÄNDERN", "ändern"), 0);
    EXPECT_EQ(JetVergleich("ÖlÜberÄrger", "ölüberärger"), 0);
    EXPECT_EQ(JetVergleich("", ""), 0);
}

TEST(StoreJetVergleich, AkzenteSindAndereBuchstaben) {
    EXPECT_NE(JetVergleich("Ärger", "Arger"), 0);
    EXPECT_NE(JetVergleich("Maße", "Masse"), 0);
    EXPECT_NE(JetVergleich("Start", "Start2"), 0);
    EXPECT_NE(JetVergleich("a", ""), 0);
}

TEST(StoreJetVergleich, UmlauteStehenBeiIhremGrundbuchstaben) {
    std::vector<std::string> namen = {"Zebra", "Birne", "Ärger", "apfel", "Öl",
                                      "Otto",  "Masse", "Maße",  "Mast"};
    std::sort(namen.begin(), namen.end(),
              [](const std::string& a, const std::string& b) { return JetVergleich(a, b) < 0; });
    std::vector<std::string> erwartet = {"apfel", "Ärger", "Birne", "Masse", "Maße",
                                         "Mast",  "Öl",    "Otto",  "Zebra"};
    EXPECT_EQ(namen, erwartet);
}

TEST(StoreJetVergleich, OrdnungIstAntisymmetrisch) {
    const char* namen[] = {"a", "A", "ä", "Ä", "b", "ss", "ß", "st", "", "_x", "x1"};
    for (const char* a : namen)
        for (const char* b : namen)
            EXPECT_EQ(JetVergleich(a, b), -JetVergleich(b, a)) << a << " / " << b;
}

TEST(StoreJetVergleich, AsciiNamenWieIhreKleinbuchstabenAuchVorUmlauten) {
    // The order of plain names is that of their lower-case letters, "_" and
    // digits included; a name that goes on past ASCII compares in full.
    const std::vector<std::string> namen = {"Zebra", "zebra_1", "_intern", "A1",  "a10",  "a2",
                                            "Wert0", "WERT",    "wert0x",  "Ab",  "aB",   "ab",
                                            "abc",   "Ärger",   "Abä",     "Abz", "Maße", "Mast"};
    const auto klein = [](std::string s) {
        for (char& c : s)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c + 32);
        return s;
    };
    for (const std::string& a : namen)
        for (const std::string& b : namen) {
            const bool ascii = std::all_of(a.begin(), a.end(), [](char c) { return c > 0; }) &&
                               std::all_of(b.begin(), b.end(), [](char c) { return c > 0; });
            if (!ascii)
                continue;
            const int r = klein(a).compare(klein(b));
            EXPECT_EQ(JetVergleich(a, b), r < 0 ? -1 : r > 0 ? 1 : 0) << a << " / " << b;
        }
    EXPECT_LT(JetVergleich("Abä", "Abz"), 0);
    EXPECT_GT(JetVergleich("Abz", "Abä"), 0);
    EXPECT_LT(JetVergleich("Ab", "Abä"), 0);
    EXPECT_LT(JetVergleich("Maße", "Mast"), 0);
    EXPECT_EQ(JetVergleich("ABÄ", "abä"), 0);
}
