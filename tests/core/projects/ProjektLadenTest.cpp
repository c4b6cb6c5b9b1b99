// SPDX-License-Identifier: GPL-3.0-or-later
// Loading stored projects for the window: the tree and the pane texts, and
// what a broken project leaves.
#include "ProjektHilfen.h"

#include "app/Dateien.h"
#include "projects/ProjektAnzeigen.h"
#include "store/ModulText.h"
#include "store/ProjektBaum.h"
#include "store/Sqlite.h"

#include <sys/stat.h>

namespace cb::test {
namespace {

namespace fs = std::filesystem;

class ProjektLadenTest : public ::testing::Test {
protected:
    void SetUp() override { i = std::make_unique<Instanz>(NeuerOrdner("laden").string()); }
    Instanz& I() { return *i; }
    std::unique_ptr<Instanz> i;
};

TEST_F(ProjektLadenTest, TreeByTypeThenNameAndOneTextPerModule) {
    ProjektAnlegen(I().z.TempPfad, ZweiModule());
    I().projekt.PfadSetzen(I().z.TempPfad);
    auto texte = ProjektLaden(I().k);
    ASSERT_TRUE(texte);
    // Modules by type then name, each with its routines, panes by number
    ASSERT_EQ(I().treProjekt.Anzahl(), 4u);
    EXPECT_EQ(I().treProjekt.Knoten()[0].Text, "Modul1");
    EXPECT_EQ(I().treProjekt.Knoten()[1].Text, "Klasse1");
    EXPECT_FALSE(I().treProjekt.Knoten()[0].Aufgeklappt);
    ASSERT_EQ(texte->size(), 2u);
    EXPECT_EQ((*texte)[1], ModulTextLesen(I().projekt.ProjektPfad(), 2));
    EXPECT_TRUE(I().projekt.DatenbankOffen());
    EXPECT_TRUE(I().meldungen.Gezeigt().empty());
    EXPECT_EQ(I().anzeige.Status(Panel::Aktivitaet), "");
    EXPECT_FALSE(I().anzeige.Sanduhr());
}

TEST_F(ProjektLadenTest, ExpandedOptionExpandsEveryNode) {
    I().z.Opt.ModullisteAufgeklappt = true;
    ProjektAnlegen(I().z.TempPfad, ZweiModule());
    I().projekt.PfadSetzen(I().z.TempPfad);
    ASSERT_TRUE(ProjektLaden(I().k));
    for (const BaumKnoten& k : I().treProjekt.Knoten())
        EXPECT_TRUE(k.Aufgeklappt) << k.Schluessel;
}

TEST_F(ProjektLadenTest, EmptyProjectHasNoNodeAndNoText) {
    ProjektAnlegen(I().z.TempPfad, {});
    I().projekt.PfadSetzen(I().z.TempPfad);
    auto texte = ProjektLaden(I().k);
    ASSERT_TRUE(texte);
    EXPECT_TRUE(texte->empty());
    EXPECT_TRUE(I().treProjekt.Leer());
}

TEST_F(ProjektLadenTest, BrokenProjectsSayNotIntact) {
    fs::path ohneDb = NeuerOrdner("ohneDb");
    fs::path ohneModul = NeuerOrdner("ohneModul");
    ProjektAnlegen(ohneModul.string(), ZweiModule());
    fs::remove(ohneModul / "M2.txt");
    fs::path kaputt = NeuerOrdner("kaputt");
    DateiSchreiben(kaputt / "CodeBrindle.mdb", "keine Datenbank");
    fs::path rohr = NeuerOrdner("rohr");
    ProjektAnlegen(rohr.string(), ZweiModule());
    fs::remove(rohr / "M2.txt");
    ASSERT_EQ(::mkfifo((rohr / "M2.txt").c_str(), 0600), 0);
    // Tables replaced by views without end: each answer must still come.
    const auto endlos = [&](const char* name, const char* tabelle, const char* spalten) {
        fs::path ordner = NeuerOrdner(name);
        ProjektAnlegen(ordner.string(), ZweiModule());
        sql::Verbindung::Oeffnen((ordner / "CodeBrindle.mdb").string())
            .Ausfuehren((std::string("DROP TABLE ") + tabelle + "; CREATE VIEW " + tabelle +
                         " AS WITH RECURSIVE r(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM r) SELECT " +
                         spalten + " FROM r")
                            .c_str());
        return ordner;
    };
    fs::path routinen = endlos("routinen", "td_rout",
                               "x AS rou_num, 1 AS mod_num, 'a' AS rou_name, 1 AS rou_typ, 0 AS rou_open, "
                               "1 AS rou_start, 2 AS rou_ende, 1 AS anz_dec_zeilen");
    fs::path module =
        endlos("module", "td_mod", "x AS mod_num, 'm' AS mod_name, 1 AS mod_typ, 1 AS mod_zeilen");
    for (const fs::path& ordner :
         {ohneDb, ohneModul, kaputt, rohr, routinen, module, fs::path("/gibt/es/nicht")}) {
        Instanz& in = I();
        in.meldungen = {};
        in.projekt.PfadSetzen(MitTrenner(ordner.string()));
        EXPECT_FALSE(ProjektLaden(in.k)) << ordner;
        ASSERT_EQ(in.meldungen.Gezeigt().size(), 1u) << ordner;
        EXPECT_EQ(in.meldungen.Gezeigt()[0].Text,
                  "Projekt in " + MitTrenner(ordner.string()) + "\r\nist nicht mehr intakt");
        EXPECT_EQ(in.meldungen.Gezeigt()[0].Symbol, MeldungsSymbol::Warnung);
        EXPECT_FALSE(in.projekt.DatenbankOffen());
        EXPECT_TRUE(in.treProjekt.Leer());
        EXPECT_EQ(in.anzeige.Status(Panel::Aktivitaet), "");
        EXPECT_FALSE(in.anzeige.Sanduhr());
    }
    EXPECT_FALSE(fs::exists(ohneDb / "CodeBrindle.mdb")) << "loading must not create a database";
}

TEST_F(ProjektLadenTest, BrokenOpenOfAnUnsavedReadGoesBackToTheWorkingFolder) {
    // The "&Neu" that follows offers to save the unsaved project: it must
    // find it in the working folder, not in the broken folder.
    I().projekt.NichtGespeichert = true;
    I().projekt.PfadSetzen(NeuerOrdner("kaputt2").string() + "/");
    EXPECT_FALSE(ProjektLaden(I().k));
    EXPECT_EQ(I().projekt.ProjektPfad(), I().z.TempPfad);
}

} // namespace
} // namespace cb::test
