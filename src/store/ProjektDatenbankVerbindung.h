// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The open project database "CodeBrindle.mdb", and the statements that the
// module parser runs on it while a project is read.
#include "store/DatenbankDatei.h"
#include "store/Datensaetze.h"
#include "store/Sqlite.h"

#include <cstdint>
#include <optional>
#include <string>

namespace cb {

class ProjektDatenbankVerbindung {
public:
    /// Opens an existing project database; throws DatenbankFehler when the
    /// file is missing, damaged or not a project database of this program.
    explicit ProjektDatenbankVerbindung(const std::string& pfad,
                                        DatenbankZugriff zugriff = DatenbankZugriff::LesenUndSchreiben);
    /// Commits a read still open, since a read keeps the rows it wrote.
    ~ProjektDatenbankVerbindung();
    ProjektDatenbankVerbindung(const ProjektDatenbankVerbindung&) = delete;
    ProjektDatenbankVerbindung& operator=(const ProjektDatenbankVerbindung&) = delete;

    const std::string& Pfad() const noexcept { return m_verbindung.Pfad(); }
    const sql::Verbindung& Verbindung() const noexcept { return m_verbindung; }

    /// Gathers the rows of one read in one transaction: every statement sees
    /// the rows before it, and the file is written once at the end. A
    /// second call while a read is open changes nothing.
    void EinlesenBeginnen();
    /// Writes what the read has written so far, also after a failed read.
    void EinlesenAbschliessen();
    bool EinlesenLaeuft() const noexcept { return m_einlesen; }

    /// The routine row of a header, written as soon as the header is found.
    void RoutineEinfuegen(const RoutinenZeile& zeile);
    /// rou_start of the routine: the 1-based line of its header.
    void RoutinenStartSetzen(std::int64_t rouNum, std::int64_t zeile);
    /// rou_ende of the routine: the 1-based line of its End statement.
    void RoutinenEndeSetzen(std::int64_t rouNum, std::int64_t zeile);
    /// Sets the end of every external declaration of the module to the
    /// last line of its header.
    void DeklarationsEndenSetzen(std::int64_t modNum);
    void ModulEinfuegen(const ModulZeile& zeile);

private:
    sql::Anweisung& Vorbereitet(std::optional<sql::Anweisung>& ablage, const char* text);

    sql::Verbindung m_verbindung;
    bool m_einlesen = false;
    std::optional<sql::Anweisung> m_routineEinfuegen;
    std::optional<sql::Anweisung> m_startSetzen;
    std::optional<sql::Anweisung> m_endeSetzen;
    std::optional<sql::Anweisung> m_deklarationsEnden;
    std::optional<sql::Anweisung> m_modulEinfuegen;
};

} // namespace cb
