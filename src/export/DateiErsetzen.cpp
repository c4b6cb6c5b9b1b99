// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/DateiErsetzen.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <filesystem>
#include <stdexcept>
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
    std::string neu = (ziel.parent_path() / ("." + ziel.filename().string() + ".neu")).string();
    int fd = ::open(neu.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        Fehler(pfad, errno);
    // The replaced file keeps its access rights: a private file stays private.
    struct stat alt {};
    if (::stat(ziel.c_str(), &alt) == 0)
        ::fchmod(fd, alt.st_mode & 07777);
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
