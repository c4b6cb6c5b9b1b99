// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/OffenesProjekt.h"

#include "StoreHilfen.h"

#include <gtest/gtest.h>

using namespace cb;

namespace {

// Module 1 (30 lines): declarations on lines 1 to 9, then
//   10-14 Public Sub Start, 15 empty, 16-20 Private Function Rechnen,
//   22-23 Private Declare Function GetTickCount over two lines,
//   24-28 Property Get Wert.
// Module 2: one Sub that starts on line 1.
// Module 3: no routines.
class StoreAbfrage : public test::StoreProjekt {
protected:
    void SetUp() override {
        StoreProjekt::SetUp();
        Modul(1, "Modul1", ModulStandard, 30);
        Modul(2, "Modul2", ModulStandard, 8);
        Modul(3, "Leer", ModulStandard, 12);
        Routine(1, 1, "Start", TypSub, OffenPublic, 10, 14);
        Routine(2, 1, "Rechnen", TypFunction, OffenPrivate, 16, 20);
        Routine(3, 1, "GetTickCount", TypDeclareFunction, OffenPrivate, 22, 0, 2);
        Routine(4, 1, "Wert", TypPropertyGet, OffenPublic, 24, 28);
        Routine(5, 2, "Anderswo", TypSub, OffenPrivate, 1, 5);
    }
};

class StoreRoutineAnZeile : public StoreAbfrage {};
class StoreRoutineNachName : public StoreAbfrage {};
class StoreRoutineZoomen : public StoreAbfrage {};
class StoreRoutineAnspringen : public StoreAbfrage {};

} // namespace

TEST_F(StoreRoutineAnZeile, EndzeileGehoertZurRoutineDieZeileDanachNicht) {
    auto r = projekt.RoutineAnZeile(14, "M1");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->RouName, "Start");
    EXPECT_EQ(r->RouNum, 1);
    EXPECT_EQ(r->RouTyp, TypSub);
    EXPECT_EQ(r->RouOpen, OffenPublic);
    EXPECT_FALSE(projekt.RoutineAnZeile(15, "M1"));
    ASSERT_TRUE(projekt.RoutineAnZeile(16, "M1"));
    EXPECT_EQ(projekt.RoutineAnZeile(16, "M1")->RouOpen, OffenPrivate);
    EXPECT_EQ(projekt.RoutineAnZeile(10, "M1")->RouName, "Start");
}

TEST_F(StoreRoutineAnZeile, DeklarationUeberZweiZeilenAufBeidenGefunden) {
    for (std::int64_t zeile : {22, 23}) {
        auto r = projekt.RoutineAnZeile(zeile, "M1");
        ASSERT_TRUE(r) << zeile;
        EXPECT_EQ(r->RouName, "GetTickCount");
        EXPECT_EQ(r->RouTyp, TypDeclareFunction);
    }
    EXPECT_FALSE(projekt.RoutineAnZeile(21, "M1"));
}

TEST_F(StoreRoutineAnZeile, DeklarationsteilUndAndereModuleGehoerenKeinerRoutine) {
    EXPECT_FALSE(projekt.RoutineAnZeile(3, "M1"));
    EXPECT_FALSE(projekt.RoutineAnZeile(29, "M1"));
    EXPECT_FALSE(projekt.RoutineAnZeile(12, "M3"));
    EXPECT_EQ(projekt.RoutineAnZeile(3, "M2")->RouName, "Anderswo");
    EXPECT_FALSE(projekt.RoutineAnZeile(12, "M")) << "a key without a number names no module";
}

TEST_F(StoreRoutineAnZeile, StatusfeldZeigtDieRoutineOderWirdGeleert) {
    EXPECT_EQ(projekt.RoutineImStatus(18, "M1"), "Rechnen");
    EXPECT_EQ(projekt.RoutineImStatus(15, "M1"), "");
    EXPECT_EQ(projekt.RoutineImStatus(1, "M3"), "");
}

TEST_F(StoreRoutineNachName, ErgebnisNachArtUndSichtbarkeit) {
    std::int64_t num = -1;
    EXPECT_EQ(projekt.RoutineNachName(meldungen, "Rechnen", 1, num), 1) << "private Function";
    EXPECT_EQ(num, 2);
    EXPECT_EQ(projekt.RoutineNachName(meldungen, "Start", 1, num), 2) << "public Sub";
    EXPECT_EQ(num, 1);
    EXPECT_EQ(projekt.RoutineNachName(meldungen, "GetTickCount", 1, num), 1) << "private Declare";
    EXPECT_EQ(num, 3);
    EXPECT_TRUE(meldungen.Gezeigt().empty());
}

TEST_F(StoreRoutineNachName, NamenVergleichenOhneGrossUndKleinschreibung) {
    Routine(6, 3, "Ändern", TypFunction, OffenPublic, 3, 6);
    std::int64_t num = 0;
    EXPECT_EQ(projekt.RoutineNachName(meldungen, "start", 1, num), 2);
    EXPECT_EQ(num, 1);
    EXPECT_EQ(projekt.RoutineNachName(meldungen, "ÄNDERN", 3, num), 2);
    EXPECT_EQ(num, 6);
    EXPECT_TRUE(meldungen.Gezeigt().empty());
    EXPECT_EQ(projekt.RoutineNachName(meldungen, "Andern", 3, num), 0) << "Ä is not A";
}

