// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DateiErsetzen.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <stdexcept>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace cb {

namespace {

[[noreturn]] void Fehler(const std::string& pfad, int fehler) {
    throw std::runtime_error("Datei nicht schreibbar: " + pfad + ": " + std::strerror(fehler));
}

} // namespace

void DateiErsetzen(const std::string& pfad, const std::string& bytes) {
    namespace fs = std::filesystem;
    fs::path ziel(pfad);
    std::error_code ec;
    if (fs::is_directory(ziel, ec))
        Fehler(pfad, EISDIR);
    // A link stays a link: the file it names is the one replaced.
    if (fs::is_symlink(fs::symlink_status(ziel, ec))) {
        fs::path echt = fs::weakly_canonical(ziel, ec);
        if (!ec)
            ziel = echt;
    }
    // A name of its own, made new and never followed: a fixed name could be
    // a link planted beforehand, or the file of a second writer.
    std::string neu = (ziel.parent_path() / ("." + ziel.filename().string() + ".neu-XXXXXX")).string();
    int fd = ::mkostemp(neu.data(), O_CLOEXEC);
    if (fd < 0)
        Fehler(pfad, errno);
    // The replaced file keeps its access rights: a private file stays
    // private; a new one gets what the user's umask allows.
    struct stat alt {};
    if (::stat(ziel.c_str(), &alt) == 0) {
        ::fchmod(fd, alt.st_mode & 07777);
    } else {
        const mode_t maske = ::umask(0);
        ::umask(maske);
        ::fchmod(fd, 0666 & ~maske);
    }
    auto abbrechen = [&](int fehler) {
        ::close(fd);
        ::unlink(neu.c_str());
        Fehler(pfad, fehler);
    };
    for (std::size_t geschrieben = 0; geschrieben < bytes.size();) {
        ssize_t w = ::write(fd, bytes.data() + geschrieben, bytes.size() - geschrieben);
        if (w < 0 && errno == EINTR)
            continue;
        if (w < 0)
            abbrechen(errno);
        geschrieben += static_cast<std::size_t>(w);
    }
    if (::fsync(fd) != 0 && errno != EINVAL)
        abbrechen(errno);
    if (::close(fd) != 0) {
        int fehler = errno;
        ::unlink(neu.c_str());
        Fehler(pfad, fehler);
    }
    if (std::rename(neu.c_str(), ziel.c_str()) != 0) {
        int fehler = errno;
        ::unlink(neu.c_str());
        Fehler(pfad, fehler);
    }
}

} // namespace cb
