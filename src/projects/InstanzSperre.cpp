// SPDX-License-Identifier: GPL-3.0-or-later
#include "projects/InstanzSperre.h"

#include "app/Allgemein.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace cb {

namespace fs = std::filesystem;

namespace {

std::string OhneTrenner(std::string p) {
    while (p.size() > 1 && p.back() == Trenner)
        p.pop_back();
    return p;
}

bool IstSperrDatei(const fs::directory_entry& e) {
    std::error_code ec;
    return fs::is_regular_file(e.symlink_status(ec)) && e.path().extension() == ".lock" &&
           e.path().filename().string().starts_with("T_");
}

} // namespace

InstanzSperre::InstanzSperre(InstanzSperre&& andere) noexcept
    : m_fd(std::exchange(andere.m_fd, -1)), m_datei(std::move(andere.m_datei)) {}

InstanzSperre& InstanzSperre::operator=(InstanzSperre&& andere) noexcept {
    if (this != &andere) {
        Freigeben();
        m_fd = std::exchange(andere.m_fd, -1);
        m_datei = std::move(andere.m_datei);
    }
    return *this;
}

InstanzSperre::~InstanzSperre() {
    Freigeben();
}

bool InstanzSperre::Nehmen(const std::string& datei, bool warten) {
    Freigeben();
    int fd = ::open(datei.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return false;
    int rc;
    do
        rc = ::flock(fd, LOCK_EX | (warten ? 0 : LOCK_NB));
    while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_datei = datei;
    return true;
}

void InstanzSperre::Freigeben(bool mitDatei) {
    if (m_fd < 0)
        return;
    // Unlinked while still held, so nobody can take a lock on a file that
    // is about to vanish and believe itself alone.
    if (mitDatei) {
        std::error_code ec;
        fs::remove(m_datei, ec);
    }
    ::close(m_fd);
    m_fd = -1;
    m_datei.clear();
}

std::string SperrOrdnerVon(const std::string& arbeitsbereich) {
    fs::path bereich(OhneTrenner(arbeitsbereich));
    return MitTrenner((bereich.parent_path() / "Instanzen").string());
}

std::string SperrDateiVon(const std::string& arbeitsbereich, const std::string& instanzOrdner) {
    return SperrOrdnerVon(arbeitsbereich) + fs::path(OhneTrenner(instanzOrdner)).filename().string() +
           ".lock";
}

bool AndereInstanzLaeuft(const std::string& arbeitsbereich) {
    std::error_code ec;
    for (fs::directory_iterator it(SperrOrdnerVon(arbeitsbereich), ec), ende; !ec && it != ende;
         it.increment(ec)) {
        if (!IstSperrDatei(*it))
            continue;
        int fd = ::open(it->path().c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0)
            continue;
        bool gehalten = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
        ::close(fd);
        if (gehalten)
            return true;
    }
    return false;
}

void VerwaisteSperrenEntfernen(const std::string& arbeitsbereich) {
    std::error_code ec;
    for (fs::directory_iterator it(SperrOrdnerVon(arbeitsbereich), ec), ende; !ec && it != ende;
         it.increment(ec)) {
        if (!IstSperrDatei(*it))
            continue;
        InstanzSperre probe;
        if (probe.Nehmen(it->path().string()))
            probe.Freigeben(true);
    }
}

} // namespace cb
