// SPDX-License-Identifier: GPL-3.0-or-later
// The jump to a definition on a project stored from code.
#include "CodeProjekt.h"

#include "analysis/DefinitionSuche.h"

namespace cb::test {
namespace {

class DefinitionSuche : public CodeProjekt {
protected:
    void SetUp() override {
        CodeProjekt::SetUp();
        Modul("Modul1", {"Option Explicit", "", "Private Sub Intern()", "End Sub", "", "Public Sub Start()",
                         "    Intern", "End Sub"});
        Modul("Modul2", {"Private Sub Geheim()", "End Sub", "Function Doppelt() As Long", "End Function"});
        Modul("Módulo1", {"' Maße", "Public Function Größe() As Long", "    Größe = 1", "End Function",
                          "Sub Doppelt()", "End Sub"});
        Anzeigen();
    }

    std::optional<DefinitionsSprung> Springen(const std::string& name) {
        auto sprung = DefinitionAnspringen(projekt, aktModulIndex, meldungen, anzeige, name);
        if (sprung)
            aktModulIndex = sprung->AktModulIndex;
        return sprung;
    }
};

TEST_F(DefinitionSuche, FindetImAktuellenModulJedeRoutineOhneAufDieSchreibungZuAchten) {
    Vorne(1);
    auto s = Springen("Intern");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->Zeile, 3);
    EXPECT_FALSE(s->ModulGewechselt);
    EXPECT_FALSE(s->ModulKnotenMarkieren);
    EXPECT_EQ(aktModulIndex, 0);
    EXPECT_EQ(anzeige.Status(Panel::Routine), "Intern");
    EXPECT_EQ(anzeige.Status(Panel::Modul), "") << "the module panel is set only when the module changes";

    s = Springen("start");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->Zeile, 6);
    EXPECT_EQ(anzeige.Status(Panel::Routine), "start") << "the panel shows the name as it was asked for";
    EXPECT_TRUE(meldungen.Gezeigt().empty());
}

TEST_F(DefinitionSuche, PrivateRoutineEinesAnderenModulsBleibtUnsichtbar) {
    Vorne(1);
    anzeige.StatusSetzen(Panel::Routine, "Start");
    EXPECT_FALSE(Springen("Geheim"));
    ASSERT_EQ(meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(meldungen.Gezeigt()[0].Text, "Bezeichner unter Cursor nicht erkannt");
    EXPECT_EQ(meldungen.Gezeigt()[0].Symbol, MeldungsSymbol::Keins);
    EXPECT_EQ(aktModulIndex, 0);
    EXPECT_EQ(anzeige.Status(Panel::Routine), "Start") << "the view does not change";

    Vorne(2);
    auto s = Springen("Geheim");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->Zeile, 1);
}

TEST_F(DefinitionSuche, OeffentlicheRoutineWechseltDasModul) {
    Vorne(1);
    auto s = Springen("GRÖSSE");
    EXPECT_FALSE(s) << "ß and SS are different letters to a name lookup";
    s = Springen("GRÖßE");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->VorherModulIndex, 0);
    EXPECT_EQ(s->AktModulIndex, 2);
    EXPECT_EQ(aktModulIndex, 2);
    EXPECT_TRUE(s->ModulGewechselt);
    EXPECT_TRUE(s->ModulKnotenMarkieren);
    EXPECT_EQ(s->Zeile, 2);
    EXPECT_EQ(anzeige.Status(Panel::Modul), "Módulo1");
    EXPECT_EQ(anzeige.Status(Panel::Routine), "GRÖßE");
}

TEST_F(DefinitionSuche, ZweimalOeffentlichSpringtImmerZurErstenGelesenen) {
    for (int wiederholung = 0; wiederholung < 3; ++wiederholung) {
        Vorne(1);
        auto s = Springen("Doppelt");
        ASSERT_TRUE(s);
        EXPECT_EQ(s->AktModulIndex, 1);
        EXPECT_EQ(s->Zeile, 3);
    }
    Vorne(3);
    auto s = Springen("Doppelt");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->AktModulIndex, 2) << "the current module comes first";
    EXPECT_EQ(s->Zeile, 5);
}

TEST_F(DefinitionSuche, NamenMitAnfuehrungszeichenSindNurNichtGefunden) {
    Vorne(1);
    EXPECT_FALSE(Springen("Start'"));
    EXPECT_FALSE(Springen("x' OR rou_name <> '"));
    EXPECT_EQ(meldungen.Gezeigt().size(), 2u);
    EXPECT_EQ(aktModulIndex, 0);
}

} // namespace
} // namespace cb::test
