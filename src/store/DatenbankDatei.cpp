// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/DatenbankDatei.h"

#include "app/Allgemein.h"
#include "app/DateiErsetzen.h"
#include "app/Meldungen.h"
#include "store/DatenbankFehler.h"
#include "store/OffenesProjekt.h"
#include "store/ProjektDatenbankVerbindung.h"

#include <sqlite3.h>

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
        // The file name is the program's, and the project folder may come
        // from anyone: a link in the database's place is replaced, never the
        // file it names.
        DateiErsetzenDurchKopie(
            ziel, maske, Dauerhaft::Nein,
            [&] {
                for (const char* rest : {"-journal", "-wal", "-shm"}) {
                    std::error_code fehler;
                    fs::remove(ziel + rest, fehler);
                    if (fehler)
                        throw fs::filesystem_error("", ziel + rest, fehler);
                }
            },
            Ziel::Eigen);
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

OffenesProjekt::OffenesProjekt() = default;
OffenesProjekt::OffenesProjekt(std::string projektPfad) : m_projektPfad(std::move(projektPfad)) {}
OffenesProjekt::~OffenesProjekt() = default; // the connection commits and swallows every error

std::string OffenesProjekt::DatenbankPfad() const {
    return m_projektPfad + DatenbankDateiName;
}

bool OffenesProjekt::DatenbankErzeugen(Meldungen& meldungen, const std::string& maskenOrdner) {
    const std::string pfad = DatenbankPfad();
    const std::string maske = MitTrenner(maskenOrdner) + MaskenDateiName;
    // On Windows the copy fails while the old file is open. Here it would
    // succeed beneath the open connection, which would go on writing into
    // the replaced file; so that connection is closed first.
    if (m_datenbank && GleicheDatei(m_datenbank->Pfad(), pfad))
        DatenbankSchliessen();
    if (MaskeKopieren(maske, pfad))
        return true;
    meldungen.Melden(MaskeFehltText(maske), MeldungsSymbol::Kritisch);
    return false;
}

void OffenesProjekt::DatenbankOeffnen(DatenbankZugriff zugriff) {
    const std::string pfad = DatenbankPfad();
    // A second connection to the same file would not see the rows of a read
    // that the first still holds open.
    if (m_datenbank && GleicheDatei(m_datenbank->Pfad(), pfad))
        DatenbankSchliessen();
    auto neu = std::make_unique<ProjektDatenbankVerbindung>(pfad, zugriff);
    m_datenbank = std::move(neu);
}

void OffenesProjekt::DatenbankSchliessen() noexcept {
    m_datenbank.reset(); // its destructor commits and swallows every error
}

ProjektDatenbankVerbindung& OffenesProjekt::Datenbank() const {
    if (!m_datenbank)
        throw DatenbankFehler("Keine Projektdatenbank geöffnet");
    return *m_datenbank;
}

std::optional<std::string> SchreibUrsache(const std::exception& e, const std::string& projektPfad) {
    const std::string kopf = "Das Projekt kann nicht gespeichert werden.\r\n";
    if (dynamic_cast<const SchreibFehler*>(&e))
        return kopf + e.what();
    if (const auto* db = dynamic_cast<const DatenbankFehler*>(&e)) {
        switch (db->Code() & 0xff) {
        case SQLITE_FULL:
            return kopf + "Kein Platz mehr auf dem Datenträger: die Projektdatenbank in " + projektPfad +
                   " kann nicht geschrieben werden.";
        case SQLITE_READONLY:
        case SQLITE_PERM:
            return kopf + "Keine Berechtigung, die Projektdatenbank in " + projektPfad + " zu schreiben.";
        default:
            break;
        }
    }
    return std::nullopt;
}

} // namespace cb
