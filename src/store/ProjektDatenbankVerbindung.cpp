// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ProjektDatenbankVerbindung.h"

#include "store/JetVergleich.h"

#include <sqlite3.h>

namespace cb {

namespace {

// Reading the schema is the first access to the file's pages: a file that is
// no database, or a database of another program, shows here and not in the
// middle of a read.
void SchemaPruefen(const sql::Verbindung& v) {
    try {
        // A view under a table's name answers the columns asked for, but
        // may run without end or make up rows: this program writes tables.
        sql::Anweisung tabellen(v, "SELECT count(*) FROM sqlite_master "
                                   "WHERE type = 'table' AND name IN ('td_mod', 'td_rout')");
        if (!tabellen.Schritt() || tabellen.Ganzzahl(0) != 2)
            throw DatenbankFehler("td_mod oder td_rout ist keine Tabelle");
        sql::Anweisung(v, "SELECT mod_num, mod_name, mod_typ, mod_zeilen FROM td_mod LIMIT 0").Ausfuehren();
        sql::Anweisung(v, "SELECT rou_num, mod_num, rou_name, rou_typ, rou_open, rou_start, rou_ende, "
                          "anz_dec_zeilen FROM td_rout LIMIT 0")
            .Ausfuehren();
    } catch (const DatenbankFehler& f) {
        throw DatenbankFehler(
            "Die Datei " + v.Pfad() + " ist keine intakte Projektdatenbank (" + f.what() + ")", f.Code());
    }
}

// A read-only connection cannot play back the journal of a write broken
// off (a folder copied while a read was under way, a killed program); a
// connection that may write does so on its first read, and only then is
// the file what it was before that write. The engine's recovery is all
// that is written.
sql::Verbindung NurLesenOeffnen(const std::string& pfad) {
    {
        auto v = sql::Verbindung::NurLesen(pfad, NurLesenArbeitsGrenze);
        try {
            sql::Anweisung(v, "SELECT count(*) FROM sqlite_master").Ausfuehren();
            return v;
        } catch (const DatenbankFehler& f) {
            if (f.Code() != SQLITE_READONLY_ROLLBACK)
                return v; // the schema check says what is wrong
        }
    }
    {
        auto v = sql::Verbindung::Oeffnen(pfad);
        sql::Anweisung(v, "SELECT count(*) FROM sqlite_master").Ausfuehren();
    }
    return sql::Verbindung::NurLesen(pfad, NurLesenArbeitsGrenze);
}

} // namespace

ProjektDatenbankVerbindung::ProjektDatenbankVerbindung(const std::string& pfad, DatenbankZugriff zugriff)
    : m_verbindung(zugriff == DatenbankZugriff::NurLesen ? NurLesenOeffnen(pfad)
                                                         : sql::Verbindung::Oeffnen(pfad)) {
    m_verbindung.KollationRegistrieren(JetKollation, &JetVergleich);
    SchemaPruefen(m_verbindung);
}

ProjektDatenbankVerbindung::~ProjektDatenbankVerbindung() {
    try {
        EinlesenAbschliessen();
    } catch (...) {
        // Nothing can be reported from here; closing must not fail.
    }
}

void ProjektDatenbankVerbindung::EinlesenBeginnen() {
    if (m_einlesen)
        return;
    m_verbindung.Ausfuehren("BEGIN");
    m_einlesen = true;
}

void ProjektDatenbankVerbindung::EinlesenAbschliessen() {
    if (!m_einlesen)
        return;
    try {
        m_verbindung.Ausfuehren("COMMIT");
        m_einlesen = false;
    } catch (...) {
        // A busy file leaves the transaction open for another try. After some
        // errors (disk full, out of memory) the engine has rolled it back
        // itself; then the rows are gone and the caller must hear of it.
        m_einlesen = !m_verbindung.Autocommit();
        throw;
    }
}

sql::Anweisung& ProjektDatenbankVerbindung::Vorbereitet(std::optional<sql::Anweisung>& ablage,
                                                        const char* text) {
    if (!ablage)
        ablage.emplace(m_verbindung, text);
    return *ablage;
}

namespace {
// A cached statement is made ready for its next use even when it fails.
struct NachLaufZuruecksetzen {
    sql::Anweisung& a;
    ~NachLaufZuruecksetzen() { a.Zuruecksetzen(); }
};
} // namespace

void ProjektDatenbankVerbindung::RoutineEinfuegen(const RoutinenZeile& z) {
    auto& a =
        Vorbereitet(m_routineEinfuegen,
                    "INSERT INTO td_rout(rou_typ, rou_open, anz_dec_zeilen, rou_name, rou_num, mod_num) "
                    "VALUES (?1, ?2, ?3, ?4, ?5, ?6)");
    NachLaufZuruecksetzen r{a};
    a.Binden(1, std::int64_t{z.RouTyp});
    a.Binden(2, std::int64_t{z.RouOpen});
    a.Binden(3, z.AnzDecZeilen);
    a.Binden(4, z.RouName);
    a.Binden(5, z.RouNum);
    a.Binden(6, z.ModNum);
    a.Ausfuehren();
}

void ProjektDatenbankVerbindung::RoutinenStartSetzen(std::int64_t rouNum, std::int64_t zeile) {
    auto& a = Vorbereitet(m_startSetzen, "UPDATE td_rout SET rou_start = ?1 WHERE rou_num = ?2");
    NachLaufZuruecksetzen r{a};
    a.Binden(1, zeile);
    a.Binden(2, rouNum);
    a.Ausfuehren();
}

void ProjektDatenbankVerbindung::RoutinenEndeSetzen(std::int64_t rouNum, std::int64_t zeile) {
    auto& a = Vorbereitet(m_endeSetzen, "UPDATE td_rout SET rou_ende = ?1 WHERE rou_num = ?2");
    NachLaufZuruecksetzen r{a};
    a.Binden(1, zeile);
    a.Binden(2, rouNum);
    a.Ausfuehren();
}

void ProjektDatenbankVerbindung::DeklarationsEndenSetzen(std::int64_t modNum) {
    auto& a =
        Vorbereitet(m_deklarationsEnden, "UPDATE td_rout SET rou_ende = rou_start + (anz_dec_zeilen - 1) "
                                         "WHERE rou_typ > 10 AND mod_num = ?1");
    NachLaufZuruecksetzen r{a};
    a.Binden(1, modNum);
    a.Ausfuehren();
}

void ProjektDatenbankVerbindung::ModulEinfuegen(const ModulZeile& z) {
    auto& a =
        Vorbereitet(m_modulEinfuegen,
                    "INSERT INTO td_mod(mod_num, mod_name, mod_typ, mod_zeilen) VALUES (?1, ?2, ?3, ?4)");
    NachLaufZuruecksetzen r{a};
    a.Binden(1, z.ModNum);
    a.Binden(2, z.ModName);
    a.Binden(3, std::int64_t{z.ModTyp});
    a.Binden(4, z.ModZeilen);
    a.Ausfuehren();
}

} // namespace cb
