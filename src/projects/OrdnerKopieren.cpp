// SPDX-License-Identifier: GPL-3.0-or-later
#include "projects/OrdnerKopieren.h"

#include "app/Allgemein.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <set>
#include <stdexcept>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace cb {

namespace fs = std::filesystem;

namespace {

// Hidden, so that a crash half way leaves nothing that looks like a project file.
constexpr const char* Zwischenordner = ".CodeBrindle-neu";

std::runtime_error Fehler(const std::string& was, const std::string& pfad, int fehler) {
    return std::runtime_error(was + " " + pfad + ": " + std::strerror(fehler));
}

class Deskriptor {
  public:
    explicit Deskriptor(int fd) : m_fd(fd) {}
    ~Deskriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Deskriptor(const Deskriptor&) = delete;
    Deskriptor& operator=(const Deskriptor&) = delete;
    int fd() const { return m_fd; }
    /// Closes now, so that a late write error is seen.
    int Schliessen() {
        int rc = ::close(m_fd);
        m_fd = -1;
        return rc;
    }

  private:
    int m_fd;
};

// Read and write by hand: every short write and the final flush to the
// disk are checked, so a full disk shows here and not in a later read.
void DateiKopieren(const std::string& von, const std::string& nach) {
    Deskriptor ein(::open(von.c_str(), O_RDONLY | O_CLOEXEC));
    if (ein.fd() < 0)
        throw Fehler("Datei nicht lesbar:", von, errno);
    Deskriptor aus(::open(nach.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (aus.fd() < 0)
        throw Fehler("Datei nicht schreibbar:", nach, errno);
    std::vector<char> puffer(1 << 16);
    for (;;) {
        ssize_t n = ::read(ein.fd(), puffer.data(), puffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw Fehler("Datei nicht lesbar:", von, errno);
        if (n == 0)
            break;
        for (ssize_t geschrieben = 0; geschrieben < n;) {
            ssize_t w =
                ::write(aus.fd(), puffer.data() + geschrieben, static_cast<std::size_t>(n - geschrieben));
            if (w < 0 && errno == EINTR)
                continue;
            if (w < 0)
                throw Fehler("Datei nicht schreibbar:", nach, errno);
            geschrieben += w;
        }
    }
    if (::fsync(aus.fd()) != 0 && errno != EINVAL)
        throw Fehler("Datei nicht schreibbar:", nach, errno);
    if (aus.Schliessen() != 0)
        throw Fehler("Datei nicht schreibbar:", nach, errno);
}

std::vector<fs::path> DateienIn(const std::string& ordner) {
    std::vector<fs::path> dateien;
    std::error_code ec;
    fs::directory_iterator it(ordner, ec), ende;
    if (ec)
        throw std::runtime_error("Ordner nicht lesbar: " + ordner + ": " + ec.message());
    for (; it != ende; it.increment(ec)) {
        if (ec)
            throw std::runtime_error("Ordner nicht lesbar: " + ordner + ": " + ec.message());
        std::error_code ec2;
        if (fs::is_regular_file(it->status(ec2)))
            dateien.push_back(it->path());
    }
    return dateien;
}

} // namespace

void OrdnerKopieren(const std::string& quelle, const std::string& ziel) {
    for (const fs::path& datei : DateienIn(MitTrenner(quelle)))
        DateiKopieren(datei.string(), MitTrenner(ziel) + datei.filename().string());
}

void OrdnerErsetzen(const std::string& quelle, const std::string& ziel) {
    std::string zwischen = MitTrenner(ziel) + Zwischenordner;
    std::error_code ec;
    fs::remove_all(zwischen, ec); // what an interrupted save left behind
    if (!fs::create_directory(zwischen, ec) || ec)
        throw std::runtime_error("Ordner nicht schreibbar: " + ziel + ": " +
                                 (ec ? ec.message() : std::string("besteht schon")));
    std::set<std::string> neu;
    try {
        OrdnerKopieren(quelle, zwischen);
        for (const fs::path& datei : DateienIn(MitTrenner(zwischen)))
            neu.insert(datei.filename().string());
        for (const std::string& name : neu) {
            // A rename within one folder tree replaces the old file in one step.
            fs::rename(fs::path(zwischen) / name, fs::path(ziel) / name, ec);
            if (ec)
                throw std::runtime_error("Datei nicht schreibbar: " + MitTrenner(ziel) + name + ": " +
                                         ec.message());
        }
    } catch (...) {
        fs::remove_all(zwischen, ec);
        throw;
    }
    fs::remove_all(zwischen, ec);
    for (const fs::path& datei : DateienIn(MitTrenner(ziel)))
        if (!neu.count(datei.filename().string()))
            fs::remove(datei, ec);
}

} // namespace cb
