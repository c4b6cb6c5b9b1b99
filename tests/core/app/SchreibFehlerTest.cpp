// SPDX-License-Identifier: GPL-3.0-or-later
// A write the file system refuses says why in its own words, and a read
// that fails so is told apart from one that fails on the code.
#include "app/Dateien.h"
#include "app/Fehler.h"
#include "store/DatenbankFehler.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <sqlite3.h>
#include <unistd.h>

namespace {

TEST(SchreibFehler, AFullDiskAndAMissingRightSayedAsSuch) {
    // /dev/full answers every write with "no space left"
    try {
        cb::DateiSchreiben("/dev/full", "Sub A()\r\nEnd Sub\r\n");
        FAIL() << "written to /dev/full";
    } catch (const cb::SchreibFehler& e) {
        EXPECT_STREQ(e.what(),
                     "Kein Platz mehr auf dem Datenträger: /dev/full kann nicht geschrieben werden.");
    }
    EXPECT_THROW(cb::SchreibFehlerPruefen("/x", EROFS), cb::SchreibFehler);
    EXPECT_THROW(cb::SchreibFehlerPruefen("/x", EDQUOT), cb::SchreibFehler);
    try {
        cb::SchreibFehlerPruefen("/ro/M1.txt", EACCES);
        FAIL();
    } catch (const cb::SchreibFehler& e) {
        EXPECT_STREQ(e.what(), "Keine Berechtigung, /ro/M1.txt zu schreiben.");
    }
    EXPECT_NO_THROW(cb::SchreibFehlerPruefen("/x", EIO)) << "other errors keep their own message";
    // A folder where the file should be is no full disk
    const auto ordner = std::filesystem::temp_directory_path() / ("cb_schreib_" + std::to_string(::getpid()));
    std::filesystem::create_directories(ordner);
    try {
        cb::DateiSchreiben(ordner.string(), "x");
        FAIL();
    } catch (const cb::SchreibFehler&) {
        ADD_FAILURE() << "a folder taken for a full disk or a missing right";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("Datei nicht schreibbar: " + ordner.string()),
                  std::string::npos);
    }
    std::filesystem::remove_all(ordner);
}

TEST(SchreibFehler, TheCauseOfAFailedRead) {
    const std::string kopf = "Das Projekt kann nicht gespeichert werden.\r\n";
    EXPECT_EQ(cb::SchreibUrsache(cb::SchreibFehler("Kein Platz mehr"), "/p/"), kopf + "Kein Platz mehr");
    EXPECT_EQ(cb::SchreibUrsache(cb::DatenbankFehler("database or disk is full", SQLITE_FULL), "/p/"),
              kopf +
                  "Kein Platz mehr auf dem Datenträger: die Projektdatenbank in /p/ kann nicht geschrieben "
                  "werden.");
    EXPECT_EQ(cb::SchreibUrsache(cb::DatenbankFehler("readonly", SQLITE_READONLY_DIRECTORY), "/p/"),
              kopf + "Keine Berechtigung, die Projektdatenbank in /p/ zu schreiben.");
    // The code's own faults keep the read's failure text
    EXPECT_FALSE(cb::SchreibUrsache(cb::DatenbankFehler("constraint", SQLITE_CONSTRAINT), "/p/"));
    EXPECT_FALSE(cb::SchreibUrsache(std::runtime_error("Routinenkopf ohne Klammer"), "/p/"));
}

} // namespace
