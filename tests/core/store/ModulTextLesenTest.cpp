// SPDX-License-Identifier: GPL-3.0-or-later
// Module text files of a folder from elsewhere: only regular files within
// the folder are read, none past MaxModulText, and nothing blocks.
#include "store/ModulText.h"

#include "StoreHilfen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace cb;
namespace fs = std::filesystem;

namespace {

std::string Meldung(const std::function<void()>& f) {
    try {
        f();
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "(kein Fehler)";
}

struct Ordner {
    fs::path pfad;
    std::string projekt; // with its separator, as the program keeps it
    explicit Ordner(const std::string& name)
        : pfad(test::NeuerOrdner(name) / "p"), projekt(pfad.string() + "/") {
        fs::create_directories(pfad);
    }
    std::string M1() const { return ModulTextPfad(projekt, 1); }
    std::string Abgelehnt() const {
        return Meldung([&] { ModulTextLesen(projekt, 1); });
    }
};

} // namespace

TEST(ModulTextLesen, RegularFilesAndLinksWithinTheFolderAreReadWhole) {
    Ordner o("gewoehnlich");
    ModulTextSchreiben(o.projekt, 1, "Sub A()\r\nEnd Sub");
    EXPECT_EQ(ModulTextLesen(o.projekt, 1), "Sub A()\r\nEnd Sub\r\n");
    // A folder copied with its links, or one module shared between two
    // numbers: the link stays within the folder.
    fs::create_directory(o.pfad / "teil");
    fs::rename(o.M1(), o.pfad / "teil" / "echt.txt");
    fs::create_symlink("teil/echt.txt", o.M1());
    EXPECT_EQ(ModulTextLesen(o.projekt, 1), "Sub A()\r\nEnd Sub\r\n");
    test::DateiSchreiben(o.pfad / "M2.txt", "");
    EXPECT_EQ(ModulTextLesen(o.projekt, 2), "");
}

TEST(ModulTextLesen, WhatIsNoRegularFileIsRefusedNamingIt) {
    Ordner o("keine_datei");
    ASSERT_EQ(::mkfifo(o.M1().c_str(), 0600), 0);
    // Opened the usual way, a FIFO without a writer never returns.
    EXPECT_EQ(o.Abgelehnt(), "Datei nicht lesbar: " + o.M1() + ": keine gewöhnliche Datei");
    fs::remove(o.M1());
    fs::create_directory(o.M1());
    EXPECT_EQ(o.Abgelehnt(), "Datei nicht lesbar: " + o.M1() + ": keine gewöhnliche Datei");
    fs::remove(o.M1());
    // A FIFO reached through a link within the folder is no file either.
    ASSERT_EQ(::mkfifo((o.pfad / "rohr").c_str(), 0600), 0);
    fs::create_symlink("rohr", o.M1());
    EXPECT_EQ(o.Abgelehnt(), "Datei nicht lesbar: " + o.M1() + ": keine gewöhnliche Datei");
}

TEST(ModulTextLesen, LinksOutOfTheFolderAreRefused) {
    Ordner o("aussen");
    const std::string hinaus = "Datei nicht lesbar: " + o.M1() + ": verweist aus dem Projektordner hinaus";
    test::DateiSchreiben(o.pfad.parent_path() / "daneben.txt", "geheim");
    for (const fs::path& ziel :
         {fs::path("/dev/zero"), fs::path("../daneben.txt"), o.pfad.parent_path() / "daneben.txt"}) {
        fs::remove(o.M1());
        fs::create_symlink(ziel, o.M1());
        EXPECT_EQ(o.Abgelehnt(), hinaus) << ziel;
    }
    // The folder itself is no module text, even when a link names it.
    fs::remove(o.M1());
    fs::create_symlink(".", o.M1());
    EXPECT_EQ(o.Abgelehnt(), hinaus);
    fs::remove(o.M1());
    fs::create_symlink("fehlt.txt", o.M1());
    EXPECT_EQ(o.Abgelehnt().rfind("Datei nicht lesbar: " + o.M1() + ": ", 0), 0u) << o.Abgelehnt();
    EXPECT_EQ(Meldung([&] {
                  ModulTextLesen(o.projekt, 7);
              }).rfind("Datei nicht lesbar: " + ModulTextPfad(o.projekt, 7) + ": ", 0),
              0u);
}

TEST(ModulTextLesen, NothingPastTheBoundIsRead) {
    Ordner o("gross");
    // Sparse files: the size is there without the disk space.
    test::DateiSchreiben(o.M1(), "");
    fs::resize_file(o.M1(), MaxModulText);
    EXPECT_EQ(ModulTextLesen(o.projekt, 1).size(), MaxModulText);
    fs::resize_file(o.M1(), MaxModulText + 1);
    EXPECT_EQ(o.Abgelehnt(), "Datei nicht lesbar: " + o.M1() + ": größer als 64 MiB");
}
