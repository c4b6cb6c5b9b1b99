// SPDX-License-Identifier: GPL-3.0-or-later
#include "steuerung/KontextMenue.h"

#include "render/WortAnPosition.h"

#include <gtest/gtest.h>

#include <string>

namespace {

cb::KontextMenue Rechtsklick(std::string_view text, std::size_t caret, std::string_view panel2) {
    std::string wort = cb::WortAnPosition(text, caret);
    return cb::KontextMenueBestimmen({true, wort, panel2, false});
}

TEST(KontextMenue, DefinitionNamesTheIdentifierAtTheCaret) {
    auto m = Rechtsklick("    MsgBox \"Hallo\"", 7, "Auswerten");
    EXPECT_EQ(m.Menue, cb::PopUp::Haupt);
    EXPECT_EQ(m.Definition, "&Definition : MsgBox");
    EXPECT_TRUE(m.DefinitionAn);
    EXPECT_EQ(m.Aufruf, "Aufrufe: Auswerten");
    EXPECT_TRUE(m.AufrufAn);
}

TEST(KontextMenue, CaretAfterTheLastWordOfTheModuleOffersIt) {
    auto m = Rechtsklick("    Call Aufraeumen", 19, "Auswerten");
    EXPECT_EQ(m.Definition, "&Definition : Aufraeumen");
    EXPECT_TRUE(m.DefinitionAn);
}

TEST(KontextMenue, CaretAtModuleStartDisablesDefinition) {
    auto m = Rechtsklick("Option Explicit", 0, "");
    EXPECT_EQ(m.Menue, cb::PopUp::Haupt);
    EXPECT_EQ(m.Definition, "&Definition ");
    EXPECT_FALSE(m.DefinitionAn);
}

TEST(KontextMenue, EmptyRoutinePanelDisablesCallers) {
    auto m = Rechtsklick("x = Wert + 1", 6, "");
    EXPECT_EQ(m.Definition, "&Definition : Wert");
    EXPECT_EQ(m.Aufruf, "Aufrufe");
    EXPECT_FALSE(m.AufrufAn);
}

TEST(KontextMenue, BeforeAnyProjectOnlyReadingIsOffered) {
    for (bool an : {true, false}) {
        auto m = cb::KontextMenueBestimmen({false, "MsgBox", "Auswerten", an});
        EXPECT_EQ(m.Menue, cb::PopUp::Einlesen);
        EXPECT_EQ(m.CodeEinlesenAn, an);
        EXPECT_FALSE(m.DefinitionAn);
        EXPECT_FALSE(m.AufrufAn);
    }
}

} // namespace
