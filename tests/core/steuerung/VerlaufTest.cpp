// SPDX-License-Identifier: GPL-3.0-or-later
#include "steuerung/Verlauf.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

cb::VerlaufEintrag Besuch(const std::string& routine, int bereich = 0, std::size_t caret = 0) {
    return {bereich, caret, "Modul" + std::to_string(bereich + 1), routine};
}

std::vector<std::string> Routinen(const cb::Verlauf& v) {
    std::vector<std::string> r;
    for (const auto& e : v.Eintraege())
        r.push_back(e.Routine);
    return r;
}

TEST(Verlauf, StartsEmptyWithBothStepsDisabled) {
    cb::Verlauf v;
    EXPECT_EQ(v.VerlaufIndex(), 0);
    EXPECT_EQ(v.VerlaufEnde(), 0);
    EXPECT_EQ(v.Aktuell(), nullptr);
    EXPECT_FALSE(v.ZurueckMoeglich());
    EXPECT_FALSE(v.VorMoeglich());
    EXPECT_EQ(v.Zurueck(), std::nullopt);
    EXPECT_EQ(v.Vor(), std::nullopt);
}

TEST(Verlauf, ThirtyOneVisitsKeepTheLastThirty) {
    cb::Verlauf v;
    for (int i = 1; i <= 31; ++i)
        v.VerlaufMerken(Besuch("R" + std::to_string(i), i % 3, static_cast<std::size_t>(i * 10)));
    EXPECT_EQ(v.VerlaufEnde(), 30);
    EXPECT_EQ(v.VerlaufIndex(), 30);
    EXPECT_EQ(v.Eintraege().front().Routine, "R2");
    EXPECT_EQ(v.Eintraege().back().Routine, "R31");
    EXPECT_FALSE(v.VorMoeglich());
    std::optional<cb::VerlaufEintrag> e;
    for (int schritt = 0; schritt < 29; ++schritt) {
        e = v.Zurueck();
        ASSERT_TRUE(e) << schritt;
    }
    EXPECT_EQ(e->Routine, "R2");
    EXPECT_EQ(e->Caret, 20u);
    EXPECT_EQ(v.VerlaufIndex(), 1);
    // Back from entry 1 is not possible; the first visit is gone
    EXPECT_FALSE(v.ZurueckMoeglich());
    EXPECT_EQ(v.Zurueck(), std::nullopt);
    EXPECT_EQ(v.VerlaufIndex(), 1);
}

TEST(Verlauf, VisitAfterGoingBackDropsLaterEntries) {
    cb::Verlauf v;
    v.VerlaufMerken(Besuch("A", 0, 5));
    v.VerlaufMerken(Besuch("B", 1, 7));
    v.VerlaufMerken(Besuch("C", 2, 9));
    EXPECT_EQ(v.Zurueck()->Routine, "B");
    auto a = v.Zurueck();
    ASSERT_TRUE(a);
    EXPECT_EQ(*a, Besuch("A", 0, 5));
    EXPECT_TRUE(v.VorMoeglich());
    v.VerlaufMerken(Besuch("D", 1, 3));
    EXPECT_EQ(Routinen(v), (std::vector<std::string>{"A", "D"}));
    EXPECT_EQ(v.VerlaufIndex(), 2);
    EXPECT_FALSE(v.VorMoeglich());
    EXPECT_EQ(v.Vor(), std::nullopt);
    EXPECT_TRUE(v.ZurueckMoeglich());
}

TEST(Verlauf, PushAtThirtyAfterGoingBackDoesNotShift) {
    cb::Verlauf v;
    for (int i = 1; i <= 30; ++i)
        v.VerlaufMerken(Besuch("R" + std::to_string(i)));
    v.Zurueck();
    v.VerlaufMerken(Besuch("Neu"));
    // Entry 30 was dropped as a later entry; nothing older is lost
    EXPECT_EQ(v.VerlaufEnde(), 30);
    EXPECT_EQ(v.Eintraege().front().Routine, "R1");
    EXPECT_EQ(v.Eintraege()[28].Routine, "R29");
    EXPECT_EQ(v.Eintraege().back().Routine, "Neu");
}

TEST(Verlauf, NextWalksForwardAgain) {
    cb::Verlauf v;
    v.VerlaufMerken(Besuch("A"));
    v.VerlaufMerken(Besuch("B", 3, 1520));
    v.Zurueck();
    auto b = v.Vor();
    ASSERT_TRUE(b);
    EXPECT_EQ(b->Bereich, 3);
    EXPECT_EQ(b->Caret, 1520u);
    EXPECT_EQ(b->Modul, "Modul4");
    EXPECT_EQ(v.VerlaufIndex(), 2);
    EXPECT_FALSE(v.VorMoeglich());
}

TEST(Verlauf, PanelTextsComeBackWhole) {
    // Names are kept apart, not joined and cut at a separator
    cb::Verlauf v;
    v.VerlaufMerken({1, 4, "Tabelle|1", "Auf|Ab"});
    v.VerlaufMerken(Besuch("X"));
    auto e = v.Zurueck();
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Modul, "Tabelle|1");
    EXPECT_EQ(e->Routine, "Auf|Ab");
}

