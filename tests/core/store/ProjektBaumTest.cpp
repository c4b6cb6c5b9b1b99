// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ProjektBaum.h"

#include "StoreHilfen.h"

#include <gtest/gtest.h>

using namespace cb;

namespace {

class StoreProjektBaum : public test::StoreProjekt {};

std::vector<std::string> Spalte(const std::vector<BaumKnoten>& k, std::string BaumKnoten::*feld) {
    std::vector<std::string> out;
    for (const auto& n : k)
        out.push_back(n.*feld);
    return out;
}

} // namespace

TEST_F(StoreProjektBaum, ModuleNachTypUndDannNachNamen) {
    Modul(1, "Tabelle1", ModulDokument);
    Modul(2, "zahlen", ModulStandard);
    Modul(3, "Ablauf", ModulStandard);
    Modul(4, "clsKunde", ModulKlasse);
    Modul(5, "frmStart", ModulUserForm);
    Modul(6, "DieseArbeitsmappe", ModulDokument);
    Modul(7, "Sonstiges", ModulAndere);
    Modul(8, "Ärger", ModulStandard);
    Modul(9, "Beta", ModulStandard);

    auto k = projekt.ModullisteLaden();
    EXPECT_EQ(projekt.ModulAnzahl(), 9);
    EXPECT_EQ(Spalte(k, &BaumKnoten::Text),
              (std::vector<std::string>{"frmStart", "Ablauf", "Ärger", "Beta", "zahlen", "clsKunde",
                                        "DieseArbeitsmappe", "Tabelle1", "Sonstiges"}));
    EXPECT_EQ(Spalte(k, &BaumKnoten::Schluessel),
              (std::vector<std::string>{"M5", "M3", "M8", "M9", "M2", "M4", "M6", "M1", "M7"}));
    EXPECT_EQ(Spalte(k, &BaumKnoten::Bild),
              (std::vector<std::string>{"M1", "M2", "M2", "M2", "M2", "M3", "M5", "M5", "M32"}));
    for (const auto& n : k)
        EXPECT_EQ(n.Eltern, "");
}

TEST_F(StoreProjektBaum, LeeresProjektGibtKeineKnoten) {
    Modul(1, "Modul1", ModulStandard); // a project shown before
    ASSERT_EQ(projekt.ModullisteLaden().size(), 1u);
    ASSERT_TRUE(projekt.DatenbankErzeugen(meldungen, z.ProgrammOrdner));
    projekt.DatenbankOeffnen();
    EXPECT_TRUE(projekt.ModullisteLaden().empty());
    EXPECT_EQ(projekt.ModulAnzahl(), 0);
    EXPECT_TRUE(projekt.RoutinenlisteLaden().empty());
}

TEST_F(StoreProjektBaum, RoutinenAlphabetischUnterIhremModul) {
    Modul(1, "Modul1", ModulStandard);
    Modul(2, "Klasse", ModulKlasse);
    Routine(1, 1, "Zuletzt", TypSub, OffenPublic, 3, 5);
    Routine(2, 1, "anfang", TypSub, OffenPrivate, 7, 9);
    Routine(3, 1, "Mitte", TypFunction, OffenPublic, 11, 13);
    Routine(4, 2, "Mitte", TypSub, OffenFriend, 2, 4);
    Routine(5, 2, "Wert", TypPropertyGet, OffenPublic, 6, 8);
    Routine(6, 2, "Wert", TypPropertyLet, OffenPublic, 10, 12);
    Routine(7, 1, "GetTickCount", TypDeclareFunction, OffenPrivate, 1, 0);

    auto k = projekt.RoutinenlisteLaden();
    ASSERT_EQ(k.size(), 7u);
    EXPECT_EQ(Spalte(k, &BaumKnoten::Text), (std::vector<std::string>{"anfang", "GetTickCount", "Mitte",
                                                                      "Zuletzt", "Mitte", "Wert", "Wert"}));
    EXPECT_EQ(Spalte(k, &BaumKnoten::Eltern),
              (std::vector<std::string>{"M1", "M1", "M1", "M1", "M2", "M2", "M2"}));
    EXPECT_EQ(Spalte(k, &BaumKnoten::Schluessel),
              (std::vector<std::string>{"R2", "R7", "R3", "R1", "R4", "R5", "R6"}));
    EXPECT_EQ(Spalte(k, &BaumKnoten::Bild),
              (std::vector<std::string>{"R1O2", "R12O2", "R2O1", "R1O1", "R1O3", "R4O1", "R3O1"}));
}

TEST_F(StoreProjektBaum, RoutinenOhneModulzeileBekommenKeinenKnoten) {
    // A read that failed in module 2 wrote its routines but not its module row.
    Modul(1, "Gut", ModulStandard);
    Routine(1, 1, "Da", TypSub, OffenPublic, 1, 2);
    Db().RoutineEinfuegen({TypSub, OffenPublic, 1, "Verwaist", 2, 2});
    auto k = projekt.RoutinenlisteLaden();
    ASSERT_EQ(k.size(), 1u);
    EXPECT_EQ(k[0].Text, "Da");
}

TEST_F(StoreProjektBaum, NamenMitQuotesUndUmlautenKommenUnveraendertZurueck) {
    Modul(1, "Mod'ul \"1\"", ModulStandard);
    Routine(1, 1, "Größe'); DROP TABLE td_rout; --", TypFunction, OffenPublic, 1, 3);
    auto m = projekt.ModullisteLaden();
    auto r = projekt.RoutinenlisteLaden();
    ASSERT_EQ(m.size(), 1u);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(m[0].Text, "Mod'ul \"1\"");
    EXPECT_EQ(r[0].Text, "Größe'); DROP TABLE td_rout; --");
}

TEST(StoreSchluessel, ModulnummerIstDerSchluesselOhneSeinErstesZeichen) {
    EXPECT_EQ(ModulNummerAusSchluessel("M12"), 12);
    EXPECT_EQ(ModulNummerAusSchluessel("M3"), 3);
    EXPECT_EQ(ModulNummerAusSchluessel("M"), 0);
    EXPECT_EQ(ModulNummerAusSchluessel(""), 0);
    EXPECT_EQ(ModulNummerAusSchluessel("Mx"), 0);
    EXPECT_EQ(ModulNummerAusSchluessel("M99999999999999999999999"), 0);
    EXPECT_EQ(ModulSchluessel(17), "M17");
    EXPECT_EQ(RoutinenSchluessel(17), "R17");
    EXPECT_EQ(RoutinenBild(TypFunction, OffenPublic), "R2O1");
    EXPECT_EQ(RoutinenBild(TypDeclareSub, OffenPrivate), "R11O2");
}
