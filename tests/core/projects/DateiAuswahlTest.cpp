// SPDX-License-Identifier: GPL-3.0-or-later
// The save chooser's filter text, the name cleaner and the file listings.
#include "ProjektHilfen.h"
#include "app/Dateien.h"

#include "projects/DateiListen.h"
#include "projects/SpeichernUnter.h"

namespace cb::test {
namespace {

namespace fs = std::filesystem;

TEST(SpeichernUnter, MalformedFilterIsRefusedWithoutDialog) {
    struct Fall {
        std::string filter, meldung;
    };
    for (const Fall& f :
         {Fall{"RTF-Dokument:RTF", "Bitte Filterart mit ; abschließen"},
          Fall{"", "Bitte Filterart mit ; abschließen"}, Fall{"Text;", "Doppelpunkt vergessen"},
          Fall{"A:rtf;B;", "Doppelpunkt vergessen"}}) {
        AufzeichnendeDialoge d;
        AufzeichnendeMeldungen m;
        d.speichernAntworten.push_back("/nie/gefragt.rtf");
        EXPECT_EQ(SpeichernUnter(d, m, f.filter, "RTF"), "") << f.filter;
        EXPECT_TRUE(d.speichernFragen.empty()) << f.filter;
        ASSERT_EQ(m.Gezeigt().size(), 1u) << f.filter;
        EXPECT_EQ(m.Gezeigt()[0].Text, f.meldung);
        EXPECT_EQ(m.Gezeigt()[0].Knoepfe, MeldungsKnoepfe::Ok);
    }
}

TEST(SpeichernUnter, FilterLinesAreShownLowerAndMatchedUpper) {
    AufzeichnendeMeldungen m;
    auto zeilen = FilterZeilenBilden("RTF-Dokument:RTF;Quellen:bas,cls;:;Alle:;", m);
    ASSERT_TRUE(zeilen);
    EXPECT_TRUE(m.Gezeigt().empty());
    EXPECT_EQ(*zeilen, (std::vector<FilterZeile>{
                           {"RTF-Dokument (*.rtf)", "*.RTF", {"RTF"}},
                           {"Quellen (*.bas, *.cls)", "*.BAS; *.CLS", {"bas", "cls"}},
                           {" (*.*)", "*.*", {}},
                           {"Alle (*.*)", "*.*", {}},
                       }));
}

TEST(SpeichernUnter, DialogIsAskedAsTheCallerSaidAndCancelGivesNothing) {
    AufzeichnendeDialoge d;
    AufzeichnendeMeldungen m;
    d.speichernAntworten.push_back("/doku/Modul1.rtf");
    EXPECT_EQ(SpeichernUnter(d, m, "RTF-Dokument:RTF;", "RTF", "/doku/", "Modul1"), "/doku/Modul1.rtf");
    EXPECT_EQ(SpeichernUnter(d, m, "RTF-Dokument:RTF;", "RTF", "/doku/", std::string(300, 'x')), "");
    ASSERT_EQ(d.speichernFragen.size(), 2u);
    const SpeichernDialogAnfrage& a = d.speichernFragen[0];
    EXPECT_EQ(a.Titel, "Speichern unter");
    EXPECT_EQ(a.FilterIndex, 1);
    EXPECT_EQ(a.StartOrdner, "/doku/");
    EXPECT_EQ(a.VorgeschlagenerName, "Modul1");
    EXPECT_EQ(a.StandardEndung, "RTF");
    EXPECT_TRUE(a.UeberschreibenFragen);
    EXPECT_EQ(a.Filter.size(), 1u);
    EXPECT_EQ(d.speichernFragen[1].VorgeschlagenerName, std::string(255, 'x')) << "the name buffer's length";
    EXPECT_TRUE(m.Gezeigt().empty());
}

TEST(DateinameBereinigen, RemovesTheNineCharacters) {
    std::string name = "Aus:wert*ung?";
    DateinameBereinigen(name);
    EXPECT_EQ(name, "Auswertung");
    name = "a/b\\c:d*e?f<g>h|i\"jÄ ß.";
    DateinameBereinigen(name);
    EXPECT_EQ(name, "abcdefghijÄ ß.");
}

TEST(DateienAuflisten, MatchesTheExtensionInTheFolderOnly) {
    fs::path o = NeuerOrdner("auflisten");
    std::vector<std::string> liste{"unberuehrt"};
    EXPECT_FALSE(DateienAuflisten(o.string(), "txt", liste));
    EXPECT_EQ(liste, std::vector<std::string>{"unberuehrt"});
    EXPECT_FALSE(DateienAuflisten((o / "fehlt").string(), "txt", liste));

    DateiSchreiben(o / "M1.txt", "");
    DateiSchreiben(o / "M2.TXT", "");
    DateiSchreiben(o / "CodeBrindle.mdb", "");
    DateiSchreiben(o / "txt", "");
    fs::create_directories(o / "unter.txt");
    DateiSchreiben(o / "unter.txt" / "M3.txt", "");
    ASSERT_TRUE(DateienAuflisten(o.string(), "txt", liste));
    std::sort(liste.begin(), liste.end());
    EXPECT_EQ(liste, (std::vector<std::string>{(o / "M1.txt").string(), (o / "M2.TXT").string()}));
    ASSERT_TRUE(DateienAuflisten(o.string() + "/", "*", liste));
    EXPECT_EQ(liste.size(), 4u);
}

TEST(DateienBaum, ListsEveryDepthAndTheFoldersItVisited) {
    fs::path o = NeuerOrdner("baum");
    fs::create_directories(o / "a" / "b");
    fs::create_directories(o / "c");
    DateiSchreiben(o / "x.htm", "");
    DateiSchreiben(o / "a" / "b" / "y.htm", "");
    DateiSchreiben(o / "c" / "z.txt", "");
    fs::path draussen = NeuerOrdner("baumDraussen");
    DateiSchreiben(draussen / "fremd.htm", "");
    fs::create_directory_symlink(draussen, o / "c" / "link");

    DateiBaumListe l = DateienBaum(o.string(), "htm");
    std::sort(l.Dateien.begin(), l.Dateien.end());
    EXPECT_EQ(l.Dateien,
              (std::vector<std::string>{(o / "a" / "b" / "y.htm").string(), (o / "x.htm").string()}));
    ASSERT_EQ(l.Ordner.size(), 4u) << "the link is no folder of the tree";
    EXPECT_EQ(l.Ordner[0], o.string() + "/");
    DateiBaumListe alle = DateienBaum(o.string(), "*");
    EXPECT_EQ(alle.Dateien.size(), 4u) << "the link counts as a file";
}

} // namespace
} // namespace cb::test
