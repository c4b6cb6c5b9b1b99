// SPDX-License-Identifier: GPL-3.0-or-later
// The tick rules of the application tree.
#include "import/AppBaumHaken.h"

#include "app/Baum.h"

#include <gtest/gtest.h>

using namespace cb;

namespace {

class Haken : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* p : {"A1\\", "A2\\", "A10\\"}) {
            b.Hinzufuegen(p, p, "Fahne");
            b.Hinzufuegen(std::string(p) + "Modul1", "Modul1", "M2", p);
            b.Hinzufuegen(std::string(p) + "Modul2", "Modul2", "M2", p);
        }
    }
    // What the tree control does before it raises the event.
    bool Setzen(const std::string& schluessel, bool haken) {
        b.Finden(schluessel)->Haken = haken;
        return AppKnotenGehakt(b, schluessel);
    }
    std::vector<std::string> Gehakt() const {
        std::vector<std::string> s;
        for (const auto& k : b.Knoten())
            if (k.Haken)
                s.push_back(k.Schluessel);
        return s;
    }
    Baum b;
};

} // namespace

TEST_F(Haken, ProjektHaktSeineModule) {
    EXPECT_TRUE(Setzen("A2\\", true));
    EXPECT_EQ(Gehakt(), (std::vector<std::string>{"A2\\", "A2\\Modul1", "A2\\Modul2"}));
    EXPECT_FALSE(Setzen("A2\\", false));
    EXPECT_TRUE(Gehakt().empty());
}

TEST_F(Haken, ModulHaktNichtSeinProjekt) {
    EXPECT_TRUE(Setzen("A2\\Modul2", true));
    EXPECT_EQ(Gehakt(), (std::vector<std::string>{"A2\\Modul2"}));
    EXPECT_TRUE(Setzen("A2\\Modul1", true));
    EXPECT_EQ(Gehakt(), (std::vector<std::string>{"A2\\Modul1", "A2\\Modul2"}));
}

TEST_F(Haken, AnderesProjektNimmtDieHakenDesErsten) {
    Setzen("A1\\", true);
    EXPECT_TRUE(Setzen("A2\\Modul1", true));
    EXPECT_EQ(Gehakt(), (std::vector<std::string>{"A2\\Modul1"}));
}

TEST_F(Haken, Projekt1UndProjekt10SindGetrennt) {
    Setzen("A10\\", true);
    Setzen("A1\\Modul1", true);
    EXPECT_EQ(Gehakt(), (std::vector<std::string>{"A1\\Modul1"})) << "A10\\ does not begin with A1\\";
    Setzen("A10\\Modul2", true);
    EXPECT_EQ(Gehakt(), (std::vector<std::string>{"A10\\Modul2"}));
}

TEST_F(Haken, LetzterHakenWegSperrtEinlesen) {
    Setzen("A1\\Modul1", true);
    EXPECT_TRUE(Setzen("A1\\Modul2", true));
    EXPECT_TRUE(Setzen("A1\\Modul1", false));
    EXPECT_FALSE(Setzen("A1\\Modul2", false));
}

TEST_F(Haken, UnbekannterKnotenAendertNichts) {
    Setzen("A1\\Modul1", true);
    EXPECT_TRUE(AppKnotenGehakt(b, "A9\\X"));
    EXPECT_EQ(Gehakt(), (std::vector<std::string>{"A1\\Modul1"}));
}
