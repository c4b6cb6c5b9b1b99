// SPDX-License-Identifier: GPL-3.0-or-later
// The recent list in a settings file: order, length, vanished folders and
// the menu items that mirror it.
#include "ProjektHilfen.h"

#include "projects/ZuletztListe.h"

namespace cb::test {
namespace {

namespace fs = std::filesystem;

class ZuletztListeTest : public ::testing::Test {
protected:
    void SetUp() override {
        basis = NeuerOrdner("zuletzt");
        StandardWerteSetzen(z);
        datei = (basis / "einstellungen.ini").string();
    }
    std::string Projekt(const std::string& name) {
        fs::create_directories(basis / name);
        return (basis / name).string() + "/";
    }
    std::vector<std::string> Gespeichert(const EinstellungsSpeicher& s) {
        std::vector<std::string> werte;
        for (const auto& [k, v] : AlleEinstellungen(z.EinstellungsName, s, "recent")) {
            EXPECT_EQ(k, "F" + std::to_string(werte.size()));
            werte.push_back(v);
        }
        return werte;
    }
    fs::path basis;
    std::string datei;
    Zustand z;
    ZuletztMenue menue;
};

TEST_F(ZuletztListeTest, OpeningAnEntryMovesItToTheTopAndKeepsTheRest) {
    IniEinstellungsSpeicher s(datei);
    std::vector<std::string> p;
    for (int i = 0; i < 6; ++i)
        p.push_back(Projekt("P" + std::to_string(i)));
    for (int i = 5; i >= 0; --i)
        ZuletztEintragen(z.EinstellungsName, s, menue, p[i]);
    ASSERT_EQ(Gespeichert(s), (std::vector<std::string>{p[0], p[1], p[2], p[3], p[4], p[5]}));

    ZuletztEintragen(z.EinstellungsName, s, menue, p[3]);
    EXPECT_EQ(Gespeichert(s), (std::vector<std::string>{p[3], p[0], p[1], p[2], p[4], p[5]}));
    EXPECT_EQ(menue[0], (ZuletztMenuePunkt{"&0 - P3", p[3], true}));
    EXPECT_EQ(menue[3], (ZuletztMenuePunkt{"&3 - P2", p[2], true}));
    EXPECT_EQ(menue[5], (ZuletztMenuePunkt{"&5 - P5", p[5], true}));
    EXPECT_FALSE(menue[6].Sichtbar);

    // The file holds the same list for the next start
    IniEinstellungsSpeicher wieder(datei);
    ZuletztMenue neu;
    ZuletztLaden(z.EinstellungsName, wieder, neu);
    EXPECT_EQ(neu, menue);
}

TEST_F(ZuletztListeTest, TenEntriesAndANewOneDropTheOldest) {
    IniEinstellungsSpeicher s(datei);
    std::vector<std::string> p;
    for (int i = 0; i < 11; ++i)
        p.push_back(Projekt("P" + std::to_string(i)));
    for (int i = 0; i < 11; ++i)
        ZuletztEintragen(z.EinstellungsName, s, menue, p[i]);
    std::vector<std::string> erwartet;
    for (int i = 10; i >= 1; --i)
        erwartet.push_back(p[i]);
    EXPECT_EQ(Gespeichert(s), erwartet);
    EXPECT_EQ(menue[9].Tag, p[1]);
}

TEST_F(ZuletztListeTest, VanishedFolderIsHiddenAtStartAndDroppedAtTheNextRewrite) {
    IniEinstellungsSpeicher s(datei);
    std::string a = Projekt("A"), b = Projekt("B"), c = Projekt("C");
    for (const auto& p : {c, b, a})
        ZuletztEintragen(z.EinstellungsName, s, menue, p);
    fs::remove_all(b);

    ZuletztMenue start;
    ZuletztLaden(z.EinstellungsName, s, start);
    EXPECT_EQ(start[0].Tag, a);
    EXPECT_EQ(start[1], (ZuletztMenuePunkt{"&1 - C", c, true})) << "the items close up";
    EXPECT_FALSE(start[2].Sichtbar);
    EXPECT_EQ(Gespeichert(s).size(), 3u) << "loading does not rewrite the list";

    std::string d = Projekt("D");
    ZuletztEintragen(z.EinstellungsName, s, start, d);
    EXPECT_EQ(Gespeichert(s), (std::vector<std::string>{d, a, c}));
    EXPECT_FALSE(start[3].Sichtbar);
}

TEST_F(ZuletztListeTest, FolderNameIsTheLastComponent) {
    EXPECT_EQ(OrdnerNameVon("/home/u/Projekte/Auswertung/"), "Auswertung");
    EXPECT_EQ(OrdnerNameVon("/home/u/Projekte/Auswertung"), "Auswertung");
    EXPECT_EQ(OrdnerNameVon("/Grüße/"), "Grüße");
}

TEST_F(ZuletztListeTest, EntriesCompareExactly) {
    // Another spelling of the same path is another entry, as the settings hold it
    IniEinstellungsSpeicher s(datei);
    std::string a = Projekt("A");
    ZuletztEintragen(z.EinstellungsName, s, menue, a);
    ZuletztEintragen(z.EinstellungsName, s, menue, a);
    EXPECT_EQ(Gespeichert(s), (std::vector<std::string>{a}));
    std::string anders = (basis / "." / "A").string() + "/";
    ZuletztEintragen(z.EinstellungsName, s, menue, anders);
    EXPECT_EQ(Gespeichert(s), (std::vector<std::string>{anders, a}));
}

} // namespace
} // namespace cb::test
