// SPDX-License-Identifier: GPL-3.0-or-later
// Saving projects into folders of their own: the questions, the copy, and
// what stays when the target is refused or the copy fails half way.
#include "../KleinesDateisystem.h"
#include "ProjektHilfen.h"
#include "app/Dateien.h"

#include "projects/ProjektDateien.h"

#include <map>

namespace cb::test {
namespace {

namespace fs = std::filesystem;

class ProjektSpeichernTest : public ::testing::Test {
protected:
    void SetUp() override {
        i = std::make_unique<Instanz>(NeuerOrdner("speichern").string());
        I().z.ProjektOrdner = NeuerOrdner("projekte").string() + "/";
        // A project just read from the host, shown from the working folder
        ProjektAnlegen(I().z.TempPfad, ZweiModule());
        I().projekt.PfadSetzen(I().z.TempPfad);
        I().projekt.DatenbankOeffnen();
        I().treApp.Tag = "VBAProject";
        gelesen = Dateien(I().z.TempPfad);
    }
    Instanz& I() { return *i; }
    /// Scripts the base folder and the name of the next save.
    void Antworten(const std::string& basis, const std::string& name) {
        I().dialoge.ordnerAntworten.push_back(basis);
        I().dialoge.eingabeAntworten.push_back(name);
    }
    /// A saved project somewhere else, holding other content.
    std::string AltesProjekt(const std::string& ordner) {
        fs::create_directories(ordner);
        ProjektAnlegen(ordner, {{"Alt", ModulStandard, "Sub Alt()\r\nEnd Sub"}});
        DateiSchreiben(fs::path(ordner) / "M9.txt", "alt");
        fs::create_directories(fs::path(ordner) / "Notizen");
        DateiSchreiben(fs::path(ordner) / "Notizen" / "n.txt", "eigene Datei");
        return MitTrenner(ordner);
    }

