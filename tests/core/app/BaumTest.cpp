// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Baum.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

std::vector<std::string> Schluessel(const cb::Baum& b) {
    std::vector<std::string> s;
    for (const auto& k : b.Knoten())
        s.push_back(k.Schluessel);
    return s;
}

TEST(Baum, KeepsIndexOrderAndRemovesWholeSubtrees) {
    cb::Baum b;
    b.Hinzufuegen("A1\\", "Projekt", "Fahne");
    b.Hinzufuegen("A2\\", "Zweites", "Fahne");
    b.Hinzufuegen("A1\\Modul1", "Modul1", "M2", "A1\\");
    b.Hinzufuegen("A2\\Klasse", "Klasse", "M3", "A2\\");
    b.Hinzufuegen("X", "Enkel", "", "A1\\Modul1");
    EXPECT_EQ(b.KinderAnzahl("A1\\"), 1u);
    EXPECT_TRUE(b.HatKinder("A1\\Modul1"));
    EXPECT_FALSE(b.HatKinder("A2\\Klasse"));

    b.Entfernen("A1\\");
    EXPECT_EQ(Schluessel(b), (std::vector<std::string>{"A2\\", "A2\\Klasse"}));
    EXPECT_EQ(b.Finden("X"), nullptr);
    // The index follows the removal
    ASSERT_NE(b.Finden("A2\\Klasse"), nullptr);
    EXPECT_EQ(b.Finden("A2\\Klasse")->Text, "Klasse");
    b.Entfernen("gibt es nicht");
    EXPECT_EQ(b.Anzahl(), 2u);
}

TEST(Baum, RefusesDuplicateKeysAndUnknownParents) {
    cb::Baum b;
    b.Hinzufuegen("M1", "Modul1", "M2");
    EXPECT_THROW(b.Hinzufuegen("M1", "nochmal", "M2"), std::invalid_argument);
    EXPECT_THROW(b.Hinzufuegen("R1", "A", "R1O1", "M9"), std::invalid_argument);
    // Keys differing in script or case stay apart
    b.Hinzufuegen("A1\\Лист1", "Лист1", "M5");
    b.Hinzufuegen("A1\\Лист2", "Лист2", "M5");
    b.Hinzufuegen("m1", "klein", "M2");
    EXPECT_EQ(b.Anzahl(), 4u);
    b.Leeren();
    EXPECT_TRUE(b.Leer());
    EXPECT_EQ(b.Finden("M1"), nullptr);
}

} // namespace
