// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing a saved project's folder on real folders, with every rename
// of the swap made to fail in turn: the old project is either untouched
// or, when putting it back fails as well, wholly found where the error
// says.
#include "../TestHilfen.h"
#include "../store/StoreHilfen.h"
#include "app/Dateien.h"

#include "projects/OrdnerKopieren.h"

#include <map>

namespace cb::test {
namespace {

namespace fs = std::filesystem;

// Every entry below the folder: files with their content, folders, links.
std::map<std::string, std::string> Stand(const fs::path& ordner) {
    std::map<std::string, std::string> s;
    for (auto it = fs::recursive_directory_iterator(ordner); it != fs::recursive_directory_iterator(); ++it) {
        std::string name = fs::relative(it->path(), ordner).string();
        if (it->is_symlink())
            s[name] = "-> " + fs::read_symlink(it->path()).string();
        else if (it->is_directory())
            s[name] = "<Ordner>";
        else
            s[name] = DateiInhalt(it->path());
    }
    return s;
}

// Fails the renames from step `ab` on (only that one when `einmal`);
// `ohneTausch` stands for a file system without the swap in one step.
class ScheiternderUmbenenner final : public Umbenenner {
public:
    ScheiternderUmbenenner(int ab, bool einmal, bool ohneTausch)
        : m_ab(ab), m_einmal(einmal), m_ohneTausch(ohneTausch) {}
    std::error_code Umbenennen(const fs::path& von, const fs::path& nach) override {
        if (Scheitern())
            return std::make_error_code(std::errc::io_error);
        return Umbenenner::Umbenennen(von, nach);
    }
    std::error_code Tauschen(const fs::path& a, const fs::path& b) override {
        if (m_ohneTausch)
            return std::make_error_code(std::errc::function_not_supported);
        if (Scheitern())
            return std::make_error_code(std::errc::io_error);
        return Umbenenner::Tauschen(a, b);
    }
    int schritte = 0;

private:
    bool Scheitern() {
        ++schritte;
        return m_einmal ? schritte == m_ab : schritte >= m_ab;
    }
    int m_ab;
    bool m_einmal, m_ohneTausch;
};

class OrdnerErsetzenTest : public ::testing::Test {
protected:
    void SetUp() override {
        quelle = NeuerOrdner("quelle");
        DateiSchreiben(quelle / "CodeBrindle.mdb", "neue Datenbank");
        DateiSchreiben(quelle / "M1.txt", "neu");
        neu = Stand(quelle);
    }
    // A fresh saved project in a base folder of its own.
    void AltesProjekt() {
        basis = NeuerOrdner("basis");
        ziel = basis / "Projekt";
        fs::create_directories(ziel / "Notizen" / "tief");
        DateiSchreiben(ziel / "CodeBrindle.mdb", "alte Datenbank");
        DateiSchreiben(ziel / "M1.txt", "alt");
        DateiSchreiben(ziel / "M9.txt", "alt, ohne neues Gegenstück");
        DateiSchreiben(ziel / "Notizen" / "tief" / "n.txt", "eigene Datei");
        fs::create_directories(ziel / "Bilder");
        DateiSchreiben(ziel / "Bilder" / "b.txt", "Bild");
        fs::create_symlink("gibt-es-nicht", ziel / "verwaist");
        alt = Stand(ziel);
    }
    // What the new folder must hold: the new files and the old non-files.
    std::map<std::string, std::string> Erwartet() const {
        std::map<std::string, std::string> e = neu;
        for (const auto& [name, inhalt] : alt)
            if (name.find('/') != std::string::npos || inhalt == "<Ordner>" || inhalt.starts_with("-> "))
                e[name] = inhalt;
        return e;
    }
    fs::path quelle, basis, ziel;
    std::map<std::string, std::string> neu, alt;
};

TEST_F(OrdnerErsetzenTest, ReplacesTheFilesAndKeepsWhatIsNoFile) {
    for (bool ohneTausch : {false, true}) {
        SCOPED_TRACE(ohneTausch);
        AltesProjekt();
        ScheiternderUmbenenner u(1000, false, ohneTausch);
        OrdnerErsetzen(quelle.string(), ziel.string() + "/", u);
        EXPECT_EQ(Stand(ziel), Erwartet());
        EXPECT_EQ(OrdnerEintraege(basis), std::vector<std::string>{"Projekt"}) << "no hidden folder is left";
        EXPECT_EQ(Stand(quelle), neu);
    }
}

// A subfolder that this user may not move elsewhere (someone else's, or
// read-only) stands in the way of the swap; the files are replaced in the
// folder instead.
class GesperrteOrdner final : public Umbenenner {
public:
    std::error_code Umbenennen(const fs::path& von, const fs::path& nach) override {
        std::error_code ec;
        if (fs::is_directory(fs::symlink_status(von, ec)) && von.parent_path() != nach.parent_path())
            return std::make_error_code(std::errc::permission_denied);
        ++dateien;
        return Umbenenner::Umbenennen(von, nach);
    }
    int dateien = 0;
};

TEST_F(OrdnerErsetzenTest, ASubfolderThatMayNotMoveIsReplacedInPlace) {
    AltesProjekt();
    GesperrteOrdner u;
    OrdnerErsetzen(quelle.string(), ziel.string(), u);
    EXPECT_EQ(Stand(ziel), Erwartet());
    EXPECT_EQ(OrdnerEintraege(basis), std::vector<std::string>{"Projekt"}) << "no hidden folder is left";
    EXPECT_GE(u.dateien, 2) << "the new files were renamed into the folder";
}

TEST_F(OrdnerErsetzenTest, AFailedStepLeavesTheOldFolderAsItWas) {
    for (bool ohneTausch : {false, true}) {
        for (int schritt = 1;; ++schritt) {
            SCOPED_TRACE(std::to_string(ohneTausch) + " step " + std::to_string(schritt));
            ASSERT_LT(schritt, 10) << "the replacement never got through";
            AltesProjekt();
            ScheiternderUmbenenner u(schritt, true, ohneTausch);
            try {
                OrdnerErsetzen(quelle.string(), ziel.string(), u);
            } catch (const ErsetzenFehler& e) {
                EXPECT_TRUE(e.Rest().empty()) << "one failure is always put right";
                EXPECT_NE(std::string(e.what()).find("Input/output error"), std::string::npos) << e.what();
                EXPECT_EQ(Stand(ziel), alt);
                EXPECT_EQ(OrdnerEintraege(basis), std::vector<std::string>{"Projekt"});
                continue;
            }
            EXPECT_GE(schritt, ohneTausch ? 6 : 5) << "three entries to move, then the swap";
            EXPECT_EQ(Stand(ziel), Erwartet());
            break;
        }
    }
}

TEST_F(OrdnerErsetzenTest, WhenPuttingBackFailsTooNothingIsLostAndTheErrorSaysWhere) {
    int mitRest = 0;
    for (bool ohneTausch : {false, true}) {
        for (int schritt = 1; schritt < (ohneTausch ? 6 : 5); ++schritt) {
            SCOPED_TRACE(std::to_string(ohneTausch) + " step " + std::to_string(schritt));
            AltesProjekt();
            ScheiternderUmbenenner u(schritt, false, ohneTausch);
            std::vector<std::string> rest;
            EXPECT_THROW(
                {
                    try {
                        OrdnerErsetzen(quelle.string(), ziel.string(), u);
                    } catch (const ErsetzenFehler& e) {
                        rest = e.Rest();
                        throw;
                    }
                },
                ErsetzenFehler);
            if (rest.empty()) {
                EXPECT_EQ(Stand(ziel), alt);
                EXPECT_EQ(OrdnerEintraege(basis), std::vector<std::string>{"Projekt"});
                continue;
            }
            ++mitRest;
            // Each old entry is still somewhere the error names, or in place.
            std::vector<std::map<std::string, std::string>> orte;
            if (fs::exists(ziel))
                orte.push_back(Stand(ziel));
            for (const std::string& r : rest) {
                EXPECT_EQ(fs::path(r).parent_path(), basis) << r;
                orte.push_back(Stand(r));
            }
            for (const auto& [name, inhalt] : alt) {
                bool gefunden = std::any_of(orte.begin(), orte.end(), [&](const auto& ort) {
                    auto it = ort.find(name);
                    return it != ort.end() && it->second == inhalt;
                });
                EXPECT_TRUE(gefunden) << name << " is lost";
            }
        }
    }
    EXPECT_EQ(mitRest, 7) << "every step after the first move needs putting back";
}

TEST_F(OrdnerErsetzenTest, ALinkToTheProjectStaysALinkToIt) {
    AltesProjekt();
    fs::path link = NeuerOrdner("links") / "Projekt";
    fs::create_directory_symlink(ziel, link);
    OrdnerErsetzen(quelle.string(), link.string() + "/");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Stand(ziel), Erwartet());
}

// The folder saved is a working copy the program wrote; a link in it was put
// there by someone else, and what it names is not copied into the saved
// project. The save fails naming it and leaves the old project.
TEST_F(OrdnerErsetzenTest, ALinkAmongTheFilesSavedIsNotFollowed) {
    AltesProjekt();
    const fs::path fremd = NeuerOrdner("fremd") / "geheim.txt";
    DateiSchreiben(fremd, "geheim");
    fs::create_symlink(fremd, quelle / "M2.txt");
    try {
        OrdnerErsetzen(quelle.string(), ziel.string() + "/");
        ADD_FAILURE() << "saved through a link";
    } catch (const ErsetzenFehler& e) {
        EXPECT_NE(std::string(e.what()).find((quelle / "M2.txt").string()), std::string::npos) << e.what();
        EXPECT_TRUE(e.Rest().empty());
    }
    EXPECT_EQ(Stand(ziel), alt);
    EXPECT_EQ(OrdnerEintraege(basis), std::vector<std::string>{"Projekt"});

    const fs::path leer = NeuerOrdner("kopie_leer");
    EXPECT_THROW(OrdnerKopieren(quelle.string(), leer.string()), std::runtime_error);
    for (const auto& [name, inhalt] : Stand(leer))
        EXPECT_NE(inhalt, "geheim") << name;
}

} // namespace
} // namespace cb::test
