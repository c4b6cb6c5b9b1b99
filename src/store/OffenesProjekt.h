// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The project the program works on: its folder ProjektPfad, the database
// "CodeBrindle.mdb" in it while that is open, and the questions the window
// and the analysis ask of it. One object owns both, so that a folder
// change cannot leave a connection to the folder before it.
#include "app/Baum.h"
#include "store/DatenbankDatei.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cb {

class Meldungen;
class ProjektDatenbankVerbindung;

struct RoutineAnZeileErgebnis {
    std::string RouName;
    std::int64_t RouNum = 0;
    int RouTyp = 0;
    int RouOpen = 0;
};

struct ZoomBereich {
    std::int64_t ErsteZeile = 0;
    std::int64_t LetzteZeile = 0;
    bool operator==(const ZoomBereich&) const = default;
};

class OffenesProjekt {
public:
    OffenesProjekt();
    explicit OffenesProjekt(std::string projektPfad);
    /// Closes the database, writing what a read left open.
    ~OffenesProjekt();
    OffenesProjekt(const OffenesProjekt&) = delete;
    OffenesProjekt& operator=(const OffenesProjekt&) = delete;

    /// The project folder; it ends with the platform's separator.
    const std::string& ProjektPfad() const noexcept { return m_projektPfad; }
    /// Moves to another folder; a database still open stays open, as it
    /// belongs to the folder it was opened in, until it is closed.
    void PfadSetzen(std::string ordner) { m_projektPfad = std::move(ordner); }
    /// The database file of the project folder.
    std::string DatenbankPfad() const;

    /// Copies the template of maskenOrdner over the project's database,
    /// which gives an empty project. False, after the template message,
    /// when that fails.
    bool DatenbankErzeugen(Meldungen& meldungen, const std::string& maskenOrdner);
    /// Opens the project's database; throws DatenbankFehler when it is
    /// missing, damaged or foreign, and keeps the one open before then.
    void DatenbankOeffnen(DatenbankZugriff zugriff = DatenbankZugriff::LesenUndSchreiben);
    /// Closes the database, writing what a read left open; never fails.
    void DatenbankSchliessen() noexcept;
    bool DatenbankOffen() const noexcept { return m_datenbank != nullptr; }
    /// The open database; throws DatenbankFehler when none is open.
    ProjektDatenbankVerbindung& Datenbank() const;

    /// The project shown was read from the host and has not been saved:
    /// dropping it asks first, and the caption says so.
    bool NichtGespeichert = false;
    /// The last routine number a read handed out. A read from the host
    /// starts it over; a read of module files goes on from it, which keeps
    /// the numbers unique within the new database all the same.
    std::int64_t RoutinenNummer = 0;
    /// How many modules ModullisteLaden found.
    std::int64_t ModulAnzahl() const noexcept { return m_modulAnzahl; }

    // Keys "M" + mod_num and "R" + rou_num; images "M" + mod_typ and
    // "R" + rou_typ + "O" + rou_open.
    /// The module nodes, by type code and then by name.
    std::vector<BaumKnoten> ModullisteLaden();
    /// The routine nodes, by module and then by name, each under its module.
    std::vector<BaumKnoten> RoutinenlisteLaden() const;
    struct RoutinenZeile {
        std::int64_t ModNum, RouNum, Typ, Offen;
        std::string Name;
    };
    /// The same routines row by row, for a listing that needs no nodes.
    void RoutinenDurchgehen(const std::function<void(const RoutinenZeile&)>& zeile) const;

    /// The routine whose lines (header to End statement) hold the line of
    /// the module with the key given; nothing for declarations and gaps.
    std::optional<RoutineAnZeileErgebnis> RoutineAnZeile(std::int64_t zeile,
                                                         std::string_view modulSchluessel) const;
    /// The text for status panel 2: the name of the routine at the line,
    /// or "" to empty the panel.
    std::string RoutineImStatus(std::int64_t zeile, std::string_view modulSchluessel) const;
    /// Looks the name up among the routines of the current module, ignoring
    /// letter case. 1 for a private routine, 2 for any other, with rouNum
    /// set; 0 after a message when it is not found, is a property, or fails.
    int RoutineNachName(Meldungen& meldungen, const std::string& name, std::int64_t aktModulNummer,
                        std::int64_t& rouNum) const;
    /// The node of module n for the caller search's result tree.
    std::optional<BaumKnoten> ModulKnotenAnlegen(std::int64_t modNum) const;
    /// The line to put the caret on for the routine; nothing when the
    /// routine is unknown or its lines were never set.
    std::optional<std::int64_t> RoutineAnspringen(std::int64_t rouNum) const;
    /// The lines to show zoomed for a line of the current module: its
    /// routine, or else the declarations section before the first routine.
    /// Nothing when there is nothing to show; the zoom pane keeps its content.
    std::optional<ZoomBereich> RoutineZoomen(std::int64_t zeile, std::int64_t aktModulNummer) const;

private:
    std::string m_projektPfad;
    std::unique_ptr<ProjektDatenbankVerbindung> m_datenbank;
    std::int64_t m_modulAnzahl = 0;
};

} // namespace cb
