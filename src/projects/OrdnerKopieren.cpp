// SPDX-License-Identifier: GPL-3.0-or-later
#include "projects/OrdnerKopieren.h"

#include "app/Allgemein.h"
#include "app/DateiErsetzen.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <stdexcept>
#include <system_error>
#include <vector>

namespace cb {

namespace fs = std::filesystem;

namespace {

std::runtime_error OrdnerFehler(const std::string& pfad, int fehler) {
    return std::runtime_error("Ordner nicht schreibbar: " + pfad + ": " + std::strerror(fehler));
}

bool IstDatei(const fs::directory_entry& e) {
    std::error_code ec;
    return fs::is_regular_file(e.status(ec));
}

// The entries of the folder that are files (true) or everything else (false).
std::vector<fs::path> EintraegeIn(const std::string& ordner, bool dateien) {
    std::vector<fs::path> gefunden;
    std::error_code ec;
    fs::directory_iterator it(ordner, ec), ende;
    if (ec)
        throw std::runtime_error("Ordner nicht lesbar: " + ordner + ": " + ec.message());
    for (; it != ende; it.increment(ec)) {
        if (ec)
            throw std::runtime_error("Ordner nicht lesbar: " + ordner + ": " + ec.message());
        if (IstDatei(*it) == dateien)
            gefunden.push_back(it->path());
    }
    return gefunden;
}

std::vector<fs::path> DateienIn(const std::string& ordner) {
    return EintraegeIn(ordner, true);
}

// A new, empty, hidden folder beside ordner; the name tells what it was for.
fs::path Versteckt(const fs::path& ordner, const std::string& wozu) {
    std::string muster =
        (ordner.parent_path() / ("." + ordner.filename().string() + ".CodeBrindle-" + wozu + "-XXXXXX"))
            .string();
    if (!::mkdtemp(muster.data())) {
        const int fehler = errno;
        throw OrdnerFehler(ordner.parent_path().string(), fehler);
    }
    return muster;
}

// Removes a hidden folder of this procedure and the files in it; anything
// else found there stays, and the folder with it.
void VerstecktEntfernen(const fs::path& ordner) noexcept {
    std::error_code ec;
    for (fs::directory_iterator it(ordner, ec), ende; !ec && it != ende; it.increment(ec))
        if (IstDatei(*it)) {
            std::error_code ec2;
            fs::remove(it->path(), ec2); // a link goes, never what it points to
        }
    fs::remove(ordner, ec);
}

bool TauschenUnmoeglich(const std::error_code& ec) {
    return ec == std::errc::function_not_supported || ec == std::errc::invalid_argument;
}

std::string Text(const std::string& was, const fs::path& pfad, const std::error_code& ec) {
    return was + " " + pfad.string() + ": " + ec.message();
}

// A folder this user may not move to another parent (it belongs to someone
// else, is read-only, or lies on another mount): the swap cannot be made.
bool NichtVerschiebbar(const std::error_code& ec) {
    return ec == std::errc::permission_denied || ec == std::errc::operation_not_permitted ||
           ec == std::errc::cross_device_link || ec == std::errc::device_or_resource_busy;
}

// Where the folder cannot be swapped, its files are replaced inside it: the
// new ones are first complete in a hidden folder within it, then each is
// renamed over its old one, and the old files without a new one go last.
// Until the first rename the old project is untouched.
void ImOrdnerErsetzen(const std::string& quelle, const fs::path& alt, Umbenenner& u) {
    fs::path neu;
    try {
        neu = Versteckt(alt / "Projekt", "neu");
        OrdnerKopieren(quelle, neu.string());
    } catch (const std::exception& e) {
        if (!neu.empty())
            VerstecktEntfernen(neu);
        throw ErsetzenFehler(e.what());
    }
    const std::vector<fs::path> alte = DateienIn(alt.string());
    const std::vector<fs::path> neue = DateienIn(neu.string());
    bool begonnen = false;
    for (const fs::path& datei : neue) {
        if (auto f = u.Umbenennen(datei, alt / datei.filename())) {
            const std::string text = Text("Nicht ersetzbar:", alt / datei.filename(), f);
            if (!begonnen) {
                VerstecktEntfernen(neu);
                throw ErsetzenFehler(text);
            }
            throw ErsetzenFehler(text, {alt.string(), neu.string()});
        }
        begonnen = true;
    }
    for (const fs::path& datei : alte) {
        const bool ersetzt = std::any_of(neue.begin(), neue.end(),
                                         [&](const fs::path& n) { return n.filename() == datei.filename(); });
        std::error_code ec;
        if (!ersetzt)
            fs::remove(datei, ec);
    }
    VerstecktEntfernen(neu);
}

} // namespace

void OrdnerKopieren(const std::string& quelle, const std::string& ziel) {
    for (const fs::path& datei : DateienIn(MitTrenner(quelle)))
        DateiKopieren(datei.string(), MitTrenner(ziel) + datei.filename().string());
}

std::error_code Umbenenner::Umbenennen(const fs::path& von, const fs::path& nach) {
    std::error_code ec;
    fs::rename(von, nach, ec);
    return ec;
}

std::error_code Umbenenner::Tauschen(const fs::path& a, const fs::path& b) {
    if (::renameat2(AT_FDCWD, a.c_str(), AT_FDCWD, b.c_str(), RENAME_EXCHANGE) != 0)
        return {errno, std::system_category()};
    return {};
}

void OrdnerErsetzen(const std::string& quelle, const std::string& ziel) {
    Umbenenner system;
    OrdnerErsetzen(quelle, ziel, system);
}

void OrdnerErsetzen(const std::string& quelle, const std::string& ziel, Umbenenner& u) {
    std::error_code ec;
    // The real folder: a link to the project stays a link to it.
    const fs::path alt = fs::canonical(OhneTrenner(ziel), ec);
    if (ec)
        throw ErsetzenFehler(Text("Ordner nicht lesbar:", ziel, ec));
    const fs::perms rechte = fs::status(alt, ec).permissions();

    fs::path neu;
    try {
        neu = Versteckt(alt, "neu");
    } catch (const std::exception&) {
        // The folder above the project is not this user's to write in.
        ImOrdnerErsetzen(quelle, alt, u);
        return;
    }
    try {
        OrdnerKopieren(quelle, neu.string());
    } catch (const std::exception& e) {
        VerstecktEntfernen(neu);
        throw ErsetzenFehler(e.what());
    }

    // Subfolders and whatever else is no file stay with the project.
    std::vector<fs::path> mitgenommen;
    auto zurueckbringen = [&]() -> bool {
        bool alle = true;
        for (auto it = mitgenommen.rbegin(); it != mitgenommen.rend(); ++it)
            alle = !u.Umbenennen(neu / *it, alt / *it) && alle;
        return alle;
    };
    fs::path weg; // where the old files are once the new folder is in place
    bool imOrdner = false;
    try {
        for (const fs::path& eintrag : EintraegeIn(alt.string(), false)) {
            if (auto f = u.Umbenennen(eintrag, neu / eintrag.filename())) {
                imOrdner = NichtVerschiebbar(f);
                throw std::runtime_error(Text("Nicht verschiebbar:", eintrag, f));
            }
            mitgenommen.push_back(eintrag.filename());
        }
        if (auto f = u.Tauschen(neu, alt); !f) {
            weg = neu;
        } else if (!TauschenUnmoeglich(f)) {
            throw std::runtime_error(Text("Ordner nicht ersetzbar:", alt, f));
        } else {
            // Without a swap in one step: the old folder aside, the new one
            // into its place, and the old one back when that fails.
            fs::path beiseite = Versteckt(alt, "alt"); // empty: a rename may replace it
            if (auto f2 = u.Umbenennen(alt, beiseite)) {
                fs::remove(beiseite, ec);
                throw std::runtime_error(Text("Ordner nicht ersetzbar:", alt, f2));
            }
            if (auto f2 = u.Umbenennen(neu, alt)) {
                std::string text = Text("Ordner nicht ersetzbar:", alt, f2);
                if (u.Umbenennen(beiseite, alt)) {
                    std::vector<std::string> rest{beiseite.string()};
                    if (!mitgenommen.empty())
                        rest.push_back(neu.string());
                    throw ErsetzenFehler(text, std::move(rest));
                }
                throw std::runtime_error(text);
            }
            weg = beiseite;
        }
    } catch (const ErsetzenFehler&) {
        throw;
    } catch (const std::exception& e) {
        if (!zurueckbringen())
            throw ErsetzenFehler(e.what(), {neu.string()});
        VerstecktEntfernen(neu);
        if (imOrdner) {
            ImOrdnerErsetzen(quelle, alt, u);
            return;
        }
        throw ErsetzenFehler(e.what());
    }
    fs::permissions(alt, rechte, ec);
    VerstecktEntfernen(weg);
}

} // namespace cb
