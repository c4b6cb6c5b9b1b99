// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DateiErsetzen.h"

#include "app/Fehler.h"

#include "../TestHilfen.h"
#include "../store/StoreHilfen.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using namespace cb;

namespace {

using test::DateiInhalt;
using test::DateiSchreiben;
using test::NeuerOrdner;
using test::OrdnerEintraege;

unsigned Rechte(const fs::path& p) {
    struct stat s {};
    EXPECT_EQ(::stat(p.c_str(), &s), 0);
    return s.st_mode & 07777;
}

// Longer than one buffer of the copy, and no run repeats it.
std::string Gross() {
    std::string s;
    for (int i = 0; s.size() < 200000; ++i)
        s += std::to_string(i * 7919) + (i % 13 == 0 ? "\r\n" : " ");
    return s;
}

std::string Meldung(const std::function<void()>& aufruf) {
    try {
        aufruf();
    } catch (const cb::Fehler& f) {
        return f.what();
    }
    return "(keine Ausnahme)";
}

} // namespace

TEST(DateiErsetzenDurchKopie, ErsetztDenInhaltUndBehaeltRechteUndVerweis) {
    fs::path o = NeuerOrdner("kopie");
    const std::string neu = Gross();
    DateiSchreiben(o / "quelle", neu);
    ::chmod((o / "quelle").c_str(), 0644);
    DateiSchreiben(o / "ziel", std::string(300000, 'x')); // longer: no tail of it may stay
    ::chmod((o / "ziel").c_str(), 0600);
    fs::create_symlink("ziel", o / "verweis");

    cb::DateiErsetzenDurchKopie((o / "verweis").string(), (o / "quelle").string());
    EXPECT_TRUE(fs::is_symlink(o / "verweis"));
    EXPECT_EQ(DateiInhalt(o / "ziel"), neu);
    EXPECT_EQ(Rechte(o / "ziel"), 0600u);
    EXPECT_EQ(OrdnerEintraege(o), (std::vector<std::string>{"quelle", "verweis", "ziel"}));
}

TEST(DateiErsetzenDurchKopie, EineNeueDateiBekommtDieRechteDerQuelle) {
    fs::path o = NeuerOrdner("kopie_neu");
    DateiSchreiben(o / "quelle", "abc");
    ::chmod((o / "quelle").c_str(), 0640);
    const mode_t maske = ::umask(022);
    cb::DateiErsetzenDurchKopie((o / "ziel").string(), (o / "quelle").string());
    ::umask(maske);
    EXPECT_EQ(DateiInhalt(o / "ziel"), "abc");
    EXPECT_EQ(Rechte(o / "ziel"), 0640u);
}

TEST(DateiErsetzenDurchKopie, JederFehlschlagLaesstDieAlteDateiWieSieWar) {
    fs::path o = NeuerOrdner("kopie_fehler");
    DateiSchreiben(o / "quelle", Gross());
    DateiSchreiben(o / "ziel", "alt");
    const std::string ziel = (o / "ziel").string();

    // vorher sees the copy complete and the old file still in place; what
    // it throws reaches the caller, and nothing is replaced.
    bool gerufen = false;
    try {
        cb::DateiErsetzenDurchKopie(ziel, (o / "quelle").string(), cb::Dauerhaft::Ja, [&] {
            gerufen = true;
            EXPECT_EQ(DateiInhalt(ziel), "alt");
            std::vector<std::string> namen = OrdnerEintraege(o);
            ASSERT_EQ(namen.size(), 3u);
            EXPECT_EQ(DateiInhalt(o / namen[0]), DateiInhalt(o / "quelle")) << namen[0];
            throw std::logic_error("vorher gescheitert");
        });
        ADD_FAILURE() << "the exception of vorher was swallowed";
    } catch (const std::logic_error& e) {
        EXPECT_STREQ(e.what(), "vorher gescheitert");
    }
    EXPECT_TRUE(gerufen);
    EXPECT_EQ(DateiInhalt(ziel), "alt");
    EXPECT_EQ(OrdnerEintraege(o), (std::vector<std::string>{"quelle", "ziel"}));

    const std::string fehlt = (o / "fehlt").string();
    EXPECT_EQ(Meldung([&] { cb::DateiErsetzenDurchKopie(ziel, fehlt); }),
              "Datei nicht lesbar: " + fehlt + ": " + std::strerror(ENOENT));
    EXPECT_EQ(Meldung([&] { cb::DateiErsetzenDurchKopie(ziel, o.string()); }),
              "Datei nicht lesbar: " + o.string() + ": " + std::strerror(EISDIR));
    const std::string ohneOrdner = (o / "fehlt" / "ziel").string();
    EXPECT_EQ(Meldung([&] { cb::DateiErsetzenDurchKopie(ohneOrdner, (o / "quelle").string()); }),
              "Datei nicht schreibbar: " + ohneOrdner + ": " + std::strerror(ENOENT));
    EXPECT_EQ(DateiInhalt(ziel), "alt");
    EXPECT_EQ(OrdnerEintraege(o), (std::vector<std::string>{"quelle", "ziel"}));
}

