// SPDX-License-Identifier: GPL-3.0-or-later
#include "projects/Arbeitsbereich.h"

#include "app/Allgemein.h"
#include "app/Meldungen.h"
#include "app/Start.h"
#include "app/Text.h"
#include "app/Zustand.h"
#include "projects/DateiListen.h"
#include "projects/InstanzSperre.h"
#include "store/OffenesProjekt.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/file.h>
#include <system_error>
#include <unistd.h>

namespace cb {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view Kennwort = "TempDateien";

bool MitKennwort(const std::string& pfad) {
    return TextSuche(pfad, Kennwort) != std::string::npos;
}

// Deletes the files of the listing; the first failure ends the stage.
bool DateienLoeschen(const DateiBaumListe& liste) {
    for (const std::string& datei : liste.Dateien) {
        if (!MitKennwort(datei))
            continue;
        std::error_code ec;
        if (!fs::remove(datei, ec) || ec)
            return false;
    }
    return true;
}

} // namespace

bool LiegtUnter(const std::string& pfad, const std::string& ordner) {
    if (pfad.empty() || ordner.empty())
        return false;
    std::error_code ec1, ec2;
    fs::path p = fs::weakly_canonical(fs::absolute(OhneTrenner(pfad)), ec1);
    fs::path o = fs::weakly_canonical(fs::absolute(OhneTrenner(ordner)), ec2);
    if (ec1 || ec2)
        return false;
    auto [op, pp] = std::mismatch(o.begin(), o.end(), p.begin(), p.end());
    return op == o.end();
}

void ArbeitsbereichAufraeumen(const Zustand& z) {
    if (z.Arbeitsbereich.empty() || IstVerweis(z.Arbeitsbereich))
        return;
    DateiBaumListe liste = DateienBaum(z.Arbeitsbereich, "*");
    DateienLoeschen(liste); // a file that stays only keeps its folder
    // Deepest first: a folder can only go once the folders in it are gone.
    for (auto it = liste.Ordner.rbegin(); it != liste.Ordner.rend(); ++it) {
        if (it == liste.Ordner.rend() - 1)
            break; // the working area itself stays
        if (!MitKennwort(*it))
            continue;
        std::error_code ec;
        if (!fs::remove(*it, ec) || ec)
            return;
    }
}

bool ArbeitsordnerAnlegen(const Zustand& z, OffenesProjekt& projekt, Meldungen& meldungen,
                          InstanzSperre& sperre) {
    std::random_device quelle;
    std::mt19937 zufall(quelle() ^ static_cast<unsigned>(::getpid()));
    std::uniform_int_distribution<int> zahl(1, 300000);
    std::string bereich = MitTrenner(z.Arbeitsbereich);
    std::error_code ec;
    // create_directory tells an existing folder from a new one in one step,
    // so two instances starting together never share a folder.
    for (int versuch = 0; versuch < 1000; ++versuch) {
        std::string ordner = bereich + "T_" + std::to_string(zahl(zufall)) + Trenner;
        if (fs::exists(ordner, ec))
            continue;
        projekt.PfadSetzen(ordner);
        if (!fs::create_directory(ordner, ec)) {
            if (!ec)
                continue;
            meldungen.Melden(ordner + ": " + ec.message(), MeldungsSymbol::Keins);
            return false;
        }
        fs::create_directories(SperrOrdnerVon(bereich), ec);
        std::string sperrDatei = SperrDateiVon(bereich, ordner);
        if (sperre.Nehmen(sperrDatei))
            return true;
        if (sperre.Fehler() == EWOULDBLOCK) {
            // An instance still holds this number though its folder is gone.
            fs::remove(OhneTrenner(ordner), ec);
            continue;
        }
        // The folder works, but nothing marks it as in use: say so rather
        // than let a later start empty it unannounced.
        meldungen.Melden("Der Arbeitsordner " + ordner + " kann nicht als belegt markiert werden:\r\n" +
                             sperrDatei + ": " + std::strerror(sperre.Fehler()) +
                             "\r\nEin weiterer Start des Programms könnte ihn leeren.",
                         MeldungsSymbol::Warnung);
        return true;
    }
    meldungen.Melden(bereich + ": kein freier Arbeitsordner", MeldungsSymbol::Keins);
    return false;
}

void TempDateienLeeren(const Zustand& z, const std::string& projektPfad) {
    if (projektPfad.empty())
        return;
    if (!z.TempPfad.empty() && !LiegtUnter(projektPfad, ArbeitsbereichVon(z)))
        return;
    DateienLoeschen(DateienBaum(projektPfad, "*"));
}

void ArbeitsordnerEntfernen(const Zustand& z, OffenesProjekt& projekt, InstanzSperre& sperre) noexcept {
    try {
        projekt.DatenbankSchliessen();
        if (!z.TempPfad.empty()) {
            projekt.PfadSetzen(z.TempPfad);
            TempDateienLeeren(z, z.TempPfad);
            std::error_code ec;
            fs::remove(OhneTrenner(z.TempPfad), ec);
        }
    } catch (...) {
    }
    sperre.Freigeben(true);
}

StartSperre::StartSperre(const std::string& arbeitsbereich) {
    std::error_code ec;
    std::string ordner = SperrOrdnerVon(arbeitsbereich);
    fs::create_directories(ordner, ec);
    m_fd = Dateideskriptor(
        ::open((ordner + "start.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
    // Without the lock start-up goes on alone, as it did before instances
    // were told apart.
    if (m_fd.Offen() && ::flock(m_fd.fd(), LOCK_EX) != 0)
        m_fd.Schliessen();
}

} // namespace cb