TEST_F(StoreRoutineNachName, PropertyWirdNichtUnterstuetzt) {
    std::int64_t num = -1;
    EXPECT_EQ(projekt.RoutineNachName(meldungen, "Wert", 1, num), 0);
    EXPECT_EQ(num, -1);
    ASSERT_EQ(meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(meldungen.Gezeigt()[0].Text, "Property wird von der Routinensuche nicht unterstützt");
    EXPECT_EQ(meldungen.Gezeigt()[0].Symbol, MeldungsSymbol::Warnung);
    EXPECT_EQ(meldungen.Gezeigt()[0].Knoepfe, MeldungsKnoepfe::Ok);
}

TEST_F(StoreRoutineNachName, NameEinesAnderenModulsWirdNichtGefunden) {
    std::int64_t num = -1;
    EXPECT_EQ(projekt.RoutineNachName(meldungen, "Anderswo", 1, num), 0);
    EXPECT_EQ(num, -1);
    ASSERT_EQ(meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(meldungen.Gezeigt()[0].Text, "Infos zu Routine nicht gefunden");
    EXPECT_EQ(meldungen.Gezeigt()[0].Symbol, MeldungsSymbol::Warnung);
}

TEST_F(StoreRoutineNachName, QuoteImNamenIstEinNameWieJederAndere) {
    Routine(6, 1, "O'Brien", TypSub, OffenPrivate, 29, 30);
    std::int64_t num = 0;
    EXPECT_EQ(projekt.RoutineNachName(meldungen, "o'brien", 1, num), 1);
    EXPECT_EQ(num, 6);
    EXPECT_EQ(projekt.RoutineNachName(meldungen, "x' OR '1'='1", 1, num), 0);
    ASSERT_EQ(meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(meldungen.Gezeigt()[0].Text, "Infos zu Routine nicht gefunden");
}

TEST_F(StoreRoutineNachName, OhneOffeneDatenbankRoutineNichtGefunden) {
    projekt.DatenbankSchliessen();
    std::int64_t num = -1;
    EXPECT_EQ(projekt.RoutineNachName(meldungen, "Start", 1, num), 0);
    EXPECT_EQ(num, -1);
    ASSERT_EQ(meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(meldungen.Gezeigt()[0].Text, "Routine nicht gefunden");
    EXPECT_EQ(meldungen.Gezeigt()[0].Symbol, MeldungsSymbol::Keins);
    EXPECT_EQ(meldungen.Gezeigt()[0].Knoepfe, MeldungsKnoepfe::Ok);
}

TEST_F(StoreRoutineZoomen, RoutineOderDeklarationsteil) {
    EXPECT_EQ(projekt.RoutineZoomen(12, 1), (ZoomBereich{10, 14}));
    EXPECT_EQ(projekt.RoutineZoomen(23, 1), (ZoomBereich{22, 23}));
    EXPECT_EQ(projekt.RoutineZoomen(3, 1), (ZoomBereich{1, 9})) << "first routine starts at line 10";
    EXPECT_EQ(projekt.RoutineZoomen(15, 1), (ZoomBereich{1, 9}))
        << "a gap between routines shows the declarations";
}

TEST_F(StoreRoutineZoomen, ModulOhneRoutinenIstGanzDeklarationsteil) {
    EXPECT_EQ(projekt.RoutineZoomen(4, 3), (ZoomBereich{1, 12}));
    EXPECT_FALSE(projekt.RoutineZoomen(4, 99)) << "no such module";
}

TEST_F(StoreRoutineZoomen, OhneDeklarationsteilGibtEsNichtsZuZeigen) {
    EXPECT_EQ(projekt.RoutineZoomen(2, 2), (ZoomBereich{1, 5}));
    EXPECT_FALSE(projekt.RoutineZoomen(7, 2)) << "the first routine starts on line 1";
}

TEST_F(StoreRoutineAnspringen, ErsteZeileDerRoutine) {
    EXPECT_EQ(projekt.RoutineAnspringen(2), 16);
    EXPECT_EQ(projekt.RoutineAnspringen(3), 22);
    EXPECT_FALSE(projekt.RoutineAnspringen(42));
    Db().RoutineEinfuegen({TypSub, OffenPublic, 1, "OhneZeilen", 43, 1});
    EXPECT_FALSE(projekt.RoutineAnspringen(43)) << "a read that failed before the line numbers";
}

TEST_F(StoreRoutineAnspringen, ModulKnotenFuerDieAufrufsuche) {
    auto k = projekt.ModulKnotenAnlegen(3);
    ASSERT_TRUE(k);
    EXPECT_EQ(k->Schluessel, "M3");
    EXPECT_EQ(k->Text, "Leer");
    EXPECT_EQ(k->Bild, "M2");
    EXPECT_EQ(k->Eltern, "");
    EXPECT_FALSE(projekt.ModulKnotenAnlegen(4));
}
