// SPDX-License-Identifier: GPL-3.0-or-later
// The working area on real folders: what its clean-ups delete and never
// delete, and instances told apart by their locks, also across a kill.
#include "ProjektHilfen.h"
#include "app/Dateien.h"

#include "projects/Arbeitsbereich.h"
#include "projects/DateiListen.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace cb::test {
namespace {

namespace fs = std::filesystem;

bool Da(const fs::path& p) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(p, ec));
}

TEST(Arbeitsbereich, TwoInstancesUseTwoFoldersAndTheSecondDoesNotClean) {
    fs::path cache = NeuerOrdner("zwei");
    Instanz erste(cache.string());
    DateiSchreiben(erste.z.TempPfad + "M1.txt", "x");
    Instanz zweite(cache.string());

    EXPECT_NE(erste.z.TempPfad, zweite.z.TempPfad);
    for (const Instanz* i : {&erste, &zweite}) {
        EXPECT_TRUE(fs::is_directory(i->z.TempPfad));
        EXPECT_EQ(i->projekt.ProjektPfad(), i->z.TempPfad);
        EXPECT_EQ(fs::path(i->z.TempPfad).parent_path().parent_path(), cache / "TempDateien");
        EXPECT_TRUE(fs::path(i->z.TempPfad).parent_path().filename().string().starts_with("T_"));
    }
    EXPECT_TRUE(Da(erste.z.TempPfad + "M1.txt")) << "the second start cleaned the first one's folder";
    EXPECT_TRUE(AndereInstanzLaeuft(cache.string() + "/TempDateien/"));
}

TEST(Arbeitsbereich, StartAloneCleansLeftoversAndEndRemovesOwnFolder) {
    fs::path cache = NeuerOrdner("allein");
    fs::path alt = cache / "TempDateien" / "T_17";
    fs::create_directories(alt / "tief");
    DateiSchreiben(alt / "CodeBrindle.mdb", "alt");
    DateiSchreiben(alt / "tief" / "M1.txt", "alt");
    DateiSchreiben(cache / "TempDateien" / "TempCodeBrindle.htm", "alt");
    std::string eigener;
    {
        Instanz i(cache.string());
        EXPECT_FALSE(Da(alt)) << "leftover of an ended instance stays";
        EXPECT_FALSE(Da(cache / "TempDateien" / "TempCodeBrindle.htm"));
        eigener = i.z.TempPfad;
        DateiSchreiben(eigener + "M1.txt", "neu");
    }
    EXPECT_FALSE(Da(eigener)) << "the end leaves the instance folder";
    EXPECT_TRUE(fs::is_directory(cache / "TempDateien"));
    EXPECT_FALSE(AndereInstanzLaeuft(cache.string() + "/TempDateien/"));
}

TEST(Arbeitsbereich, CleanUpNeverFollowsALinkOutOfTheWorkingArea) {
    fs::path cache = NeuerOrdner("links");
    fs::path draussen = NeuerOrdner("draussen");
    DateiSchreiben(draussen / "wichtig.txt", "bleibt");
    fs::create_directories(draussen / "TempDateien");
    DateiSchreiben(draussen / "TempDateien" / "auch.txt", "bleibt");
    fs::path bereich = cache / "TempDateien";
    fs::create_directories(bereich / "T_5");
    fs::create_directory_symlink(draussen, bereich / "T_5" / "ordnerlink");
    fs::create_symlink(draussen / "wichtig.txt", bereich / "dateilink");

    Instanz i(cache.string());
    EXPECT_EQ(DateiInhalt(draussen / "wichtig.txt"), "bleibt");
    EXPECT_EQ(DateiInhalt(draussen / "TempDateien" / "auch.txt"), "bleibt");
    EXPECT_FALSE(Da(bereich / "dateilink"));
    EXPECT_FALSE(Da(bereich / "T_5")) << "the links themselves go, and so their folder";
}

TEST(Arbeitsbereich, AWorkingAreaThatIsItselfALinkIsNeverCleaned) {
    fs::path cache = NeuerOrdner("bereichLink");
    fs::path draussen = NeuerOrdner("woanders");
    fs::create_directories(draussen / "T_5");
    DateiSchreiben(draussen / "wichtig.txt", "bleibt");
    DateiSchreiben(draussen / "T_5" / "M1.txt", "bleibt auch");
    fs::create_directory_symlink(draussen, cache / "TempDateien");
    std::string bereich = (cache / "TempDateien").string() + "/";
    EXPECT_TRUE(DateienBaum(bereich, "*").Dateien.empty()) << "listed through the link";

    std::string eigener;
    {
        Instanz i(cache.string());
        EXPECT_EQ(Texte(i.meldungen), std::vector<std::string>{"Der Arbeitsbereich " + bereich +
                                                               "\r\nist ein symbolischer Verweis und wird "
                                                               "nicht aufgeräumt."});
        EXPECT_EQ(DateiInhalt(draussen / "wichtig.txt"), "bleibt");
        EXPECT_EQ(DateiInhalt(draussen / "T_5" / "M1.txt"), "bleibt auch");
        // Emptying the "project" at the area itself, as before the instance
        // folder exists, deletes nothing either.
        Zustand z;
        StandardWerteSetzen(z);
        TempDateienLeeren(z, bereich);
        EXPECT_TRUE(Da(draussen / "wichtig.txt"));
        eigener = i.z.TempPfad;
        DateiSchreiben(eigener + "M1.txt", "eigen");
    }
    EXPECT_FALSE(Da(eigener)) << "the instance's own folder still goes at the end";
    EXPECT_TRUE(Da(draussen / "T_5" / "M1.txt"));
    EXPECT_TRUE(fs::is_symlink(cache / "TempDateien"));
}

