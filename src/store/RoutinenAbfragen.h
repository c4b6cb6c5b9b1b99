// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Questions the window and the analysis ask of the project database: which
// routine holds a line, which routine has a name, where a routine starts,
// which lines a zoom shows. The answers say what the window must do.
#include "store/ProjektBaum.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cb {

struct Zustand;
class Meldungen;

struct RoutineAnZeileErgebnis {
    std::string RouName;
    std::int64_t RouNum = 0;
    int RouTyp = 0;
    int RouOpen = 0;
};

/// The routine whose lines (header to End statement) hold the line of the
/// module with the key given; nothing for declarations and gaps.
std::optional<RoutineAnZeileErgebnis> RoutineAnZeile(const Zustand& z, std::int64_t zeile,
                                                     std::string_view modulSchluessel);

/// The text for status panel 2: the name of the routine at the line, or
/// "" to empty the panel.
std::string RoutineImStatus(const Zustand& z, std::int64_t zeile, std::string_view modulSchluessel);

/// Looks the name up among the routines of the current module, ignoring
/// letter case. 1 for a private routine, 2 for any other, with rouNum set;
/// 0 after a message when it is not found, is a property, or fails.
int RoutineNachName(const Zustand& z, Meldungen& meldungen, const std::string& name,
                    std::int64_t aktModulNummer, std::int64_t& rouNum);

/// The node of module n for the caller search's result tree.
std::optional<BaumKnoten> ModulKnotenAnlegen(const Zustand& z, std::int64_t modNum);

/// The line to put the caret on for the routine; nothing when the routine
/// is unknown or its lines were never set.
std::optional<std::int64_t> RoutineAnspringen(const Zustand& z, std::int64_t rouNum);

struct ZoomBereich {
    std::int64_t ErsteZeile = 0;
    std::int64_t LetzteZeile = 0;
    bool operator==(const ZoomBereich&) const = default;
};

/// The lines to show zoomed for a line of the current module: its
/// routine, or else the declarations section before the first routine.
/// Nothing when there is nothing to show; the zoom pane keeps its content.
std::optional<ZoomBereich> RoutineZoomen(const Zustand& z, std::int64_t zeile, std::int64_t aktModulNummer);

} // namespace cb
