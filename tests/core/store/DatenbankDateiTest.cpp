// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/DatenbankDatei.h"
#include "app/Dateien.h"

#include "store/OffenesProjekt.h"
#include "store/ProjektBaum.h"
#include "store/ProjektDatenbankVerbindung.h"
#include "store/Sqlite.h"

#include "AufzeichnendeMeldungen.h"
#include "StoreHilfen.h"

#include <gtest/gtest.h>

using namespace cb;
namespace fs = std::filesystem;

namespace {

struct Projekt {
    explicit Projekt(const std::string& name)
        : ordner(test::NeuerOrdner(name)), projekt(ordner.string() + "/") {}
    fs::path Datei() const { return ordner / "CodeBrindle.mdb"; }

    fs::path ordner;
    std::string programmOrdner = std::string(CB_BIN_DIR) + "/";
    OffenesProjekt projekt;
    test::AufzeichnendeMeldungen meldungen;
};

std::int64_t Zeilen(const OffenesProjekt& projekt, const char* tabelle) {
    sql::Anweisung a(projekt.Datenbank().Verbindung(), std::string("SELECT count(*) FROM ") + tabelle);
    a.Schritt();
    return a.Ganzzahl(0);
}

} // namespace

TEST(StoreDatenbankDatei, ErzeugenGibtEinLeeresProjekt) {
    Projekt p("leer");
    ASSERT_TRUE(p.projekt.DatenbankErzeugen(p.meldungen, p.programmOrdner));
    EXPECT_EQ(p.projekt.DatenbankPfad(), p.Datei().string());
    EXPECT_TRUE(p.meldungen.Gezeigt().empty());
    p.projekt.DatenbankOeffnen();
    ASSERT_TRUE(p.projekt.DatenbankOffen());
    EXPECT_EQ(Zeilen(p.projekt, "td_mod"), 0);
    EXPECT_EQ(Zeilen(p.projekt, "td_rout"), 0);
}

TEST(StoreDatenbankDatei, ErzeugenErsetztDasVorigeProjekt) {
    Projekt p("ersetzen");
    ASSERT_TRUE(p.projekt.DatenbankErzeugen(p.meldungen, p.programmOrdner));
    p.projekt.DatenbankOeffnen();
    p.projekt.Datenbank().ModulEinfuegen({1, "Alt", 2, 10});
    p.projekt.Datenbank().RoutineEinfuegen({1, 1, 1, "Alt", 1, 1});
    // The connection stays open on purpose: the copy must not leave it
    // writing into the replaced file.
    ASSERT_TRUE(p.projekt.DatenbankErzeugen(p.meldungen, p.programmOrdner));
    EXPECT_FALSE(p.projekt.DatenbankOffen());
    p.projekt.DatenbankOeffnen();
    EXPECT_EQ(Zeilen(p.projekt, "td_mod"), 0);
    EXPECT_EQ(Zeilen(p.projekt, "td_rout"), 0);
    EXPECT_FALSE(fs::exists(p.Datei().string() + ".neu"));
    for (const auto& e : fs::directory_iterator(p.ordner))
        EXPECT_EQ(e.path().filename().string().find(".neu"), std::string::npos) << e.path();
}

// A project folder may come from anyone: a link in the database's place is
// replaced by the fresh database, and the file it named stays as it was.
TEST(StoreDatenbankDatei, EinVerweisAnStelleDerDatenbankWirdNichtVerfolgt) {
    Projekt p("verweis");
    const fs::path opfer = test::NeuerOrdner("verweis_opfer") / "opfer.txt";
    test::DateiSchreiben(opfer, "bleibt");
    fs::create_symlink(opfer, p.Datei());
    ASSERT_TRUE(p.projekt.DatenbankErzeugen(p.meldungen, p.programmOrdner));
    EXPECT_TRUE(p.meldungen.Gezeigt().empty());
    EXPECT_EQ(test::DateiInhalt(opfer), "bleibt");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(p.Datei())));
    p.projekt.DatenbankOeffnen();
    ASSERT_TRUE(p.projekt.DatenbankOffen());
    EXPECT_EQ(Zeilen(p.projekt, "td_mod"), 0);
}

