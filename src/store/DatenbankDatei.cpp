// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/DatenbankDatei.h"

#include "app/Allgemein.h"
#include "app/DateiErsetzen.h"
#include "app/Meldungen.h"
#include "app/Zustand.h"
#include "store/ProjektDatenbankVerbindung.h"

#include <filesystem>
#include <memory>
#include <system_error>

namespace cb {

namespace fs = std::filesystem;

namespace {

bool GleicheDatei(const std::string& a, const std::string& b) {
    std::error_code ec;
    return a == b || fs::equivalent(a, b, ec);
}

// The template replaces the database whole, so that a copy that fails
// half-way leaves the previous project's database as it was. Journal files
// of the old database must go with it, and only then: SQLite would
// otherwise play a left-over journal back into the fresh copy, and a copy
// that fails must find the old database with its journal.
bool MaskeKopieren(const std::string& maske, const std::string& ziel) {
    std::error_code ec;
    if (!fs::is_regular_file(maske, ec))
        return false;
    try {
        // No flush: the database replaced belongs to the project a new read
        // drops, and SQLite flushes the copy with the read's first commit.
        DateiErsetzenDurchKopie(ziel, maske, Dauerhaft::Nein, [&] {
            for (const char* rest : {"-journal", "-wal", "-shm"}) {
                std::error_code fehler;
                fs::remove(ziel + rest, fehler);
                if (fehler)
                    throw fs::filesystem_error("", ziel + rest, fehler);
            }
        });
    } catch (const std::exception&) {
        return false;
    }
    // An installed template may be read-only; the project's copy must not be.
    fs::permissions(ziel, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
    return true;
}

} // namespace

std::string MaskeFehltText(const std::string& maskenPfad) {
    return "Die notwendige Datenbank\r\n" + maskenPfad +
           "\r\nexistiert nicht !!!\r\nBitte kopieren Sie diese wieder an diese Stelle";
}

bool DatenbankErzeugen(Zustand& z, Meldungen& meldungen) {
    z.DatenbankPfad = z.ProjektPfad + DatenbankDateiName;
    const std::string maske = MitTrenner(z.ProgrammOrdner) + MaskenDateiName;
    // On Windows the copy fails while the old file is open. Here it would
    // succeed beneath the open connection, which would go on writing into
    // the replaced file; so that connection is closed first.
    if (z.ProjektDatenbank && GleicheDatei(z.ProjektDatenbank->Pfad(), z.DatenbankPfad))
        DatenbankSchliessen(z);
    if (MaskeKopieren(maske, z.DatenbankPfad))
        return true;
    meldungen.Melden(MaskeFehltText(maske), MeldungsSymbol::Kritisch);
    return false;
}

void DatenbankOeffnen(Zustand& z) {
    z.DatenbankPfad = z.ProjektPfad + DatenbankDateiName;
    // A second connection to the same file would not see the rows of a read
    // that the first still holds open.
    if (z.ProjektDatenbank && GleicheDatei(z.ProjektDatenbank->Pfad(), z.DatenbankPfad))
        DatenbankSchliessen(z);
    auto neu = std::make_unique<ProjektDatenbankVerbindung>(z.DatenbankPfad);
    DatenbankSchliessen(z);
    z.ProjektDatenbank = neu.release();
}

void DatenbankSchliessen(Zustand& z) noexcept {
    delete z.ProjektDatenbank; // its destructor commits and swallows every error
    z.ProjektDatenbank = nullptr;
}

ProjektDatenbankVerbindung& OffeneDatenbank(const Zustand& z) {
    if (!z.ProjektDatenbank)
        throw DatenbankFehler("Keine Projektdatenbank geöffnet");
    return *z.ProjektDatenbank;
}

} // namespace cb
