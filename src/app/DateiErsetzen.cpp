// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DateiErsetzen.h"

#include "app/Dateideskriptor.h"
#include "app/Fehler.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace cb {

namespace {

constexpr const char* NichtSchreibbar = "Datei nicht schreibbar:";
constexpr const char* NichtLesbar = "Datei nicht lesbar:";

[[noreturn]] void Scheitern(const char* was, const std::string& pfad, int fehler) {
    if (was == NichtSchreibbar)
        SchreibFehlerPruefen(pfad, fehler);
    throw Fehler(std::string(was) + " " + pfad + ": " + std::strerror(fehler));
}

// 0, or the error number of the write that failed; short writes go on.
int AllesSchreiben(int fd, const char* daten, std::size_t anzahl) {
    for (std::size_t geschrieben = 0; geschrieben < anzahl;) {
        ssize_t w = ::write(fd, daten + geschrieben, anzahl - geschrieben);
        if (w < 0 && errno == EINTR)
            continue;
        if (w < 0)
            return errno;
        geschrieben += static_cast<std::size_t>(w);
    }
    return 0;
}

// Read and write by hand: every short write is checked, so a full disk
// shows here and not in a later read. Failures name von, or ziel for the
// side written.
void Kopieren(int ein, const std::string& von, int aus, const std::string& ziel) {
    std::vector<char> puffer(1 << 16);
    for (;;) {
        ssize_t n = ::read(ein, puffer.data(), puffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            Scheitern(NichtLesbar, von, errno);
        if (n == 0)
            return;
        if (int f = AllesSchreiben(aus, puffer.data(), static_cast<std::size_t>(n)))
            Scheitern(NichtSchreibbar, ziel, f);
    }
}

// On the disk before anything relies on it; a file system without fsync
// (EINVAL) has nothing more to write.
void Sichern(Dateideskriptor& aus, const std::string& ziel, Dauerhaft dauerhaft = Dauerhaft::Ja) {
    if (dauerhaft == Dauerhaft::Ja && ::fsync(aus.fd()) != 0 && errno != EINVAL)
        Scheitern(NichtSchreibbar, ziel, errno);
    if (int f = aus.Schliessen())
        Scheitern(NichtSchreibbar, ziel, f);
}

// The rights a new file gets where no old one hands its own on: those the
// user's umask leaves of vorgabe.
mode_t OhneUmask(mode_t vorgabe) {
    const mode_t maske = ::umask(0);
    ::umask(maske);
    return vorgabe & ~maske;
}

// A file the user may not write is not replaced through the folder's right
// to rename. Root may write every file, so a file without any write bit
// counts as read-only for root too: its owner made it so.
void SchreibrechtPruefen(const std::string& pfad, const std::filesystem::path& echt) {
    struct stat art {};
    if (::stat(echt.c_str(), &art) != 0 || !S_ISREG(art.st_mode))
        return; // a new file, or one the rename names by its own error
    if (::access(echt.c_str(), W_OK) == 0 && (art.st_mode & 0222) != 0)
        return;
    std::string text = "Datei ist schreibgeschützt: " + pfad;
    if (echt != std::filesystem::path(pfad))
        text += " (Verweis auf " + echt.string() + ")";
    throw Fehler(text);
}

// fuellen writes the new content to the descriptor it gets and throws
// Fehler when it cannot.
template <class Fuellen>
void Ersetzen(const std::string& pfad, mode_t vorgabe, Fuellen fuellen, const std::function<void()>& vorher,
              Dauerhaft dauerhaft, Ziel art) {
    namespace fs = std::filesystem;
    fs::path ziel(pfad);
    std::error_code ec;
    const fs::file_status eigen = fs::symlink_status(ziel, ec);
    if (art == Ziel::Eigen ? fs::is_directory(eigen) : fs::is_directory(ziel, ec))
        Scheitern(NichtSchreibbar, pfad, EISDIR);
    // A link the user named stays a link: the file it names is the one
    // replaced.
    if (art == Ziel::Benannt && fs::is_symlink(eigen)) {
        fs::path echt = fs::weakly_canonical(ziel, ec);
        if (!ec)
            ziel = echt;
    }
    if (art == Ziel::Benannt)
        SchreibrechtPruefen(pfad, ziel);
    // A name of its own, made new and never followed: a fixed name could be
    // a link planted beforehand, or the file of a second writer.
    std::string neu = (ziel.parent_path() / ("." + ziel.filename().string() + ".neu-XXXXXX")).string();
    Dateideskriptor aus(::mkostemp(neu.data(), O_CLOEXEC));
    if (!aus.Offen())
        Scheitern(NichtSchreibbar, pfad, errno);
    // The replaced file keeps its access rights: a private file stays
    // private. A link not followed hands on none: they would be those of
    // the file it names.
    struct stat alt {};
    const bool hatAlte = ::lstat(ziel.c_str(), &alt) == 0 && S_ISREG(alt.st_mode);
    ::fchmod(aus.fd(), hatAlte ? alt.st_mode & 07777 : OhneUmask(vorgabe));
    try {
        fuellen(aus.fd());
        Sichern(aus, pfad, dauerhaft);
        if (vorher)
            vorher();
        if (std::rename(neu.c_str(), ziel.c_str()) != 0)
            Scheitern(NichtSchreibbar, pfad, errno);
    } catch (...) {
        aus.Schliessen();
        ::unlink(neu.c_str());
        throw;
    }
}

} // namespace

void DateiErsetzen(const std::string& pfad, const std::string& bytes, Ziel ziel) {
    Ersetzen(
        pfad, 0666,
        [&](int fd) {
            if (int f = AllesSchreiben(fd, bytes.data(), bytes.size()))
                Scheitern(NichtSchreibbar, pfad, f);
        },
        {}, Dauerhaft::Ja, ziel);
}

void DateiErsetzenDurchKopie(const std::string& pfad, const std::string& quelle, Dauerhaft dauerhaft,
                             const std::function<void()>& vorher, Ziel ziel) {
    Dateideskriptor ein(::open(quelle.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat art {};
    if (!ein.Offen() || ::fstat(ein.fd(), &art) != 0)
        Scheitern(NichtLesbar, quelle, errno);
    if (S_ISDIR(art.st_mode))
        Scheitern(NichtLesbar, quelle, EISDIR);
    Ersetzen(
        pfad, art.st_mode & 07777, [&](int fd) { Kopieren(ein.fd(), quelle, fd, pfad); }, vorher, dauerhaft,
        ziel);
}

void DateiKopieren(const std::string& von, const std::string& nach) {
    Dateideskriptor ein(::open(von.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (!ein.Offen())
        Scheitern(NichtLesbar, von, errno);
    Dateideskriptor aus(::open(nach.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644));
    if (!aus.Offen())
        Scheitern(NichtSchreibbar, nach, errno);
    Kopieren(ein.fd(), von, aus.fd(), nach);
    Sichern(aus, nach);
}

} // namespace cb
