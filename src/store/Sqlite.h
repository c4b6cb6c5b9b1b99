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

    sqlite3* Handle() const noexcept { return m_db.get(); }
    const std::string& Pfad() const noexcept { return m_pfad; }
    /// Runs statements that take no parameters and return no rows.
    void Ausfuehren(const char* sql);
    /// False while a transaction is open.
    bool Autocommit() const noexcept;
    /// Registers the collation under the name given, for COLLATE in queries.
    void KollationRegistrieren(const char* name, Vergleicher vergleich);

private:
    struct Schliesser {
        void operator()(sqlite3* db) const noexcept;
    };
    Verbindung(const std::string& pfad, int flags);

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
