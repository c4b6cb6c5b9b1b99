// SPDX-License-Identifier: GPL-3.0-or-later
// cbbeschaedigen FALL QUELLE ZIEL: copies the project folder QUELLE to ZIEL
// and damages the copy as a folder from elsewhere might come:
//   fifo, zero, aussen, ordner, gross   M1.txt as a FIFO, as a link to
//       /dev/zero, as a link to a file beside the folder, as a folder, or
//       one byte larger than a module text is read
//   rout-endlos, mod-endlos   td_rout or td_mod replaced by a view
//       without end, under the columns the program asks for
//   rout-riesig   td_rout with 1,500,000 more routines in module 1, nine
//       times the routines of the largest project tested
//   keine-db   CodeBrindle.mdb that is no SQLite database
// Exit 0 when the copy is damaged as asked, 2 for a wrong call.
#include <sqlite3.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

bool SqlAusfuehren(const fs::path& db, const std::string& sql) {
    sqlite3* h = nullptr;
    bool ok = sqlite3_open_v2(db.c_str(), &h, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK &&
              sqlite3_exec(h, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
    if (!ok)
        std::cerr << "cbbeschaedigen: " << sqlite3_errmsg(h) << '\n';
    sqlite3_close(h);
    return ok;
}

std::string EndloseSicht(const std::string& tabelle, const std::string& spalten) {
    return "DROP TABLE " + tabelle + "; CREATE VIEW " + tabelle +
           " AS WITH RECURSIVE r(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM r) SELECT " + spalten +
           " FROM r;";
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "Aufruf: cbbeschaedigen FALL QUELLE ZIEL\n";
        return 2;
    }
    const std::string fall = argv[1];
    const fs::path ziel = argv[3];
    fs::copy(argv[2], ziel, fs::copy_options::recursive);
    const fs::path m1 = ziel / "M1.txt";
    const fs::path db = ziel / "CodeBrindle.mdb";
    if (fall == "fifo" || fall == "zero" || fall == "aussen" || fall == "ordner")
        fs::remove(m1);
    if (fall == "fifo")
        return ::mkfifo(m1.c_str(), 0600) == 0 ? 0 : 1;
    if (fall == "zero") {
        fs::create_symlink("/dev/zero", m1);
        return 0;
    }
    if (fall == "aussen") {
        std::ofstream(ziel.string() + "-daneben.txt") << "Sub Fremd()\r\nEnd Sub\r\n";
        fs::create_symlink(fs::absolute(ziel.string() + "-daneben.txt"), m1);
        return 0;
    }
    if (fall == "ordner") {
        fs::create_directory(m1);
        return 0;
    }
    if (fall == "gross") {
        fs::resize_file(m1, (std::uintmax_t{64} << 20) + 1);
        return 0;
    }
    if (fall == "rout-endlos")
        return SqlAusfuehren(db, EndloseSicht("td_rout", "x AS rou_num, 1 AS mod_num, 'a' AS rou_name, "
                                                         "1 AS rou_typ, 0 AS rou_open, x AS rou_start, "
                                                         "x AS rou_ende, 1 AS anz_dec_zeilen"))
                   ? 0
                   : 1;
    if (fall == "mod-endlos")
        return SqlAusfuehren(db, EndloseSicht("td_mod", "x AS mod_num, 'Modul' || x AS mod_name, "
                                                        "1 AS mod_typ, 1 AS mod_zeilen"))
                   ? 0
                   : 1;
    if (fall == "rout-riesig")
        return SqlAusfuehren(db,
                             "WITH RECURSIVE r(x) AS (SELECT 1000000 UNION ALL SELECT x + 1 FROM r "
                             "LIMIT 1500000) INSERT INTO td_rout SELECT x, 1, 'R' || x, 1, 0, 1, 2, 1 FROM r")
                   ? 0
                   : 1;
    if (fall == "keine-db") {
        std::ofstream(db, std::ios::binary | std::ios::trunc) << "SQLite format 2\nkeine Datenbank\n";
        return 0;
    }
    std::cerr << "cbbeschaedigen: unbekannter Fall '" << fall << "'\n";
    return 2;
}
