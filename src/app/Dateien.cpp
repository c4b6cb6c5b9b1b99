// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Dateien.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace cb {

namespace {

std::runtime_error DateiFehler(const char* was, const std::string& pfad) {
    return std::runtime_error(std::string(was) + " " + pfad + ": " + std::strerror(errno));
}

} // namespace

std::string DateiLesen(const std::string& pfad) {
    // A folder opens as a stream and reads as empty text: it would pass for
    // an empty module.
    std::error_code ec;
    if (std::filesystem::is_directory(pfad, ec)) {
        errno = EISDIR;
        throw DateiFehler("Datei nicht lesbar:", pfad);
    }
    std::ifstream ein(pfad, std::ios::binary);
    if (!ein)
        throw DateiFehler("Datei nicht lesbar:", pfad);
    std::ostringstream puffer;
    puffer << ein.rdbuf();
    if (ein.bad())
        throw DateiFehler("Datei nicht lesbar:", pfad);
    return std::move(puffer).str();
}

void DateiSchreiben(const std::string& pfad, const std::string& bytes) {
    std::ofstream aus(pfad, std::ios::binary | std::ios::trunc);
    if (!aus)
        throw DateiFehler("Datei nicht schreibbar:", pfad);
    aus.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    aus.close();
    if (!aus)
        throw DateiFehler("Datei nicht schreibbar:", pfad);
}

} // namespace cb