TEST(StoreDatenbankDatei, EinJournalDasNichtGehtLaesstDieAlteDatenbankMitIhrem) {
    Projekt p("journal_bleibt");
    test::DateiSchreiben(p.Datei(), "alte Datenbank");
    // A folder in the journal's place, with something in it, cannot be removed.
    fs::create_directories(p.Datei().string() + "-journal/inhalt");
    test::DateiSchreiben(p.Datei().string() + "-wal", "altes Protokoll");
    EXPECT_FALSE(p.projekt.DatenbankErzeugen(p.meldungen, p.programmOrdner));
    ASSERT_EQ(p.meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(p.meldungen.Gezeigt()[0].Text, MaskeFehltText(p.programmOrdner + "mask_CodeBrindle.mdb"));
    EXPECT_EQ(test::DateiInhalt(p.Datei()), "alte Datenbank");
    EXPECT_EQ(test::DateiInhalt(p.Datei().string() + "-wal"), "altes Protokoll");
    for (const auto& e : fs::directory_iterator(p.ordner))
        EXPECT_EQ(e.path().filename().string().find(".neu"), std::string::npos) << e.path();
}

TEST(StoreDatenbankDatei, FehlendeMaskeMeldetIhrenPfadUndLaesstDasProjekt) {
    Projekt p("ohne_maske");
    ASSERT_TRUE(p.projekt.DatenbankErzeugen(p.meldungen, p.programmOrdner));
    p.projekt.DatenbankOeffnen();
    p.projekt.Datenbank().ModulEinfuegen({1, "Bleibt", 2, 10});
    p.projekt.DatenbankSchliessen();
    const std::string vorher = test::DateiInhalt(p.Datei());

    auto leer = test::NeuerOrdner("programm_ohne_maske");
    p.programmOrdner = leer.string(); // without the separator: it is added
    EXPECT_FALSE(p.projekt.DatenbankErzeugen(p.meldungen, p.programmOrdner));
    ASSERT_EQ(p.meldungen.Gezeigt().size(), 1u);
    const auto& m = p.meldungen.Gezeigt()[0];
    EXPECT_EQ(m.Text, "Die notwendige Datenbank\r\n" + leer.string() +
                          "/mask_CodeBrindle.mdb\r\nexistiert nicht !!!\r\n"
                          "Bitte kopieren Sie diese wieder an diese Stelle");
    EXPECT_EQ(m.Symbol, MeldungsSymbol::Kritisch);
    EXPECT_EQ(m.Knoepfe, MeldungsKnoepfe::Ok);
    EXPECT_EQ(m.Titel, "");
    EXPECT_EQ(test::DateiInhalt(p.Datei()), vorher);
}

TEST(StoreDatenbankDatei, MisslungeneKopieZeigtDieselbeMeldung) {
    Projekt p("ohne_ordner");
    p.projekt.PfadSetzen((p.ordner / "gibtsnicht").string() + "/");
    EXPECT_FALSE(p.projekt.DatenbankErzeugen(p.meldungen, p.programmOrdner));
    ASSERT_EQ(p.meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(p.meldungen.Gezeigt()[0].Text, MaskeFehltText(p.programmOrdner + "mask_CodeBrindle.mdb"));
}

TEST(StoreDatenbankDatei, AlteJournaleWerdenNichtInDieKopieZurueckgespielt) {
    // A session that died in the middle of a read leaves a hot journal
    // beside its database. It is taken from a transaction in flight.
    Projekt alt("journal_alt");
    ASSERT_TRUE(alt.projekt.DatenbankErzeugen(alt.meldungen, alt.programmOrdner));
    alt.projekt.DatenbankOeffnen();
    alt.projekt.Datenbank().ModulEinfuegen({1, "AusDemAltenProjekt", 2, 10});
    alt.projekt.DatenbankSchliessen();
    std::string journal;
    {
        auto v = sql::Verbindung::Oeffnen(alt.Datei().string());
        v.Ausfuehren("PRAGMA synchronous = OFF");
        sql::Transaktion t(v);
        v.Ausfuehren("DELETE FROM td_mod");
        for (int i = 0; i < 50; ++i)
            v.Ausfuehren("INSERT INTO td_rout VALUES (NULL, 1, hex(randomblob(400)), 1, 1, 1, 1, 1)");
        journal = test::DateiInhalt(alt.Datei().string() + "-journal");
    }
    ASSERT_GT(journal.size(), 512u);

    Projekt p("journal");
    test::DateiSchreiben(p.Datei(), "alte Datenbank");
    test::DateiSchreiben(p.Datei().string() + "-journal", journal);
    ASSERT_TRUE(p.projekt.DatenbankErzeugen(p.meldungen, p.programmOrdner));
    EXPECT_FALSE(fs::exists(p.Datei().string() + "-journal"));
    p.projekt.DatenbankOeffnen();
    EXPECT_EQ(Zeilen(p.projekt, "td_mod"), 0);
    EXPECT_EQ(Zeilen(p.projekt, "td_rout"), 0);
}

TEST(StoreDatenbankDatei, OeffnenOhneDateiScheitertUndLegtNichtsAn) {
    Projekt p("oeffnen_fehlt");
    EXPECT_THROW(p.projekt.DatenbankOeffnen(), DatenbankFehler);
    EXPECT_FALSE(p.projekt.DatenbankOffen());
    EXPECT_EQ(p.projekt.DatenbankPfad(), p.Datei().string());
    EXPECT_FALSE(fs::exists(p.Datei()));
}

TEST(StoreDatenbankDatei, BeschaedigteOderFremdeDateiGibtEinenKlarenFehler) {
    Projekt p("kaputt");
    test::DateiSchreiben(p.Datei(), "Standard Jet DB\0 das ist keine SQLite-Datei" + std::string(3000, 'x'));
    try {
        p.projekt.DatenbankOeffnen();
        FAIL() << "a file that is no database must not open";
    } catch (const DatenbankFehler& f) {
        EXPECT_NE(std::string(f.what()).find(p.Datei().string()), std::string::npos) << f.what();
    }
    EXPECT_FALSE(p.projekt.DatenbankOffen());

    fs::remove(p.Datei());
    {
        auto fremd = sql::Verbindung::Anlegen(p.Datei().string());
        fremd.Ausfuehren("CREATE TABLE kunden (id INTEGER)");
    }
    EXPECT_THROW(p.projekt.DatenbankOeffnen(), DatenbankFehler);

    // A project database cut short, as after a failed copy by hand.
    ASSERT_TRUE(p.projekt.DatenbankErzeugen(p.meldungen, p.programmOrdner));
    p.projekt.DatenbankOeffnen();
    for (int i = 1; i <= 300; ++i)
        p.projekt.Datenbank().ModulEinfuegen({i, std::string(200, 'm'), 2, i});
    p.projekt.DatenbankSchliessen();
    std::string inhalt = test::DateiInhalt(p.Datei());
    test::DateiSchreiben(p.Datei(), inhalt.substr(0, inhalt.size() / 2));
    EXPECT_THROW(
        {
            p.projekt.DatenbankOeffnen();
            p.projekt.ModullisteLaden();
        },
        DatenbankFehler);
}

TEST(StoreDatenbankDatei, SchliessenScheitertNieUndLeertDieVerbindung) {
    Projekt p("schliessen");
    p.projekt.DatenbankSchliessen(); // nothing open
    ASSERT_TRUE(p.projekt.DatenbankErzeugen(p.meldungen, p.programmOrdner));
    p.projekt.DatenbankOeffnen();
    p.projekt.DatenbankSchliessen();
    EXPECT_FALSE(p.projekt.DatenbankOffen());
    p.projekt.DatenbankSchliessen();
    EXPECT_THROW(p.projekt.Datenbank(), DatenbankFehler);
}

TEST(StoreDatenbankDatei, ErneutesOeffnenSiehtDieZeilenEinesOffenenEinlesens) {
    Projekt p("wieder_oeffnen");
    ASSERT_TRUE(p.projekt.DatenbankErzeugen(p.meldungen, p.programmOrdner));
    p.projekt.DatenbankOeffnen();
    p.projekt.Datenbank().EinlesenBeginnen();
    p.projekt.Datenbank().ModulEinfuegen({1, "Modul1", 2, 5});
    p.projekt.DatenbankOeffnen();
    EXPECT_EQ(p.projekt.ModullisteLaden().size(), 1u);
}

TEST(StoreDatenbankDatei, NurLesenSpieltDasJournalEinesAbgebrochenenSchreibensZurueck) {
    // A copy taken while a write was half done, as of a folder copied while
    // a read went on: its journal holds what was there before.
    Projekt p("journal");
    ASSERT_TRUE(p.projekt.DatenbankErzeugen(p.meldungen, p.programmOrdner));
    p.projekt.DatenbankOeffnen();
    p.projekt.Datenbank().ModulEinfuegen({1, "Vorher", 2, 10});
    p.projekt.DatenbankSchliessen();
    Projekt kopie("journal_kopie");
    {
        auto v = sql::Verbindung::Oeffnen(p.Datei().string());
        v.Ausfuehren("PRAGMA cache_size = 1; BEGIN; "
                     "WITH RECURSIVE r(x) AS (SELECT 2 UNION ALL SELECT x + 1 FROM r LIMIT 20000) "
                     "INSERT INTO td_mod SELECT x, 'Halb' || x, 2, 1 FROM r");
        ASSERT_TRUE(fs::exists(p.Datei().string() + "-journal"));
        fs::copy_file(p.Datei(), kopie.Datei());
        fs::copy_file(p.Datei().string() + "-journal", kopie.Datei().string() + "-journal");
    }
    kopie.projekt.DatenbankOeffnen(DatenbankZugriff::NurLesen);
    EXPECT_EQ(Zeilen(kopie.projekt, "td_mod"), 1);
    auto module = kopie.projekt.ModullisteLaden();
    ASSERT_EQ(module.size(), 1u);
    EXPECT_EQ(module[0].Text, "Vorher");
}
