// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/Sqlite.h"

#include "StoreHilfen.h"

#include <gtest/gtest.h>

using namespace cb;

namespace {

sql::Verbindung NeueDatenbank(const std::string& name) {
    auto v = sql::Verbindung::Anlegen((test::NeuerOrdner(name) / "t.db").string());
    v.Ausfuehren("CREATE TABLE t (a INTEGER, b TEXT)");
    return v;
}

std::int64_t Anzahl(const sql::Verbindung& v) {
    sql::Anweisung a(v, "SELECT count(*) FROM t");
    a.Schritt();
    return a.Ganzzahl(0);
}

} // namespace

TEST(StoreSqlite, FehlerKommenAlsDatenbankFehlerMitBeschreibung) {
    auto v = NeueDatenbank("fehler");
    try {
        sql::Anweisung(v, "SELEKT 1");
        FAIL() << "a statement that does not parse must throw";
    } catch (const DatenbankFehler& f) {
        EXPECT_NE(std::string(f.what()).find("syntax error"), std::string::npos) << f.what();
        EXPECT_NE(f.Code(), 0);
    }
    EXPECT_THROW(sql::Anweisung(v, "SELECT x FROM fehlt"), DatenbankFehler);
    EXPECT_THROW(v.Ausfuehren("INSERT INTO fehlt VALUES (1)"), DatenbankFehler);
}

TEST(StoreSqlite, OeffnenLegtKeineFehlendeDateiAn) {
    auto pfad = test::NeuerOrdner("fehlend") / "gibtsnicht.db";
    EXPECT_THROW(sql::Verbindung::Oeffnen(pfad.string()), DatenbankFehler);
    EXPECT_FALSE(std::filesystem::exists(pfad));
}

TEST(StoreSqlite, TexteMitQuotesUndUmlautenBleibenUnveraendert) {
    auto v = NeueDatenbank("texte");
    const std::string text = "O'Brien \"x\" '); DROP TABLE t; -- Größe Ÿ";
    sql::Anweisung ein(v, "INSERT INTO t VALUES (?1, ?2)");
    ein.Binden(1, std::int64_t{7});
    ein.Binden(2, text);
    ein.Ausfuehren();
    sql::Anweisung aus(v, "SELECT a, b FROM t WHERE b = ?1");
    aus.Binden(1, text);
    ASSERT_TRUE(aus.Schritt());
    EXPECT_EQ(aus.Ganzzahl(0), 7);
    EXPECT_EQ(aus.Text(1), text);
    EXPECT_FALSE(aus.Schritt());
}

TEST(StoreSqlite, AnweisungLaeuftNachZuruecksetzenErneut) {
    auto v = NeueDatenbank("wieder");
    sql::Anweisung ein(v, "INSERT INTO t VALUES (?1, 'x')");
    for (std::int64_t i = 1; i <= 3; ++i) {
        ein.Binden(1, i);
        ein.Ausfuehren();
        ein.Zuruecksetzen();
    }
    EXPECT_EQ(Anzahl(v), 3);
}

TEST(StoreSqlite, TransaktionOhneBestaetigungWirdZurueckgerollt) {
    auto v = NeueDatenbank("transaktion");
    {
        sql::Transaktion t(v);
        v.Ausfuehren("INSERT INTO t VALUES (1, 'a')");
        EXPECT_EQ(Anzahl(v), 1) << "a row must be visible inside its own transaction";
        EXPECT_FALSE(v.Autocommit());
    }
    EXPECT_TRUE(v.Autocommit());
    EXPECT_EQ(Anzahl(v), 0);
    {
        sql::Transaktion t(v);
        v.Ausfuehren("INSERT INTO t VALUES (2, 'b')");
        t.Bestaetigen();
    }
    EXPECT_EQ(Anzahl(v), 1);
}

