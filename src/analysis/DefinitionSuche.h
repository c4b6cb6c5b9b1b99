// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The jump from an identifier to the routine of that name: first in the
// current module, then among the non-private routines of the project.
#include <cstdint>
#include <optional>
#include <string>

namespace cb {

struct Zustand;
class Meldungen;
class Anzeige;

/// What the window does after a definition was found.
struct DefinitionsSprung {
    /// The code pane that was in front; it is hidden when the module changed.
    std::int64_t VorherModulIndex = 0;
    /// The code pane now in front (z.AktModulIndex has been set to it).
    std::int64_t AktModulIndex = 0;
    bool ModulGewechselt = false;
    /// The line of that pane the caret goes to (ZeileAnspringen).
    std::int64_t Zeile = 0;
    /// The current module's node is to be highlighted (ModulKnotenMarkieren).
    bool ModulKnotenMarkieren = false;
};

/// Finds the routine named `name`, ignoring letter case. Sets status panel 2
/// to the name (and panel 1 to the module's name when the module changes).
/// Nothing, after "Bezeichner unter Cursor nicht erkannt", when no routine
/// of that name can be reached from the current module. Throws
/// DatenbankFehler when no database is open.
std::optional<DefinitionsSprung> DefinitionAnspringen(Zustand& z, Meldungen& meldungen, Anzeige& anzeige,
                                                      const std::string& name);

} // namespace cb
