// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Dateien.h"

#include "app/Dateideskriptor.h"
#include "app/Fehler.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace cb {

namespace {

std::runtime_error DateiFehler(const char* was, const std::string& pfad) {
    return std::runtime_error(std::string(was) + " " + pfad + ": " + std::strerror(errno));
}

} // namespace

void SchreibFehlerPruefen(const std::string& pfad, int fehlerNummer) {
    switch (fehlerNummer) {
    case ENOSPC:
    case EDQUOT:
        throw SchreibFehler("Kein Platz mehr auf dem Datenträger: " + pfad +
                            " kann nicht geschrieben werden.");
    case EACCES:
    case EPERM:
    case EROFS:
        throw SchreibFehler("Keine Berechtigung, " + pfad + " zu schreiben.");
    default:
        return;
    }
}

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
    // Through the system's own calls: the error number says whether the
    // disk is full or the right is missing, which a stream does not keep.
    const auto scheitern = [&](int fehler) {
        SchreibFehlerPruefen(pfad, fehler);
        errno = fehler;
        throw DateiFehler("Datei nicht schreibbar:", pfad);
    };
    Dateideskriptor aus(::open(pfad.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (!aus.Offen())
        scheitern(errno);
    for (std::size_t geschrieben = 0; geschrieben < bytes.size();) {
        const ssize_t w = ::write(aus.fd(), bytes.data() + geschrieben, bytes.size() - geschrieben);
        if (w < 0 && errno == EINTR)
            continue;
        if (w < 0)
            scheitern(errno);
        geschrieben += static_cast<std::size_t>(w);
    }
    if (int fehler = aus.Schliessen())
        scheitern(fehler);
}

} // namespace cb