TEST(DateiErsetzenDurchKopie, EinLesefehlerMittenInDerKopieLaesstDieAlteDatei) {
    // The process's own memory at address 0 opens as a file, but reading
    // it fails: a source that breaks off after the new file was begun.
    if (::access("/proc/self/mem", R_OK) != 0)
        GTEST_SKIP() << "no /proc/self/mem";
    fs::path o = NeuerOrdner("kopie_lesefehler");
    DateiSchreiben(o / "ziel", "alt");
    const std::string m =
        Meldung([&] { cb::DateiErsetzenDurchKopie((o / "ziel").string(), "/proc/self/mem"); });
    EXPECT_EQ(m.rfind("Datei nicht lesbar: /proc/self/mem: ", 0), 0u) << m;
    EXPECT_EQ(DateiInhalt(o / "ziel"), "alt");
    EXPECT_EQ(OrdnerEintraege(o), (std::vector<std::string>{"ziel"}));
}

TEST(DateiErsetzen, EinOrdnerAnStelleDerDateiBleibtUndWirdGenannt) {
    fs::path o = NeuerOrdner("bytes_ordner");
    fs::create_directory(o / "ziel");
    const std::string ziel = (o / "ziel").string();
    EXPECT_EQ(Meldung([&] { cb::DateiErsetzen(ziel, "neu"); }),
              "Datei nicht schreibbar: " + ziel + ": " + std::strerror(EISDIR));
    EXPECT_TRUE(fs::is_directory(ziel));
    EXPECT_EQ(OrdnerEintraege(o), (std::vector<std::string>{"ziel"}));
}

TEST(DateiKopieren, KopiertGanzUndUeberschreibtOhneRest) {
    fs::path o = NeuerOrdner("kopieren");
    const std::string inhalt = Gross();
    DateiSchreiben(o / "von", inhalt);
    DateiSchreiben(o / "nach", std::string(inhalt.size() + 5000, 'x'));
    cb::DateiKopieren((o / "von").string(), (o / "nach").string());
    EXPECT_EQ(DateiInhalt(o / "nach"), inhalt);

    const std::string fehlt = (o / "fehlt").string();
    EXPECT_EQ(Meldung([&] { cb::DateiKopieren(fehlt, (o / "nach").string()); }),
              "Datei nicht lesbar: " + fehlt + ": " + std::strerror(ENOENT));
    EXPECT_EQ(DateiInhalt(o / "nach"), inhalt);
    const std::string ohneOrdner = (o / "fehlt" / "nach").string();
    EXPECT_EQ(Meldung([&] { cb::DateiKopieren((o / "von").string(), ohneOrdner); }),
              "Datei nicht schreibbar: " + ohneOrdner + ": " + std::strerror(ENOENT));
}

