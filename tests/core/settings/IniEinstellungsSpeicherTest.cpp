// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file: values survive a new object, sections stay apart,
// awkward text survives, and a write that fails loses nothing in memory.
#include "../TestHilfen.h"
#include "../store/StoreHilfen.h"
#include "app/Dateien.h"

#include "settings/IniEinstellungsSpeicher.h"

#include <vector>

namespace cb::test {
namespace {

namespace fs = std::filesystem;

const std::string App = "QX_Brindle\\Co_Brindle_Excel";

TEST(IniEinstellungsSpeicher, ValuesSurviveInOrderOfFirstWrite) {
    std::string datei = (NeuerOrdner("ini") / "unter" / "e.ini").string();
    {
        IniEinstellungsSpeicher s(datei);
        s.Schreiben(App, "recent", "F1", "/b/");
        s.Schreiben(App, "recent", "F0", "/a/");
        s.Schreiben(App, "optionen", "tab", "5");
        s.Schreiben(App, "recent", "F1", "/c/");
        s.Schreiben("QX_Brindle\\Co_Brindle_Word", "recent", "F0", "/word/");
        EXPECT_TRUE(s.Gesichert());
    }
    IniEinstellungsSpeicher s(datei);
    EXPECT_EQ(s.Alle(App, "recent"), (EinstellungsPaare{{"F1", "/c/"}, {"F0", "/a/"}}));
    EXPECT_EQ(s.Lesen(App, "optionen", "tab"), "5");
    EXPECT_EQ(s.Lesen("QX_Brindle\\Co_Brindle_Word", "recent", "F0"), "/word/");
    EXPECT_EQ(s.Lesen(App, "optionen", "fehlt"), "");
}

TEST(IniEinstellungsSpeicher, DeletedSectionStaysDeleted) {
    std::string datei = (NeuerOrdner("ini") / "e.ini").string();
    {
        IniEinstellungsSpeicher s(datei);
        s.Schreiben(App, "recent", "F0", "/a/");
        s.Schreiben(App, "proj", "proj_pf", "/p/");
        s.AbschnittLoeschen(App, "recent");
        s.AbschnittLoeschen(App, "gibtsnicht");
    }
    IniEinstellungsSpeicher s(datei);
    EXPECT_TRUE(s.Alle(App, "recent").empty());
    EXPECT_EQ(s.Lesen(App, "proj", "proj_pf"), "/p/");
}

TEST(IniEinstellungsSpeicher, AnyTextSurvives) {
    std::string datei = (NeuerOrdner("ini") / "e.ini").string();
    const std::string wert = "a=b|c\r\n[x]\n%41 Grüße \\ Ÿ";
    const std::string schluessel = "k=[1]|%";
    {
        IniEinstellungsSpeicher s(datei);
        s.Schreiben(App, "ab|schnitt]", schluessel, wert);
    }
    IniEinstellungsSpeicher s(datei);
    EXPECT_EQ(s.Lesen(App, "ab|schnitt]", schluessel), wert);
    EXPECT_EQ(s.Alle(App, "ab|schnitt]").size(), 1u);
}

TEST(IniEinstellungsSpeicher, MissingOrForeignFileIsAnEmptyStore) {
    fs::path ordner = NeuerOrdner("ini");
    IniEinstellungsSpeicher fehlt((ordner / "nicht_da.ini").string());
    EXPECT_TRUE(fehlt.Alle(App, "recent").empty());
    DateiSchreiben(ordner / "fremd.ini", "garbage\n[ohne Trenner]\nx=1\n=\n[A|b]\nk=v\n");
    IniEinstellungsSpeicher fremd((ordner / "fremd.ini").string());
    EXPECT_EQ(fremd.Lesen("A", "b", "k"), "v");
}

TEST(IniEinstellungsSpeicher, UnwritableFileKeepsValuesInMemory) {
    fs::path ordner = NeuerOrdner("ini");
    fs::create_directories(ordner / "e.ini"); // a folder where the file should go
    IniEinstellungsSpeicher s((ordner / "e.ini").string());
    s.Schreiben(App, "recent", "F0", "/a/");
    EXPECT_FALSE(s.Gesichert());
    EXPECT_EQ(s.Lesen(App, "recent", "F0"), "/a/");
    EXPECT_TRUE(fs::is_directory(ordner / "e.ini"));
}

TEST(IniEinstellungsSpeicher, APrivateOrLinkedFileStaysSoAfterAWrite) {
    fs::path ordner = NeuerOrdner("ini");
    DateiSchreiben(ordner / "echt.ini", "");
    fs::permissions(ordner / "echt.ini", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("echt.ini", ordner / "e.ini");
    IniEinstellungsSpeicher s((ordner / "e.ini").string());
    s.Schreiben(App, "recent", "F0", "/a/");
    EXPECT_TRUE(s.Gesichert());
    EXPECT_TRUE(fs::is_symlink(ordner / "e.ini"));
    EXPECT_EQ(fs::status(ordner / "echt.ini").permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(IniEinstellungsSpeicher((ordner / "echt.ini").string()).Lesen(App, "recent", "F0"), "/a/");
    EXPECT_EQ(OrdnerEintraege(ordner), (std::vector<std::string>{"e.ini", "echt.ini"}));
}

} // namespace
} // namespace cb::test
