// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/Sqlite.h"

#include <sqlite3.h>

#include <limits>

namespace cb::sql {

void Pruefen(int rc, sqlite3* db) {
    if (rc == SQLITE_OK || rc == SQLITE_ROW || rc == SQLITE_DONE)
        return;
    std::string text = "Datenbankfehler " + std::to_string(rc) + ": ";
    // The connection's message belongs to its last call, which may not be
    // the one that failed (a failed open has no usable message at all).
    if (rc == SQLITE_INTERRUPT)
        text += "Abfrage nach zu viel Arbeit abgebrochen";
    else if (db && sqlite3_extended_errcode(db) == rc)
        text += sqlite3_errmsg(db);
    else
        text += sqlite3_errstr(rc);
    throw DatenbankFehler(text, rc);
}

void Verbindung::Schliesser::operator()(sqlite3* db) const noexcept {
    sqlite3_close_v2(db);
}

Verbindung::Verbindung(const std::string& pfad, int flags) : m_pfad(pfad) {
    sqlite3* roh = nullptr;
    int rc = sqlite3_open_v2(pfad.c_str(), &roh, flags | SQLITE_OPEN_EXRESCODE, nullptr);
    m_db.reset(roh); // a failed open still hands out a handle that must be closed
    if (rc != SQLITE_OK)
        throw DatenbankFehler("Die Datenbank " + pfad + " lässt sich nicht öffnen: " + sqlite3_errstr(rc),
                              rc);
    sqlite3_extended_result_codes(roh, 1);
    // Another program holding the file for a moment should not fail a read.
    Pruefen(sqlite3_busy_timeout(roh, 2000), roh);
}

Verbindung Verbindung::Oeffnen(const std::string& pfad) {
    return Verbindung(pfad, SQLITE_OPEN_READWRITE);
}

Verbindung Verbindung::Anlegen(const std::string& pfad) {
    return Verbindung(pfad, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
}

namespace {
// The engine calls this every ArbeitsTakt steps; a non-zero answer
// interrupts the statement running.
constexpr int ArbeitsTakt = 1000;
} // namespace

Verbindung Verbindung::NurLesen(const std::string& pfad, std::uint64_t arbeitsGrenze) {
    Verbindung v(pfad, SQLITE_OPEN_READONLY);
    v.m_arbeit = std::make_unique<Arbeit>();
    v.m_arbeit->grenzeInTicks = arbeitsGrenze / ArbeitsTakt + 1;
    sqlite3_progress_handler(
        v.m_db.get(), ArbeitsTakt,
        [](void* p) {
            auto* a = static_cast<Arbeit*>(p);
            return a->laufend && ++*a->laufend > a->grenzeInTicks ? 1 : 0;
        },
        v.m_arbeit.get());
    return v;
}

void Verbindung::Ausfuehren(const char* sql) {
    char* meldung = nullptr;
    std::uint64_t ticks = 0;
    int rc;
    {
        ArbeitZaehlen zaehlen(m_arbeit.get(), ticks);
        rc = sqlite3_exec(m_db.get(), sql, nullptr, nullptr, &meldung);
    }
    sqlite3_free(meldung); // the connection keeps the same text for Pruefen
    Pruefen(rc, m_db.get());
}

bool Verbindung::Autocommit() const noexcept {
    return sqlite3_get_autocommit(m_db.get()) != 0;
}

namespace {
int KollationAufruf(void* arg, int n1, const void* s1, int n2, const void* s2) {
    auto vergleich = reinterpret_cast<Vergleicher>(arg);
    try {
        return vergleich(std::string_view(static_cast<const char*>(s1), static_cast<std::size_t>(n1)),
                         std::string_view(static_cast<const char*>(s2), static_cast<std::size_t>(n2)));
    } catch (...) {
        // No exception may cross the C engine; fall back to a plain but
        // consistent byte order.
        int r = std::string_view(static_cast<const char*>(s1), static_cast<std::size_t>(n1))
                    .compare(std::string_view(static_cast<const char*>(s2), static_cast<std::size_t>(n2)));
        return r < 0 ? -1 : (r > 0 ? 1 : 0);
    }
}
} // namespace

void Verbindung::KollationRegistrieren(const char* name, Vergleicher vergleich) {
    Pruefen(sqlite3_create_collation_v2(m_db.get(), name, SQLITE_UTF8, reinterpret_cast<void*>(vergleich),
                                        &KollationAufruf, nullptr),
            m_db.get());
}

void Anweisung::Finalisierer::operator()(sqlite3_stmt* st) const noexcept {
    sqlite3_finalize(st);
}

Anweisung::Anweisung(const Verbindung& verbindung, std::string_view sql)
    : m_db(verbindung.Handle()), m_arbeit(verbindung.m_arbeit.get()) {
    sqlite3_stmt* roh = nullptr;
    if (sql.size() > static_cast<std::size_t>(std::numeric_limits<int>::max()))
        throw DatenbankFehler("SQL-Anweisung zu lang");
    int rc = sqlite3_prepare_v2(m_db, sql.data(), static_cast<int>(sql.size()), &roh, nullptr);
    m_st.reset(roh);
    Pruefen(rc, m_db);
}

void Anweisung::Binden(int index, std::int64_t wert) {
    Pruefen(sqlite3_bind_int64(m_st.get(), index, wert), m_db);
}

void Anweisung::Binden(int index, std::string_view text) {
    Pruefen(sqlite3_bind_text64(m_st.get(), index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8),
            m_db);
}

bool Anweisung::Schritt() {
    // The bound is on a statement's whole run, not on one of its rows.
    if (!sqlite3_stmt_busy(m_st.get()))
        m_ticks = 0;
    int rc;
    {
        Verbindung::ArbeitZaehlen zaehlen(m_arbeit, m_ticks);
        rc = sqlite3_step(m_st.get());
    }
    Pruefen(rc, m_db);
    return rc == SQLITE_ROW;
}

void Anweisung::Ausfuehren() {
    while (Schritt()) {
    }
}

void Anweisung::Zuruecksetzen() {
    // The code of a failed step comes back from reset as well; it was
    // reported by Schritt() already.
    sqlite3_reset(m_st.get());
}

bool Anweisung::IstNull(int spalte) const {
    return sqlite3_column_type(m_st.get(), spalte) == SQLITE_NULL;
}

std::int64_t Anweisung::Ganzzahl(int spalte) const {
    return sqlite3_column_int64(m_st.get(), spalte);
}

std::string Anweisung::Text(int spalte) const {
    const unsigned char* t = sqlite3_column_text(m_st.get(), spalte);
    int n = sqlite3_column_bytes(m_st.get(), spalte);
    return t ? std::string(reinterpret_cast<const char*>(t), static_cast<std::size_t>(n)) : std::string();
}

Transaktion::Transaktion(Verbindung& verbindung) : m_verbindung(verbindung) {
    m_verbindung.Ausfuehren("BEGIN");
}

Transaktion::~Transaktion() {
    if (!m_fertig && !m_verbindung.Autocommit())
        sqlite3_exec(m_verbindung.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaktion::Bestaetigen() {
    m_verbindung.Ausfuehren("COMMIT");
    m_fertig = true;
}

} // namespace cb::sql
