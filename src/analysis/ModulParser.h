// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Splits a module's marked code text into its routines while it is stored:
// one td_rout row per Sub, Function, Property and Declare, their first and
// last lines in the final module text, and the module's td_mod row.
#include "render/CodeMarkieren.h"

#include "store/Datensaetze.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace cb {

/// Module numbers were 16-bit; the 32768th module of a read cannot be
/// numbered, and a read that reaches it fails.
inline constexpr std::int64_t MaxModulNummer = 32767;

struct Optionen;
class ProjektDatenbankVerbindung;

/// The module being stored: its number, its name as the host shows it and
/// its type code.
struct ModulEintrag {
    std::int64_t Nummer = 0;
    std::string Name;
    int Typ = 0;
};

/// What splitting one module gives: its routine rows with their lines, and
/// the module's own row.
struct ModulZerlegung {
    std::vector<RoutinenZeile> Routinen;
    ModulZeile Modul;
};

class ModulParser final : public RoutinenErfassung {
public:
    /// Routine numbers go on from routinenNummer, which keeps the last one
    /// handed out.
    ModulParser(const Optionen& o, const ModulEintrag& modul, std::int64_t& routinenNummer)
        : m_optionen(o), m_routinenNummer(routinenNummer) {
        m_ergebnis.Modul = ModulZeile{modul.Nummer, modul.Name, modul.Typ, 0};
    }
    void RoutinenErmitteln(std::string& text, std::string_view K) override;
    void ZeilenNummernSetzen(std::string& text) override;
    /// The rows found so far; complete once the lines are numbered.
    const ModulZerlegung& Ergebnis() const { return m_ergebnis; }

private:
    const Optionen& m_optionen;
    std::int64_t& m_routinenNummer;
    ModulZerlegung m_ergebnis;
};

/// Stores one module as a reader hands it over: code is the module's whole
/// text, lines joined by CR LF; the database is open for the read. Writes
/// the rows and the module text file in projektPfad. Throws
/// std::invalid_argument when the code cannot be split into routines (the
/// rows found before stay), DatenbankFehler and std::runtime_error for the
/// database and the file.
void ModulSpeichern(ProjektDatenbankVerbindung& db, const std::string& projektPfad, const Optionen& o,
                    const ModulEintrag& modul, std::int64_t& routinenNummer, std::string code);

} // namespace cb
