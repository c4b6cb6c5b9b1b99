// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The jump from an identifier to the routine of that name: first in the
// current module, then among the non-private routines of the project.
#include <cstdint>
#include <optional>
#include <string>

namespace cb {

class OffenesProjekt;
class Meldungen;
class Anzeige;

/// What the window does after a definition was found.
struct DefinitionsSprung {
    /// The code pane that was in front; it is hidden when the module changed.
    std::int64_t VorherModulIndex = 0;
    /// The code pane to bring to the front: the new AktModulIndex.
    std::int64_t AktModulIndex = 0;
    bool ModulGewechselt = false;
    /// The line of that pane the caret goes to (ZeileAnspringen).
    std::int64_t Zeile = 0;
    /// The current module's node is to be highlighted (ModulKnotenMarkieren).
    bool ModulKnotenMarkieren = false;
};

/// Finds the routine named `name`, ignoring letter case: first in the
/// current module (code pane aktModulIndex), then among the routines of
/// the project that are not private. Sets status panel 2
/// to the name (and panel 1 to the module's name when the module changes).
/// Nothing, after "Bezeichner unter Cursor nicht erkannt", when no routine
/// of that name can be reached from the current module. Throws
/// DatenbankFehler when no database is open.
std::optional<DefinitionsSprung> DefinitionAnspringen(const OffenesProjekt& projekt,
                                                      std::int64_t aktModulIndex, Meldungen& meldungen,
                                                      Anzeige& anzeige, const std::string& name);

} // namespace cb