TEST(Arbeitsbereich, KilledInstanceIsCleanedAtTheNextLoneStart) {
    fs::path cache = NeuerOrdner("kill");
    int kanal[2];
    ASSERT_EQ(::pipe(kanal), 0);
    pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        ::close(kanal[0]);
        Zustand z;
        SpeicherImArbeitsspeicher s;
        Starten(z, s, CB_BIN_DIR, cache.string());
        AufzeichnendeMeldungen m;
        InstanzSperre sperre;
        OffenesProjekt projekt;
        bool ok = ArbeitsordnerAnlegen(z, projekt, m, sperre);
        DateiSchreiben(projekt.ProjektPfad() + "M1.txt", "vom Kind");
        std::string pfad = (ok ? "" : "!") + projekt.ProjektPfad() + "\n";
        if (::write(kanal[1], pfad.data(), pfad.size()) < 0)
            ::_exit(1);
        for (;;)
            ::pause();
    }
    ::close(kanal[1]);
    std::string kindOrdner;
    char c;
    while (::read(kanal[0], &c, 1) == 1 && c != '\n')
        kindOrdner += c;
    ::close(kanal[0]);
    ASSERT_FALSE(kindOrdner.empty());
    ASSERT_NE(kindOrdner[0], '!');
    std::string bereich = cache.string() + "/TempDateien/";

    {
        // While it runs it counts as running, and a start leaves its folder.
        EXPECT_TRUE(AndereInstanzLaeuft(bereich));
        Instanz neben(cache.string());
        EXPECT_TRUE(Da(kindOrdner + "M1.txt"));
    }
    ::kill(kind, SIGKILL);
    int status = 0;
    ::waitpid(kind, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));

    EXPECT_FALSE(AndereInstanzLaeuft(bereich));
    Instanz danach(cache.string());
    EXPECT_FALSE(Da(kindOrdner)) << "the killed instance's folder survived a lone start";
    // its stale lock went too: only the new instance's lock and the start lock stay
    std::vector<std::string> sperren;
    for (const auto& e : fs::directory_iterator(SperrOrdnerVon(bereich)))
        sperren.push_back(e.path().filename().string());
    std::sort(sperren.begin(), sperren.end());
    std::string eigene = fs::path(SperrDateiVon(bereich, danach.z.TempPfad)).filename().string();
    EXPECT_EQ(sperren, (std::vector<std::string>{eigene, "start.lock"}));
}

TEST(Arbeitsbereich, StartReadsTheRecentListAndTheOptionsAndReportsAFolderItCannotMake) {
    fs::path cache = NeuerOrdner("start");
    fs::path projekt = NeuerOrdner("projekt");
    {
        IniEinstellungsSpeicher s((cache / "einstellungen.ini").string());
        s.Schreiben("QX_Brindle\\Co_Brindle_Excel", "recent", "F0", projekt.string() + "/");
        s.Schreiben("QX_Brindle\\Co_Brindle_Excel", "optionen", "aufk", "-1");
    }
    Instanz i(cache.string());
    EXPECT_EQ(i.zuletzt[0].Tag, projekt.string() + "/");
    EXPECT_TRUE(i.z.Opt.ModullisteAufgeklappt);
    EXPECT_TRUE(i.meldungen.Gezeigt().empty());

    fs::path ohne = NeuerOrdner("ohneBereich");
    Instanz kaputt(ohne.string(), false);
    fs::remove_all(ohne / "TempDateien");
    DateiSchreiben(ohne / "TempDateien", "a file where the working area should be");
    InstanzStarten(kaputt.k, kaputt.sperre);
    ASSERT_EQ(kaputt.meldungen.Gezeigt().size(), 1u);
    EXPECT_NE(kaputt.meldungen.Gezeigt()[0].Text.find("TempDateien/T_"), std::string::npos);
    EXPECT_FALSE(kaputt.sperre.Gehalten());
}

