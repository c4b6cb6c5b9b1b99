// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A thin layer over the SQLite C API. The C handles stay forward-declared so
// that sqlite3.h reaches no header of ours; every handle frees itself, and
// every result code passes Pruefen(), which turns it into a DatenbankFehler.
#include "store/DatenbankFehler.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace cb::sql {

/// Throws a DatenbankFehler for every code that is not a success; the
/// connection, when given, supplies the engine's own description.
void Pruefen(int rc, sqlite3* db);

/// A collation: negative, zero or positive as the first text sorts before,
/// equal to or after the second.
using Vergleicher = int (*)(std::string_view, std::string_view);

class Verbindung {
public:
    /// Opens an existing file for reading and writing; a missing file is an
    /// error, never silently created.
    static Verbindung Oeffnen(const std::string& pfad);
    /// Creates the file if needed (the template generator, tests).
    static Verbindung Anlegen(const std::string& pfad);
    /// Opens an existing file that this connection never writes, whose
    /// statements each stop with a DatenbankFehler (SQLITE_INTERRUPT) after
    /// arbeitsGrenze steps of the engine's virtual machine: a file from
    /// elsewhere may hide an endless query behind a table's name.
    static Verbindung NurLesen(const std::string& pfad, std::uint64_t arbeitsGrenze);

    sqlite3* Handle() const noexcept { return m_db.get(); }
    const std::string& Pfad() const noexcept { return m_pfad; }
    /// Runs statements that take no parameters and return no rows.
    void Ausfuehren(const char* sql);
    /// False while a transaction is open.
    bool Autocommit() const noexcept;
    /// Registers the collation under the name given, for COLLATE in queries.
    void KollationRegistrieren(const char* name, Vergleicher vergleich);

private:
    friend class Anweisung;
    struct Schliesser {
        void operator()(sqlite3* db) const noexcept;
    };
    /// The bound, and the work counter of the statement stepping now, in
    /// the handler's ticks. Each statement counts its own run: one opened
    /// within another's loop must neither use up nor refill the other's.
    struct Arbeit {
        std::uint64_t grenzeInTicks = 0;
        std::uint64_t* laufend = nullptr;
    };
    /// Points the handler at zaehler while it lives, for one step.
    class ArbeitZaehlen {
    public:
        ArbeitZaehlen(Arbeit* arbeit, std::uint64_t& zaehler) noexcept : m_arbeit(arbeit) {
            if (m_arbeit)
                m_arbeit->laufend = &zaehler;
        }
        ~ArbeitZaehlen() {
            if (m_arbeit)
                m_arbeit->laufend = nullptr;
        }
        ArbeitZaehlen(const ArbeitZaehlen&) = delete;
        ArbeitZaehlen& operator=(const ArbeitZaehlen&) = delete;

    private:
        Arbeit* m_arbeit;
    };
    Verbindung(const std::string& pfad, int flags);

    // On the heap, as the engine keeps its address while the connection
    // moves; declared first, so that it outlives the handle.
    std::unique_ptr<Arbeit> m_arbeit;
    std::unique_ptr<sqlite3, Schliesser> m_db;
    std::string m_pfad;
};

/// A prepared statement; it must not outlive its connection.
class Anweisung {
public:
    Anweisung(const Verbindung& verbindung, std::string_view sql);

    /// Parameters count from 1, as in SQLite.
    void Binden(int index, std::int64_t wert);
    void Binden(int index, std::string_view text);
    /// One step; true while a row is there to read.
    bool Schritt();
    /// Steps through to the end (statements without rows).
    void Ausfuehren();
    /// Makes the statement ready to run again; bound values are kept.
    void Zuruecksetzen();

    bool IstNull(int spalte) const;
    std::int64_t Ganzzahl(int spalte) const;
    std::string Text(int spalte) const;

private:
    struct Finalisierer {
        void operator()(sqlite3_stmt* st) const noexcept;
    };
    sqlite3* m_db;
    Verbindung::Arbeit* m_arbeit;
    std::uint64_t m_ticks = 0; // of the run under way
    std::unique_ptr<sqlite3_stmt, Finalisierer> m_st;
};

/// Rolls back in its destructor unless Bestaetigen() ran.
class Transaktion {
public:
    explicit Transaktion(Verbindung& verbindung);
    ~Transaktion();
    Transaktion(const Transaktion&) = delete;
    Transaktion& operator=(const Transaktion&) = delete;

    void Bestaetigen();

private:
    Verbindung& m_verbindung;
    bool m_fertig = false;
};

} // namespace cb::sql