// What the user named may be written only where the user may write it; a
// file without any write bit counts as read-only for root too, so these
// checks hold whoever runs them.
TEST(DateiErsetzen, EinSchreibgeschuetztesZielBleibtAuchHinterEinemVerweis) {
    fs::path o = NeuerOrdner("bytes_schreibgeschuetzt");
    fs::path ablage = NeuerOrdner("bytes_schreibgeschuetzt_ablage");
    DateiSchreiben(o / "ziel", "alt");
    ::chmod((o / "ziel").c_str(), 0444);
    const std::string ziel = (o / "ziel").string();
    EXPECT_EQ(Meldung([&] { cb::DateiErsetzen(ziel, "neu"); }), "Datei ist schreibgeschützt: " + ziel);
    EXPECT_EQ(DateiInhalt(ziel), "alt");
    EXPECT_EQ(Rechte(ziel), 0444u);

    DateiSchreiben(ablage / "echt", "alt");
    ::chmod((ablage / "echt").c_str(), 0444);
    fs::create_symlink(ablage / "echt", o / "verweis");
    const std::string verweis = (o / "verweis").string();
    const std::string echt = fs::canonical(ablage / "echt").string();
    EXPECT_EQ(Meldung([&] { cb::DateiErsetzenDurchKopie(verweis, ziel); }),
              "Datei ist schreibgeschützt: " + verweis + " (Verweis auf " + echt + ")");
    EXPECT_EQ(DateiInhalt(echt), "alt");
    EXPECT_TRUE(fs::is_symlink(verweis));
    EXPECT_EQ(OrdnerEintraege(o), (std::vector<std::string>{"verweis", "ziel"}));
    EXPECT_EQ(OrdnerEintraege(ablage), (std::vector<std::string>{"echt"}));

    // Writable again, the named link is followed as before.
    ::chmod(echt.c_str(), 0640);
    cb::DateiErsetzen(verweis, "neu");
    EXPECT_EQ(DateiInhalt(echt), "neu");
    EXPECT_EQ(Rechte(echt), 0640u);
    EXPECT_TRUE(fs::is_symlink(verweis));
}

// A name the program chose: whatever a link there names stays untouched,
// and the new file does not take its rights.
TEST(DateiErsetzen, EinVerweisAufDenEigenenNamenWirdErsetztNichtVerfolgt) {
    fs::path o = NeuerOrdner("bytes_eigen");
    fs::path fremd = NeuerOrdner("bytes_eigen_fremd");
    DateiSchreiben(fremd / "opfer", "bleibt");
    ::chmod((fremd / "opfer").c_str(), 0666);
    fs::create_symlink(fremd / "opfer", o / "vorschau.htm");
    fs::create_directory(fremd / "ordner");
    fs::create_symlink(fremd / "ordner", o / "db");
    DateiSchreiben(o / "quelle", "kopie");
    ::chmod((o / "quelle").c_str(), 0640);

    const mode_t maske = ::umask(022);
    cb::DateiErsetzen((o / "vorschau.htm").string(), "neu", cb::Ziel::Eigen);
    cb::DateiErsetzenDurchKopie((o / "db").string(), (o / "quelle").string(), cb::Dauerhaft::Nein, {},
                                cb::Ziel::Eigen);
    ::umask(maske);
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(o / "vorschau.htm")));
    EXPECT_EQ(DateiInhalt(o / "vorschau.htm"), "neu");
    EXPECT_EQ(Rechte(o / "vorschau.htm"), 0644u);
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(o / "db")));
    EXPECT_EQ(DateiInhalt(o / "db"), "kopie");
    EXPECT_EQ(Rechte(o / "db"), 0640u);
    EXPECT_EQ(DateiInhalt(fremd / "opfer"), "bleibt");
    EXPECT_EQ(Rechte(fremd / "opfer"), 0666u);
    EXPECT_TRUE(fs::is_empty(fremd / "ordner"));
    EXPECT_EQ(OrdnerEintraege(o), (std::vector<std::string>{"db", "quelle", "vorschau.htm"}));
}

TEST(DateiKopieren, EinVerweisAufEinerSeiteWirdNichtVerfolgt) {
    fs::path o = NeuerOrdner("kopieren_verweis");
    fs::path fremd = NeuerOrdner("kopieren_verweis_fremd");
    DateiSchreiben(fremd / "geheim", "geheim");
    DateiSchreiben(o / "von", "inhalt");
    fs::create_symlink(fremd / "geheim", o / "verweis");

    const std::string verweis = (o / "verweis").string();
    EXPECT_EQ(Meldung([&] { cb::DateiKopieren(verweis, (o / "nach").string()); }),
              "Datei nicht lesbar: " + verweis + ": " + std::strerror(ELOOP));
    EXPECT_FALSE(fs::exists(o / "nach"));
    EXPECT_EQ(Meldung([&] { cb::DateiKopieren((o / "von").string(), verweis); }),
              "Datei nicht schreibbar: " + verweis + ": " + std::strerror(ELOOP));
    EXPECT_EQ(DateiInhalt(fremd / "geheim"), "geheim");
}