TEST(Verlauf, BackAfterDefinitionJumpReturnsToTheJumpStart) {
    cb::Verlauf v;
    v.VerlaufMerken(Besuch("A", 0, 100)); // routine A opened from the tree
    v.DefinitionMerken(140, Besuch("Ziel", 2, 800));
    EXPECT_EQ(v.VerlaufIndex(), 2);
    auto a = v.Zurueck();
    ASSERT_TRUE(a);
    EXPECT_EQ(a->Bereich, 0);
    EXPECT_EQ(a->Caret, 140u);
    EXPECT_EQ(a->Routine, "A");
    auto ziel = v.Vor();
    ASSERT_TRUE(ziel);
    EXPECT_EQ(ziel->Caret, 800u);
}

TEST(Verlauf, JumpStartAfterModuleClickStaysWithTheRecordedPane) {
    // A module click records nothing, so the entry shown is still the last
    // routine's; it keeps its pane and takes the jump's start offset.
    cb::Verlauf v;
    v.VerlaufMerken(Besuch("A", 0, 100));
    v.DefinitionMerken(55, Besuch("Ziel", 1, 900));
    auto a = v.Zurueck();
    ASSERT_TRUE(a);
    EXPECT_EQ(a->Bereich, 0);
    EXPECT_EQ(a->Caret, 55u);
}

TEST(Verlauf, JumpWithEmptyHistoryOnlyRecordsTheTarget) {
    cb::Verlauf v;
    v.DefinitionMerken(77, Besuch("Ziel", 1, 900));
    EXPECT_EQ(v.VerlaufIndex(), 1);
    EXPECT_EQ(v.Aktuell()->Caret, 900u);
    EXPECT_FALSE(v.ZurueckMoeglich());
}

TEST(Verlauf, JumpAfterGoingBackChangesTheShownEntryAndDropsTheRest) {
    cb::Verlauf v;
    v.VerlaufMerken(Besuch("A", 0, 10));
    v.VerlaufMerken(Besuch("B", 0, 20));
    v.VerlaufMerken(Besuch("C", 0, 30));
    v.Zurueck();
    v.DefinitionMerken(25, Besuch("D", 1, 5));
    EXPECT_EQ(Routinen(v), (std::vector<std::string>{"A", "B", "D"}));
    EXPECT_EQ(v.Eintraege()[1].Caret, 25u);
    EXPECT_EQ(v.Eintraege()[2].Caret, 5u);
}

TEST(Verlauf, EmptyingForgetsEverything) {
    cb::Verlauf v;
    v.VerlaufMerken(Besuch("A"));
    v.VerlaufMerken(Besuch("B"));
    v.Zurueck();
    v.Leeren();
    EXPECT_EQ(v.VerlaufIndex(), 0);
    EXPECT_EQ(v.VerlaufEnde(), 0);
    EXPECT_FALSE(v.ZurueckMoeglich());
    EXPECT_FALSE(v.VorMoeglich());
    v.VerlaufMerken(Besuch("C"));
    EXPECT_EQ(Routinen(v), (std::vector<std::string>{"C"}));
}

TEST(Verlauf, InvariantHoldsUnderAnySequence) {
    std::mt19937 zufall(20240611);
    std::uniform_int_distribution<int> wahl(0, 5);
    cb::Verlauf v;
    int gezaehlt = 0;
    for (int schritt = 0; schritt < 5000; ++schritt) {
        int vorher = v.VerlaufIndex();
        switch (wahl(zufall)) {
        case 0:
        case 1:
            v.VerlaufMerken(Besuch("R" + std::to_string(++gezaehlt)));
            ASSERT_EQ(v.Aktuell()->Routine, "R" + std::to_string(gezaehlt));
            ASSERT_EQ(v.VerlaufIndex(), v.VerlaufEnde());
            break;
        case 2:
        case 3:
            if (v.Zurueck()) {
                ASSERT_EQ(v.VerlaufIndex(), vorher - 1);
            } else {
                ASSERT_LE(vorher, 1);
            }
            break;
        case 4:
            if (v.Vor()) {
                ASSERT_EQ(v.VerlaufIndex(), vorher + 1);
            }
            break;
        case 5:
            v.DefinitionMerken(static_cast<std::size_t>(schritt), Besuch("D" + std::to_string(++gezaehlt)));
            break;
        }
        ASSERT_GE(v.VerlaufIndex(), 0);
        ASSERT_LE(v.VerlaufIndex(), v.VerlaufEnde());
        ASSERT_LE(v.VerlaufEnde(), cb::Verlauf::Groesse);
        ASSERT_EQ(v.ZurueckMoeglich(), v.VerlaufIndex() > 1);
        ASSERT_EQ(v.VorMoeglich(), v.VerlaufIndex() < v.VerlaufEnde());
    }
}

} // namespace
