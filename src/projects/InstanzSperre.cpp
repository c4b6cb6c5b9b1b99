// SPDX-License-Identifier: GPL-3.0-or-later
#include "projects/InstanzSperre.h"

#include "app/Allgemein.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <system_error>
#include <utility>

namespace cb {

namespace fs = std::filesystem;

namespace {

bool IstSperrDatei(const fs::directory_entry& e) {
    std::error_code ec;
    return fs::is_regular_file(e.symlink_status(ec)) && e.path().extension() == ".lock" &&
           e.path().filename().string().starts_with("T_");
}

} // namespace

InstanzSperre::InstanzSperre(InstanzSperre&& andere) noexcept
    : m_fd(std::move(andere.m_fd)), m_fehler(andere.m_fehler), m_datei(std::move(andere.m_datei)) {}

InstanzSperre& InstanzSperre::operator=(InstanzSperre&& andere) noexcept {
    if (this != &andere) {
        Freigeben();
        m_fd = std::move(andere.m_fd);
        m_fehler = andere.m_fehler;
        m_datei = std::move(andere.m_datei);
    }
    return *this;
}

InstanzSperre::~InstanzSperre() {
    Freigeben();
}

bool InstanzSperre::Nehmen(const std::string& datei, bool warten) {
    Freigeben();
    Dateideskriptor fd(::open(datei.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (!fd.Offen()) {
        m_fehler = errno;
        return false;
    }
    int rc;
    do
        rc = ::flock(fd.fd(), LOCK_EX | (warten ? 0 : LOCK_NB));
    while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        m_fehler = errno;
        return false;
    }
    m_fehler = 0;
    m_fd = std::move(fd);
    m_datei = datei;
    return true;
}

void InstanzSperre::Freigeben(bool mitDatei) {
    if (!m_fd.Offen())
        return;
    // Unlinked while still held, so nobody can take a lock on a file that
    // is about to vanish and believe itself alone.
    if (mitDatei) {
        std::error_code ec;
        fs::remove(m_datei, ec);
    }
    m_fd.Schliessen();
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
    fs::directory_iterator it(SperrOrdnerVon(arbeitsbereich), ec), ende;
    if (ec) // no folder of locks yet: no instance has ever taken one
        return ec != std::errc::no_such_file_or_directory;
    for (; it != ende; it.increment(ec)) {
        if (ec)
            return true;
        if (!IstSperrDatei(*it))
            continue;
        // A lock that cannot be tried may be held; only a lock taken here
        // proves that its instance has ended.
        Dateideskriptor fd(::open(it->path().c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
        if (!fd.Offen() || ::flock(fd.fd(), LOCK_EX | LOCK_NB) != 0)
            return true;
    }
    return !!ec;
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