TEST(StoreSqlite, NullUndZahlenAusAggregaten) {
    auto v = NeueDatenbank("null");
    sql::Anweisung a(v, "SELECT Min(a) - 1 FROM t");
    ASSERT_TRUE(a.Schritt()) << "an aggregate over no rows still gives one row";
    EXPECT_TRUE(a.IstNull(0));
    v.Ausfuehren("INSERT INTO t VALUES ('12', 'x')");
    sql::Anweisung b(v, "SELECT Min(a) - 1, typeof(a) FROM t");
    ASSERT_TRUE(b.Schritt());
    EXPECT_EQ(b.Ganzzahl(0), 11);
    EXPECT_EQ(b.Text(1), "integer") << "a quoted number goes into an integer column as a number";
}

TEST(StoreSqlite, NurLesenSchreibtNieUndBrichtEndloseAbfragenAb) {
    const std::string pfad = (test::NeuerOrdner("nurlesen") / "t.db").string();
    {
        auto v = sql::Verbindung::Anlegen(pfad);
        v.Ausfuehren("CREATE TABLE t (a INTEGER, b TEXT); INSERT INTO t VALUES (1, 'x');"
                     "CREATE VIEW endlos AS WITH RECURSIVE r(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM r) "
                     "SELECT x FROM r");
    }
    auto v = sql::Verbindung::NurLesen(pfad, 1'000'000);
    try {
        v.Ausfuehren("INSERT INTO t VALUES (2, 'y')");
        FAIL() << "written through a read-only connection";
    } catch (const DatenbankFehler& f) {
        EXPECT_EQ(f.Code() & 0xff, 8) << f.what(); // SQLITE_READONLY
    }
    EXPECT_EQ(Anzahl(v), 1);

    const auto abgebrochen = [&](const char* sql) {
        try {
            sql::Anweisung a(v, sql);
            while (a.Schritt()) {
            }
        } catch (const DatenbankFehler& f) {
            EXPECT_EQ(f.Code(), 9) << f.what(); // SQLITE_INTERRUPT
            return true;
        }
        return false;
    };
    // Sorted, the rows never come; unsorted, each step is short, and the
    // bound is on the whole run all the same.
    EXPECT_TRUE(abgebrochen("SELECT x FROM endlos ORDER BY x"));
    EXPECT_TRUE(abgebrochen("SELECT x FROM endlos"));
    EXPECT_FALSE(abgebrochen("SELECT x FROM endlos LIMIT 1000"));

    // A short query run in the loop of an endless one, as the caller search
    // asks for each module's rows: it neither refills the other's count
    // nor is stopped by it.
    try {
        sql::Anweisung aussen(v, "SELECT x FROM endlos");
        for (int zeilen = 0; aussen.Schritt(); ++zeilen) {
            ASSERT_LT(zeilen, 10'000'000) << "the outer query ran on";
            EXPECT_EQ(Anzahl(v), 1);
        }
        ADD_FAILURE() << "the endless query came to an end";
    } catch (const DatenbankFehler& f) {
        EXPECT_EQ(f.Code(), 9) << f.what();
    }
}

TEST(StoreSqlite, DieArbeitsGrenzeGiltFuerJedeAbfrageFuerSich) {
    const std::string pfad = (test::NeuerOrdner("arbeit") / "t.db").string();
    sql::Verbindung::Anlegen(pfad).Ausfuehren("CREATE TABLE t (a INTEGER, b TEXT)");
    auto v = sql::Verbindung::NurLesen(pfad, 1'000'000);
    // Each run takes a fraction of the bound, all of them together many times it.
    const char* sql = "WITH RECURSIVE r(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM r LIMIT 20000) "
                      "SELECT count(*) FROM r";
    sql::Anweisung wieder(v, sql);
    for (int i = 0; i < 50; ++i) {
        ASSERT_TRUE(wieder.Schritt());
        EXPECT_EQ(wieder.Ganzzahl(0), 20000);
        wieder.Zuruecksetzen();
        sql::Anweisung neu(v, sql);
        ASSERT_TRUE(neu.Schritt());
        EXPECT_EQ(neu.Ganzzahl(0), 20000);
    }
    // And the same count ten times as long is over it.
    EXPECT_THROW(
        sql::Anweisung(v, "WITH RECURSIVE r(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM r LIMIT 200000) "
                          "SELECT count(*) FROM r")
            .Ausfuehren(),
        DatenbankFehler);
}
