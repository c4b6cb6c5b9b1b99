// SPDX-License-Identifier: GPL-3.0-or-later
// The statements of the module parser, and the transaction of one read.
#include "store/OffenesProjekt.h"
#include "store/ProjektBaum.h"
#include "store/Sqlite.h"

#include "StoreHilfen.h"

#include <gtest/gtest.h>

using namespace cb;

namespace {

class StoreEinlesen : public test::StoreProjekt {
protected:
    // What another program, or the next session, finds in the file.
    std::int64_t ZeilenAufDerPlatte(const char* tabelle) {
        auto v = sql::Verbindung::Oeffnen(projekt.DatenbankPfad());
        sql::Anweisung a(v, std::string("SELECT count(*) FROM ") + tabelle);
        a.Schritt();
        return a.Ganzzahl(0);
    }
    struct Zeilen {
        std::optional<std::int64_t> start, ende;
    };
    Zeilen StartUndEnde(std::int64_t rouNum) {
        sql::Anweisung a(Db().Verbindung(), "SELECT rou_start, rou_ende FROM td_rout WHERE rou_num = ?1");
        a.Binden(1, rouNum);
        EXPECT_TRUE(a.Schritt()) << rouNum;
        Zeilen ergebnis;
        if (!a.IstNull(0))
            ergebnis.start = a.Ganzzahl(0);
        if (!a.IstNull(1))
            ergebnis.ende = a.Ganzzahl(1);
        return ergebnis;
    }
};

} // namespace

TEST_F(StoreEinlesen, ZeilenWieDerParserSieSchreibt) {
    // Sub Start, rou_num 17 in module 3, header on line 4, End Sub on line 9.
    Db().RoutineEinfuegen({TypSub, OffenPublic, 1, "Start", 17, 3});
    EXPECT_FALSE(StartUndEnde(17).start) << "the lines come later";
    Db().RoutinenStartSetzen(17, 4);
    Db().RoutinenEndeSetzen(17, 9);
    Db().ModulEinfuegen({3, "Modul3", ModulStandard, 12});

    auto r = projekt.RoutineAnZeile(9, "M3");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->RouName, "Start");
    EXPECT_EQ(r->RouNum, 17);
    auto m = projekt.ModulKnotenAnlegen(3);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->Text, "Modul3");
    EXPECT_EQ(projekt.RoutineZoomen(1, 3), (ZoomBereich{1, 3}));
}

TEST_F(StoreEinlesen, DeklarationEndetMitIhrerLetztenKopfzeile) {
    // Declare Function over two lines from line 5, a one-line Declare Sub,
    // a Sub whose end is set, and a declaration of another module.
    Db().RoutineEinfuegen({TypDeclareFunction, OffenPrivate, 2, "GetTickCount", 1, 1});
    Db().RoutineEinfuegen({TypDeclareSub, OffenPublic, 1, "Sleep", 2, 1});
    Db().RoutineEinfuegen({TypSub, OffenPublic, 3, "Lang", 3, 1});
    Db().RoutineEinfuegen({TypDeclareSub, OffenPublic, 1, "Beep", 4, 2});
    Db().RoutinenStartSetzen(1, 5);
    Db().RoutinenStartSetzen(2, 7);
    Db().RoutinenStartSetzen(3, 9);
    Db().RoutinenEndeSetzen(3, 20);
    Db().RoutinenStartSetzen(4, 2);
    Db().DeklarationsEndenSetzen(1);

    EXPECT_EQ(StartUndEnde(1).start, 5);
    EXPECT_EQ(StartUndEnde(1).ende, 6);
    EXPECT_EQ(StartUndEnde(2).ende, 7);
    EXPECT_EQ(StartUndEnde(3).ende, 20) << "a routine with a body keeps its End line";
    EXPECT_FALSE(StartUndEnde(4).ende) << "module 2 is set when module 2 is done";
}

TEST_F(StoreEinlesen, EinLesenIstEineTransaktionDieJedeZeileSofortSieht) {
    Db().EinlesenBeginnen();
    Db().EinlesenBeginnen(); // a second start changes nothing
    EXPECT_TRUE(Db().EinlesenLaeuft());
    Db().RoutineEinfuegen({TypSub, OffenPublic, 1, "A", 1, 1});
    Db().RoutinenStartSetzen(1, 2);
    Db().RoutinenEndeSetzen(1, 4);
    Db().ModulEinfuegen({1, "Modul1", ModulStandard, 5});
    EXPECT_EQ(projekt.RoutineAnZeile(3, "M1")->RouName, "A");
    EXPECT_EQ(ZeilenAufDerPlatte("td_rout"), 0) << "nothing reaches the file before the end of the read";
    Db().EinlesenAbschliessen();
    EXPECT_FALSE(Db().EinlesenLaeuft());
    EXPECT_EQ(ZeilenAufDerPlatte("td_rout"), 1);
    EXPECT_EQ(ZeilenAufDerPlatte("td_mod"), 1);
}

TEST_F(StoreEinlesen, GescheitertesLesenBehaeltDieGeschriebenenZeilen) {
    Db().EinlesenBeginnen();
    Db().RoutineEinfuegen({TypSub, OffenPublic, 1, "Erste", 1, 1});
    Db().RoutinenStartSetzen(1, 2);
    EXPECT_THROW(Db().RoutineEinfuegen({TypSub, OffenPublic, 1, "Doppelt", 1, 1}), DatenbankFehler);
    EXPECT_TRUE(Db().EinlesenLaeuft()) << "a failed statement leaves the read open";
    Db().RoutineEinfuegen({TypSub, OffenPublic, 1, "Zweite", 2, 1});
    Db().EinlesenAbschliessen();
    EXPECT_EQ(ZeilenAufDerPlatte("td_rout"), 2);
    EXPECT_EQ(ZeilenAufDerPlatte("td_mod"), 0) << "the module row never came";
}

TEST_F(StoreEinlesen, SchliessenSchreibtEinOffenesLesen) {
    Db().EinlesenBeginnen();
    Db().ModulEinfuegen({1, "Größe's \"Modul\"", ModulKlasse, 3});
    projekt.DatenbankSchliessen();
    EXPECT_EQ(ZeilenAufDerPlatte("td_mod"), 1);
    projekt.DatenbankOeffnen();
    auto k = projekt.ModullisteLaden();
    ASSERT_EQ(k.size(), 1u);
    EXPECT_EQ(k[0].Text, "Größe's \"Modul\"");
    EXPECT_EQ(k[0].Bild, "M3");
}

TEST_F(StoreEinlesen, OhneLesenIstJedeZeileSofortAufDerPlatte) {
    Db().ModulEinfuegen({1, "Modul1", ModulStandard, 3});
    EXPECT_EQ(ZeilenAufDerPlatte("td_mod"), 1);
}