    std::unique_ptr<Instanz> i;
    std::map<std::string, std::string> gelesen;
};

TEST_F(ProjektSpeichernTest, UnsavedProjectMovesIntoItsFolder) {
    Antworten(I().z.ProjektOrdner, "Aus:wert*ung?");
    ASSERT_TRUE(Gespeichert(I().k));
    std::string ziel = I().z.ProjektOrdner + "Auswertung/";
    EXPECT_EQ(I().dialoge.ordnerFragen[0].Titel, "Bitte Projektpfad auswählen");
    EXPECT_EQ(I().dialoge.ordnerFragen[0].Start, I().z.ProjektOrdner);
    ASSERT_EQ(I().dialoge.eingabeFragen.size(), 1u);
    EXPECT_EQ(I().dialoge.eingabeFragen[0].Aufforderung, "Bitte Projektnamen angeben");
    EXPECT_EQ(I().dialoge.eingabeFragen[0].Titel, "Projektname");
    EXPECT_EQ(I().dialoge.eingabeFragen[0].Vorgabe, "VBAProject");
    EXPECT_TRUE(I().meldungen.Gezeigt().empty());

    EXPECT_EQ(Dateien(ziel), gelesen);
    EXPECT_TRUE(Dateien(I().z.TempPfad).empty()) << "the working copy goes";
    EXPECT_EQ(I().projekt.ProjektPfad(), ziel);
    EXPECT_TRUE(I().projekt.DatenbankOffen());
    EXPECT_EQ(I().projekt.DatenbankPfad(), ziel + "CodeBrindle.mdb");
    EXPECT_EQ(I().anzeige.Titel(), I().z.ProgrammTitel + " Projekt: Auswertung");
    EXPECT_FALSE(I().projekt.NichtGespeichert);
    EXPECT_EQ(I().zuletzt[0].Tag, ziel);
}

TEST_F(ProjektSpeichernTest, StandardFolderIsTakenWithoutAsking) {
    I().z.Opt.StandardImmer = true;
    I().dialoge.eingabeAntworten.push_back("Std");
    ASSERT_TRUE(Gespeichert(I().k));
    EXPECT_TRUE(I().dialoge.ordnerFragen.empty());
    EXPECT_EQ(I().projekt.ProjektPfad(), I().z.ProjektOrdner + "Std/");

    I().z.ProjektOrdner = "/gibt/es/nicht/"; // then the chooser asks after all
    I().dialoge.eingabeAntworten.push_back("Nie");
    EXPECT_FALSE(Gespeichert(I().k));
    EXPECT_EQ(I().dialoge.ordnerFragen.size(), 1u);
}

TEST_F(ProjektSpeichernTest, NoFolderOrNoUsableNameSavesNothing) {
    EXPECT_FALSE(Gespeichert(I().k)); // folder chooser cancelled
    EXPECT_TRUE(I().dialoge.eingabeFragen.empty());
    for (std::string name : {"", "::?", ".", "..", "/.."}) {
        Antworten(I().z.ProjektOrdner, name);
        EXPECT_FALSE(Gespeichert(I().k)) << name;
    }
    EXPECT_TRUE(I().meldungen.Gezeigt().empty());
    EXPECT_TRUE(fs::is_empty(I().z.ProjektOrdner));
    EXPECT_EQ(Dateien(I().z.TempPfad), gelesen);
    EXPECT_EQ(I().projekt.ProjektPfad(), I().z.TempPfad);
    EXPECT_TRUE(I().projekt.DatenbankOffen());
}

TEST_F(ProjektSpeichernTest, SavingAnOpenedProjectLeavesItsOldFolder) {
    Antworten(I().z.ProjektOrdner, "Erst");
    ASSERT_TRUE(Gespeichert(I().k));
    Antworten(I().z.ProjektOrdner, "Zweit");
    ASSERT_TRUE(Gespeichert(I().k));
    EXPECT_EQ(Dateien(I().z.ProjektOrdner + "Erst"), gelesen);
    EXPECT_EQ(Dateien(I().z.ProjektOrdner + "Zweit"), gelesen);
    EXPECT_EQ(I().zuletzt[0].Tag, I().z.ProjektOrdner + "Zweit/");
    EXPECT_EQ(I().zuletzt[1].Tag, I().z.ProjektOrdner + "Erst/");
}

TEST_F(ProjektSpeichernTest, ExistingProjectIsReplacedOnlyWhenConfirmed) {
    std::string ziel = AltesProjekt(I().z.ProjektOrdner + "Vorhanden");
    auto alt = Dateien(ziel);

    Antworten(I().z.ProjektOrdner, "Vorhanden");
    I().meldungen.Antworten(MeldungsAntwort::Nein);
    EXPECT_FALSE(Gespeichert(I().k));
    ASSERT_EQ(I().meldungen.Gezeigt().size(), 1u);
    const auto& frage = I().meldungen.Gezeigt()[0];
    EXPECT_EQ(frage.Text, "Ein Projekt:\r\n" + ziel + "\r\nexistiert schon\r\nÜberschreiben ?");
    EXPECT_EQ(frage.Symbol, MeldungsSymbol::Frage);
    EXPECT_EQ(frage.Knoepfe, MeldungsKnoepfe::JaNein);
    EXPECT_EQ(Dateien(ziel), alt);
    EXPECT_EQ(I().projekt.ProjektPfad(), I().z.TempPfad);

    Antworten(I().z.ProjektOrdner, "Vorhanden");
    I().meldungen.Antworten(MeldungsAntwort::Ja);
    ASSERT_TRUE(Gespeichert(I().k));
    EXPECT_EQ(Dateien(ziel), gelesen) << "the old module file M9.txt must go";
    EXPECT_EQ(DateiInhalt(fs::path(ziel) / "Notizen" / "n.txt"), "eigene Datei") << "subfolders stay";
    std::vector<std::string> eintraege;
    for (const auto& e : fs::directory_iterator(ziel))
        eintraege.push_back(e.path().filename().string());
    EXPECT_EQ(eintraege.size(), gelesen.size() + 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(I().z.ProjektOrdner), fs::directory_iterator()), 1)
        << "no staging folder is left";
}

TEST_F(ProjektSpeichernTest, SavingOntoItsOwnFolderIsRefused) {
    Antworten(I().z.ProjektOrdner, "Selbst");
    ASSERT_TRUE(Gespeichert(I().k));
    std::string selbst = I().projekt.ProjektPfad();
    auto vorher = Dateien(selbst);
    I().meldungen = {};
    Antworten(I().z.ProjektOrdner + ".", "Selbst"); // another spelling of the same folder
    EXPECT_FALSE(Gespeichert(I().k));
    ASSERT_EQ(I().meldungen.Gezeigt().size(), 1u) << "refused before the overwrite question";
    EXPECT_NE(I().meldungen.Gezeigt()[0].Text.find("Das Projekt liegt bereits in"), std::string::npos);
    EXPECT_EQ(Dateien(selbst), vorher);
    EXPECT_EQ(I().projekt.ProjektPfad(), selbst);
    EXPECT_TRUE(I().projekt.DatenbankOffen());
}

TEST_F(ProjektSpeichernTest, WorkingAreaIsNoPlaceForAProject) {
    Antworten(I().z.TempPfad, "Drin");
    EXPECT_FALSE(Gespeichert(I().k));
    ASSERT_EQ(I().meldungen.Gezeigt().size(), 1u);
    EXPECT_NE(I().meldungen.Gezeigt()[0].Text.find("kann kein Projekt gespeichert werden"),
              std::string::npos);
    EXPECT_FALSE(fs::exists(I().z.TempPfad + "Drin"));
    EXPECT_EQ(Dateien(I().z.TempPfad), gelesen);
}

// Gives folders their rights back at the end, so that they can be removed.
class RechteZurueck {
public:
    ~RechteZurueck() {
        std::error_code ec;
        for (const fs::path& p : m_ordner)
            fs::permissions(p, fs::perms::owner_all, fs::perm_options::add, ec);
    }
    void NurLesen(const fs::path& p) {
        m_ordner.push_back(p);
        fs::permissions(p, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                               fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    }

private:
    std::vector<fs::path> m_ordner;
};

TEST_F(ProjektSpeichernTest, ReadOnlyTargetLeavesBothProjectsAsTheyWere) {
    // A read-only file system where root may mount one; otherwise folders
    // without write rights, which bind every user but root.
    fs::path ort = NeuerOrdner("nurLesen");
    KleinesDateisystem klein(ort, 4 << 20);
    if (!klein.Bereit() && ::geteuid() == 0)
        GTEST_SKIP() << "root can mount no tmpfs here, and write rights do not bind root";
    std::string ziel = AltesProjekt((ort / "Vorhanden").string());
    auto alt = Dateien(ziel);
    RechteZurueck rechte;
    if (klein.Bereit()) {
        ASSERT_TRUE(klein.NurLesen());
    } else {
        rechte.NurLesen(ziel);
        rechte.NurLesen(ort);
    }

    Antworten(ort.string(), "Vorhanden");
    I().meldungen.Antworten(MeldungsAntwort::Ja);
    EXPECT_FALSE(Gespeichert(I().k));
    ASSERT_EQ(I().meldungen.Gezeigt().size(), 2u);
    const std::string& text = I().meldungen.Gezeigt()[1].Text;
    EXPECT_TRUE(text.starts_with("Das Projekt konnte nicht gespeichert werden:")) << text;
    EXPECT_NE(text.find("ist unverändert"), std::string::npos) << text;
    EXPECT_EQ(Dateien(ziel), alt);
    EXPECT_EQ(Dateien(I().z.TempPfad), gelesen) << "the unsaved project is not lost";
    EXPECT_EQ(I().projekt.ProjektPfad(), I().z.TempPfad);
    EXPECT_TRUE(I().projekt.DatenbankOffen()) << "the project goes on where it was";

    Antworten(ort.string(), "Neu");
    EXPECT_FALSE(Gespeichert(I().k));
    EXPECT_FALSE(fs::exists(ort / "Neu"));
    EXPECT_EQ(I().meldungen.Gezeigt().size(), 3u);
}

TEST_F(ProjektSpeichernTest, FullDiskLeavesTheOldProjectAndNoHalfCopy) {
    fs::path ort = NeuerOrdner("voll");
    CB_KLEINES_DATEISYSTEM(fs_, ort, 512 << 10);
    std::string ziel = AltesProjekt((ort / "Vorhanden").string());
    auto alt = Dateien(ziel);
    // A project larger than what is left on the small disk
    DateiSchreiben(fs::path(I().z.TempPfad) / "Gross.bin", std::string(1 << 20, 'x'));
    gelesen = Dateien(I().z.TempPfad);

    Antworten(ort.string(), "Vorhanden");
    I().meldungen.Antworten(MeldungsAntwort::Ja);
    EXPECT_FALSE(Gespeichert(I().k));
    ASSERT_EQ(I().meldungen.Gezeigt().size(), 2u);
    EXPECT_NE(I().meldungen.Gezeigt()[1].Text.find("Kein Platz mehr auf dem Datenträger"), std::string::npos)
        << I().meldungen.Gezeigt()[1].Text;
    EXPECT_EQ(Dateien(ziel), alt);
    EXPECT_EQ(std::distance(fs::directory_iterator(ziel), fs::directory_iterator()),
              static_cast<std::ptrdiff_t>(alt.size() + 1))
        << "a staging folder was left";
    EXPECT_EQ(std::distance(fs::directory_iterator(ort), fs::directory_iterator()), 1)
        << "a staging folder was left";

    Antworten(ort.string(), "Neu");
    EXPECT_FALSE(Gespeichert(I().k));
    EXPECT_FALSE(fs::exists(ort / "Neu")) << "the half copy of a new folder stays";
    EXPECT_EQ(Dateien(I().z.TempPfad), gelesen);
    EXPECT_EQ(I().projekt.ProjektPfad(), I().z.TempPfad);
    EXPECT_FALSE(I().zuletzt[0].Sichtbar);
}

TEST_F(ProjektSpeichernTest, UnreadableFileLeavesTheOldProject) {
    // A file whose reading fails for every user, root too: a link to the
    // memory of the reading process, which has nothing mapped at its start.
    // Without read rights as the second case where those bind.
    std::vector<std::string> arten{"Speicher"};
    if (::geteuid() != 0)
        arten.push_back("Rechte");
    std::string ziel = AltesProjekt(I().z.ProjektOrdner + "Vorhanden");
    auto alt = Dateien(ziel);
    for (const std::string& art : arten) {
        SCOPED_TRACE(art);
        I().meldungen = {};
        fs::path datei = fs::path(I().z.TempPfad) / "M3.txt";
        if (art == "Speicher") {
            if (!fs::exists("/proc/self/mem"))
                GTEST_SKIP() << "no /proc/self/mem here";
            fs::create_symlink("/proc/self/mem", datei);
        } else {
            DateiSchreiben(datei, "geheim");
            fs::permissions(datei, fs::perms::none);
        }
        Antworten(I().z.ProjektOrdner, "Vorhanden");
        I().meldungen.Antworten(MeldungsAntwort::Ja);
        EXPECT_FALSE(Gespeichert(I().k));
        fs::remove(datei);

        ASSERT_EQ(I().meldungen.Gezeigt().size(), 2u);
        const std::string& text = I().meldungen.Gezeigt()[1].Text;
        EXPECT_NE(text.find("Datei nicht lesbar: " + datei.string()), std::string::npos) << text;
        EXPECT_NE(text.find("ist unverändert"), std::string::npos) << text;
        EXPECT_EQ(Dateien(ziel), alt);
        EXPECT_EQ(std::distance(fs::directory_iterator(I().z.ProjektOrdner), fs::directory_iterator()), 1)
            << "the half copy was left";
        EXPECT_EQ(Dateien(I().z.TempPfad), gelesen) << "the unsaved project is not lost";
        EXPECT_EQ(I().projekt.ProjektPfad(), I().z.TempPfad);
        EXPECT_TRUE(I().projekt.DatenbankOffen());
    }
}

} // namespace
} // namespace cb::test
