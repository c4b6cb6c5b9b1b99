// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes made into a project folder (a database and module text files)
// and opened by every command that reads a project folder answer with 0 or
// 1 and their output or message; any other way out (a crash, an exception
// past the command, a sanitizer report, a hang, memory beyond the limit,
// exit 2 for arguments that are right) is a fault.
//
// The input is the database's bytes, then each module text after a line
// "\n--M--\n"; at most eight module texts.
#include "cli/Befehle.h"

#include <glib.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

void Still(const gchar*, GLogLevelFlags, const gchar*, gpointer) {}

[[noreturn]] void Fehler(const std::string& was) {
    std::fprintf(stderr, "fault: %s\n", was.c_str());
    std::abort();
}

const fs::path& Ordner() {
    static const fs::path ordner = [] {
        fs::path o = fs::temp_directory_path() / ("cbfuzz_projekt_" + std::to_string(::getpid()));
        fs::create_directories(o);
        return o;
    }();
    return ordner;
}

void Schreiben(const fs::path& pfad, std::string_view bytes) {
    std::ofstream(pfad, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The folder made anew from the input, nothing of the run before left.
void OrdnerMachen(std::string_view bytes) {
    std::error_code ec;
    for (const fs::directory_entry& e : fs::directory_iterator(Ordner(), ec))
        fs::remove_all(e.path(), ec);
    constexpr std::string_view Trenner = "\n--M--\n";
    std::size_t ende = bytes.find(Trenner);
    Schreiben(Ordner() / "CodeBrindle.mdb", bytes.substr(0, ende));
    for (int n = 1; n <= 8 && ende != std::string_view::npos; ++n) {
        const std::size_t anfang = ende + Trenner.size();
        ende = bytes.find(Trenner, anfang);
        Schreiben(Ordner() / ("M" + std::to_string(n) + ".txt"),
                  bytes.substr(anfang, ende == std::string_view::npos ? ende : ende - anfang));
    }
}

// The command's standard output.
std::string Befehl(const std::vector<std::string>& argumente) {
    std::istringstream ein;
    std::ostringstream aus, fehler;
    int rc = -1;
    try {
        rc = cb::cli::Ausfuehren(argumente, ein, aus, fehler);
    } catch (const std::exception& e) {
        Fehler(argumente[0] + " threw: " + e.what());
    }
    if (rc != 0 && rc != 1)
        Fehler(argumente[0] + " returned " + std::to_string(rc) + ": " + fehler.str());
    if (rc == 1 && fehler.str().empty())
        Fehler(argumente[0] + " failed without a word");
    return aus.str();
}

// The first modules the outline names, and the first routine of each.
std::vector<std::pair<std::string, std::string>> Module(const std::string& struktur) {
    std::vector<std::pair<std::string, std::string>> module;
    std::istringstream zeilen(struktur);
    for (std::string z; module.size() < 3 && std::getline(zeilen, z);) {
        if (!z.empty() && z.back() == '\r')
            z.pop_back();
        if (z.empty())
            continue;
        if (z.front() != '\t')
            module.emplace_back(z, std::string());
        else if (!module.empty() && module.back().second.empty())
            module.back().second = z.substr(1);
    }
    return module;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    g_log_set_default_handler(Still, nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    OrdnerMachen(std::string_view(reinterpret_cast<const char*>(daten), groesse));
    const std::string dir = Ordner().string();
    const std::string rtf = (Ordner() / "aus.rtf").string();
    const std::string struktur = Befehl({"outline", dir});
    Befehl({"html", dir});
    Befehl({"rtf", dir, "--out", rtf});
    for (const auto& [modul, routine] : Module(struktur)) {
        // A name that reads as an option would be a call of other arguments
        if (modul.front() == '-')
            continue;
        Befehl({"text", dir, "--module", modul});
        Befehl({"html", dir, "--module", modul});
        if (routine.empty() || routine.front() == '-')
            continue;
        Befehl({"callers", dir, routine, "--module", modul});
        Befehl({"definition", dir, routine, "--module", modul});
    }
    return 0;
}