TEST(Arbeitsbereich, AnInstanceWithoutItsLockSaysSoAndNoStartCleansBlindly) {
    // The folder of the locks cannot be made: a file stands in its place.
    fs::path cache = NeuerOrdner("ohneSperre");
    fs::path bereich = cache / "TempDateien";
    fs::path alt = bereich / "T_17";
    fs::create_directories(alt);
    DateiSchreiben(alt / "M1.txt", "vielleicht noch in Gebrauch");
    DateiSchreiben(cache / "Instanzen", "kein Ordner");

    EXPECT_TRUE(AndereInstanzLaeuft(bereich.string() + "/")) << "locks that cannot be read may be held";
    Instanz i(cache.string());
    EXPECT_TRUE(Da(alt / "M1.txt")) << "a start that cannot tell cleaned all the same";
    ASSERT_EQ(i.meldungen.Gezeigt().size(), 1u);
    const std::string& text = i.meldungen.Gezeigt()[0].Text;
    EXPECT_TRUE(
        text.starts_with("Der Arbeitsordner " + i.z.TempPfad + " kann nicht als belegt markiert werden:"))
        << text;
    EXPECT_NE(text.find("Instanzen/" + fs::path(i.z.TempPfad).parent_path().filename().string() + ".lock"),
              std::string::npos)
        << text;
    EXPECT_FALSE(i.sperre.Gehalten());
    EXPECT_TRUE(fs::is_directory(i.z.TempPfad)) << "the folder is used all the same";
}

TEST(Arbeitsbereich, ALockFileThatCannotBeOpenedCountsAsRunning) {
    fs::path cache = NeuerOrdner("unlesbar");
    std::string bereich = cache.string() + "/TempDateien/";
    fs::create_directories(SperrOrdnerVon(bereich));
    std::string datei = SperrDateiVon(bereich, bereich + "T_3/");
    {
        InstanzSperre s;
        ASSERT_TRUE(s.Nehmen(datei)); // made, then left as an ended instance leaves it
    }
    EXPECT_FALSE(AndereInstanzLaeuft(bereich)) << "a free lock is an ended instance";
    // Opened by a user who may not read it: as root, a child that gives
    // its rights up; otherwise the file loses its permissions.
    if (::geteuid() == 0) {
        pid_t kind = ::fork();
        ASSERT_GE(kind, 0);
        if (kind == 0) {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                ::_exit(2);
            ::_exit(AndereInstanzLaeuft(bereich) ? 0 : 1);
        }
        int status = 0;
        ::waitpid(kind, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "1: counted as ended, 2: rights not given up";
    } else {
        fs::permissions(datei, fs::perms::none);
        EXPECT_TRUE(AndereInstanzLaeuft(bereich));
        fs::permissions(datei, fs::perms::owner_read | fs::perms::owner_write);
    }
}

class TempDateienLeerenTest : public ::testing::Test {
protected:
    void SetUp() override {
        cache = NeuerOrdner("leeren");
        StandardWerteSetzen(z);
        z.TempPfad = cache.string() + "/TempDateien/T_9/";
        fs::create_directories(z.TempPfad + "unter");
    }
    fs::path cache;
    Zustand z;
};

TEST_F(TempDateienLeerenTest, DeletesFilesInAndBelowTheInstanceFolderOnly) {
    DateiSchreiben(z.TempPfad + "CodeBrindle.mdb", "db");
    DateiSchreiben(z.TempPfad + "unter/M1.txt", "m");
    DateiSchreiben(cache / "TempDateien" / "T_4.txt", "fremd");
    TempDateienLeeren(z, z.TempPfad);
    EXPECT_FALSE(Da(z.TempPfad + "CodeBrindle.mdb"));
    EXPECT_FALSE(Da(z.TempPfad + "unter/M1.txt"));
    EXPECT_TRUE(fs::is_directory(z.TempPfad + "unter")) << "folders stay";
    EXPECT_TRUE(Da(cache / "TempDateien" / "T_4.txt"));
}

TEST_F(TempDateienLeerenTest, LeavesSavedProjectsAloneWhateverTheirPath) {
    // Outside the working area nothing goes, even with the word in the path
    for (std::string name : {"Projekt", "TempDateien/Projekt", "tempdateien-alt"}) {
        fs::path p = NeuerOrdner("gespeichert") / name;
        fs::create_directories(p);
        DateiSchreiben(p / "CodeBrindle.mdb", "db");
        TempDateienLeeren(z, MitTrenner(p.string()));
        EXPECT_TRUE(Da(p / "CodeBrindle.mdb")) << name;
    }
}

TEST_F(TempDateienLeerenTest, WithoutInstanceFolderOnlyTheWordGuards) {
    z.TempPfad.clear();
    fs::path ohne = NeuerOrdner("ohneWort");
    DateiSchreiben(ohne / "a.txt", "bleibt");
    TempDateienLeeren(z, MitTrenner(ohne.string()));
    EXPECT_TRUE(Da(ohne / "a.txt"));
    fs::path mit = NeuerOrdner("x") / "TEMPDATEIEN";
    fs::create_directories(mit);
    DateiSchreiben(mit / "a.txt", "geht");
    TempDateienLeeren(z, MitTrenner(mit.string()));
    EXPECT_FALSE(Da(mit / "a.txt")) << "the word is compared without regard to case";
}

} // namespace
} // namespace cb::test
