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
