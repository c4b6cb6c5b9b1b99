// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Splits a module's marked code text into its routines while it is stored:
// one td_rout row per Sub, Function, Property and Declare, their first and
// last lines in the final module text, and the module's td_mod row.
#include "render/CodeMarkieren.h"

#include <string>
#include <string_view>

namespace cb {

/// Module numbers were 16-bit; the 32768th module of a read cannot be
/// numbered, and a read that reaches it fails.
inline constexpr std::int64_t MaxModulNummer = 32767;

struct Zustand;

class ModulParser final : public RoutinenErfassung {
public:
    /// z.ProjektDatenbank must be open; rows go to module z.ModulNummer and
    /// routine numbers go on from z.RoutinenNummer.
    explicit ModulParser(Zustand& z) : m_z(z) {}
    void RoutinenErmitteln(std::string& text, std::string_view K) override;
    void ZeilenNummernSetzen(std::string& text) override;

private:
    Zustand& m_z;
};

/// Stores one module as a reader hands it over: code is the module's whole
/// text, lines joined by CR LF; z.ModulNummer, z.ModulName and z.ModulTyp
/// are set and the project database is open. Writes the rows and the module
/// text file. Throws std::invalid_argument when the code cannot be split
/// into routines (rows written so far stay), DatenbankFehler and
/// std::runtime_error for the database and the file.
void ModulSpeichern(Zustand& z, std::string code);

} // namespace cb
