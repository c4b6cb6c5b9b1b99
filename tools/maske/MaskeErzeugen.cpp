// SPDX-License-Identifier: GPL-3.0-or-later
// Build step: turns the schema file into the empty template database.
// Usage: MaskeErzeugen SCHEMA.sql ZIEL.mdb
// The file is written beside its target and renamed into place, so that an
// interrupted build never leaves a half-written template behind.
#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

bool Fehler(const std::string& text) {
    std::cerr << "MaskeErzeugen: " << text << '\n';
    return false;
}

bool Erzeugen(const std::string& schemaPfad, const std::string& ziel) {
    std::ifstream ein(schemaPfad, std::ios::binary);
    if (!ein)
        return Fehler("cannot read " + schemaPfad);
    std::ostringstream schema;
    schema << ein.rdbuf();

    std::string temp = ziel + ".neu";
    std::remove(temp.c_str());
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(temp.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        sqlite3_close(db);
        return Fehler("cannot create " + temp);
    }
    char* meldung = nullptr;
    std::string sql = "BEGIN;" + schema.str() + ";COMMIT;";
    int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &meldung);
    std::string text = meldung ? meldung : "";
    sqlite3_free(meldung);
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, "VACUUM", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    if (rc != SQLITE_OK) {
        std::remove(temp.c_str());
        return Fehler(schemaPfad + ": " + text);
    }
    if (std::rename(temp.c_str(), ziel.c_str()) != 0) {
        std::remove(temp.c_str());
        return Fehler("cannot write " + ziel);
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: MaskeErzeugen SCHEMA.sql TARGET.mdb\n";
        return 2;
    }
    return Erzeugen(argv[1], argv[2]) ? 0 : 1;
}
