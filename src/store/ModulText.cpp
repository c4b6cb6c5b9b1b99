// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ModulText.h"

#include "app/Dateideskriptor.h"
#include "app/Dateien.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <stdexcept>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace cb {

namespace fs = std::filesystem;

namespace {

std::runtime_error NichtLesbar(const std::string& pfad, const std::string& warum) {
    return std::runtime_error("Datei nicht lesbar: " + pfad + ": " + warum);
}

bool Innerhalb(const fs::path& ordner, const fs::path& pfad) {
    auto [o, p] = std::mismatch(ordner.begin(), ordner.end(), pfad.begin(), pfad.end());
    return o == ordner.end() && p != pfad.end();
}

// A link is followed only while it stays within the project folder: a
// folder from elsewhere must not make the program read what lies beside it.
std::string Ziel(const std::string& projektPfad, const std::string& pfad) {
    std::error_code ec;
    if (!fs::is_symlink(pfad, ec))
        return pfad;
    const fs::path ziel = fs::canonical(pfad, ec);
    if (ec)
        throw NichtLesbar(pfad, ec.message());
    const fs::path ordner = fs::canonical(projektPfad, ec);
    if (ec || !Innerhalb(ordner, ziel))
        throw NichtLesbar(pfad, "verweist aus dem Projektordner hinaus");
    return ziel.string();
}

} // namespace

std::string ModulTextPfad(const std::string& projektPfad, std::int64_t modulNummer) {
    return projektPfad + "M" + std::to_string(modulNummer) + ".txt";
}

void ModulTextSchreiben(const std::string& projektPfad, std::int64_t modulNummer, const std::string& text) {
    DateiSchreiben(ModulTextPfad(projektPfad, modulNummer), text + "\r\n");
}

std::string ModulTextLesen(const std::string& projektPfad, std::int64_t modulNummer) {
    const std::string pfad = ModulTextPfad(projektPfad, modulNummer);
    // Without O_NONBLOCK a FIFO would wait for a writer before fstat can
    // tell it from a file; O_NOFOLLOW keeps a link slipped in since the
    // check from being followed.
    Dateideskriptor ein(
        ::open(Ziel(projektPfad, pfad).c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
    if (!ein.Offen())
        throw NichtLesbar(pfad,
                          errno == ELOOP ? "verweist aus dem Projektordner hinaus" : std::strerror(errno));
    struct stat st {};
    if (::fstat(ein.fd(), &st) != 0)
        throw NichtLesbar(pfad, std::strerror(errno));
    if (!S_ISREG(st.st_mode))
        throw NichtLesbar(pfad, "keine gewöhnliche Datei");
    const auto zuGross = [&] {
        return NichtLesbar(pfad, "größer als " + std::to_string(MaxModulText >> 20) + " MiB");
    };
    if (static_cast<std::uint64_t>(st.st_size) > MaxModulText)
        throw zuGross();
    // One read of the size known; a file still growing is read on, but
    // never past the bound.
    std::string text(static_cast<std::size_t>(st.st_size), '\0');
    std::size_t gelesen = 0;
    for (;;) {
        if (gelesen == text.size()) {
            if (text.size() > MaxModulText)
                throw zuGross();
            text.resize(std::min<std::size_t>(text.size() + 65536, MaxModulText + 1));
        }
        const ssize_t n = ::read(ein.fd(), text.data() + gelesen, text.size() - gelesen);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw NichtLesbar(pfad, std::strerror(errno));
        if (n == 0)
            break;
        gelesen += static_cast<std::size_t>(n);
    }
    text.resize(gelesen);
    return text;
}

} // namespace cb
