// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/LeseOrdner.h"

#include "store/DatenbankDatei.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <regex>
#include <stdexcept>
#include <string_view>
#include <sys/file.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace cb::cli {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view Innen = ".codebrindle-read-";

bool IstModulText(const fs::path& name) {
    static const std::regex modulText("M[0-9]+\\.txt");
    return std::regex_match(name.string(), modulText);
}

// The program's own files in a project folder; all else is the user's.
bool IstProjektDatei(const fs::path& name) {
    return name == DatenbankDateiName || IstModulText(name);
}

std::string Daneben(const fs::path& ziel) {
    return "." + ziel.filename().string() + ".codebrindle-read-";
}

// A test names the step at which the read stops dead, as a kill would stop it.
void Abbruch(std::string_view schritt) {
    if (const char* t = std::getenv("CODEBRINDLE_TEST_LESEN"); t && schritt == t)
        std::_Exit(137);
}

bool TestOhneTausch() {
    const char* t = std::getenv("CODEBRINDLE_TEST_LESEN");
    return t && std::string_view(t) == "ohne-tausch";
}

// A work folder nobody holds any more: its read was killed.
bool Verlassen(const fs::path& ordner) {
    const int fd = ::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool frei = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return frei;
}

void ResteEntfernen(const fs::path& ordner, std::string_view praefix) {
    std::error_code ec;
    for (fs::directory_iterator it(ordner, ec), ende; !ec && it != ende; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code fehler;
        if (name.starts_with(praefix) && it->is_directory(fehler) && !it->is_symlink(fehler) &&
            Verlassen(it->path()))
            fs::remove_all(it->path(), fehler);
    }
}

} // namespace

std::optional<std::string> ZielAbgelehnt(const fs::path& ziel) {
    std::error_code ec;
    if (!fs::exists(ziel, ec))
        return std::nullopt;
    if (fs::is_regular_file(ziel / DatenbankDateiName, ec))
        return std::nullopt;
    for (fs::directory_iterator it(ziel, ec), ende; !ec && it != ende; it.increment(ec))
        if (!it->path().filename().string().starts_with(Innen))
            return "der Ordner '" + ziel.string() + "' ist weder leer noch ein Projektordner (ohne " +
                   DatenbankDateiName +
                   "); gelesen wird in einen neuen oder leeren Ordner oder über ein Projekt";
    return std::nullopt;
}

LeseOrdner::LeseOrdner(const fs::path& ziel) : m_ziel(ziel) {
    ResteEntfernen(m_ziel, Innen);
    const fs::path oben = m_ziel.parent_path();
    if (m_ziel.has_filename() && oben != m_ziel)
        ResteEntfernen(oben, Daneben(m_ziel));
    // Beside the target where the folder above it may be written, so that
    // one exchange of the two puts the whole project in place; inside it
    // otherwise.
    std::string muster = (oben / (Daneben(m_ziel) + "XXXXXX")).string();
    m_daneben = !TestOhneTausch() && m_ziel.has_filename() && ::mkdtemp(muster.data());
    if (!m_daneben) {
        muster = (m_ziel / (std::string(Innen) + "XXXXXX")).string();
        if (!::mkdtemp(muster.data()))
            throw std::runtime_error("in '" + m_ziel.string() +
                                     "' kann kein Ordner angelegt werden: " + std::strerror(errno));
    }
    m_ordner = muster;
    m_sperre = ::open(m_ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_sperre >= 0)
        ::flock(m_sperre, LOCK_EX | LOCK_NB);
}

LeseOrdner::~LeseOrdner() {
    std::error_code ec;
    if (!m_behalten)
        fs::remove_all(m_ordner, ec);
    if (m_sperre >= 0)
        ::close(m_sperre);
}

bool LeseOrdner::Uebernehmen(bool gelungen) {
    // A failed read leaves nothing that the other commands would open as a
    // sound project: what it wrote goes with its work folder.
    if (!gelungen)
        return false;
    if (!fs::exists(m_ordner / DatenbankDateiName))
        return true;
    if (!m_daneben || !Tauschen())
        Einzeln();
    return true;
}

// The user's files go along as second names of the same files, so that
// until the exchange the target holds all it held, and after it the new
// folder does; the earlier project's files go with the old folder.
bool LeseOrdner::Tauschen() {
    std::error_code ec;
    for (const fs::directory_entry& e : fs::directory_iterator(m_ziel, ec)) {
        const fs::path name = e.path().filename();
        if (IstProjektDatei(name) || name.string().starts_with(Innen))
            continue;
        std::error_code fehler;
        // A folder or a link of the user's cannot have a second name here:
        // the files are moved one by one instead, around them.
        if (!e.is_regular_file(fehler) || e.is_symlink(fehler))
            return false;
        fs::create_hard_link(e.path(), m_ordner / name, fehler);
        if (fehler)
            return false;
    }
    if (ec)
        return false;
    fs::permissions(m_ordner, fs::status(m_ziel, ec).permissions(), ec);
    Abbruch("vor-tausch");
    if (::renameat2(AT_FDCWD, m_ordner.c_str(), AT_FDCWD, m_ziel.c_str(), RENAME_EXCHANGE) != 0)
        return false; // a file system without the exchange
    Abbruch("nach-tausch");
    // m_ordner now names the earlier folder; the destructor removes it
    return true;
}

// The module texts first, the database last: until it has moved, the
// folder still opens as the earlier project.
void LeseOrdner::Einzeln() {
    std::vector<fs::path> neu;
    for (const fs::directory_entry& e : fs::directory_iterator(m_ordner))
        if (IstProjektDatei(e.path().filename()))
            neu.push_back(e.path().filename());
    std::sort(neu.begin(), neu.end(), [](const fs::path& a, const fs::path& b) {
        return (a == DatenbankDateiName) < (b == DatenbankDateiName);
    });
    for (const fs::path& name : neu) {
        std::error_code ec;
        fs::rename(m_ordner / name, m_ziel / name, ec);
        if (ec) {
            m_behalten = true;
            throw std::runtime_error(
                name.string() + " kann nicht nach '" + m_ziel.string() + "' verschoben werden: " +
                ec.message() + "; die noch nicht verschobenen Dateien des gelesenen Projekts liegen in '" +
                m_ordner.string() + "'");
        }
    }
    // Module texts of the earlier project that the new one has not
    // replaced would stand beside it.
    std::error_code ec;
    for (fs::directory_iterator it(m_ziel, ec), ende; !ec && it != ende; it.increment(ec)) {
        const fs::path name = it->path().filename();
        if (IstModulText(name) && it->is_regular_file(ec) &&
            std::find(neu.begin(), neu.end(), name) == neu.end())
            fs::remove(it->path(), ec);
    }
}

} // namespace cb::cli
