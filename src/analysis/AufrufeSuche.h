// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The callers of the current routine: every routine whose code uses its
// name, grouped by module, found in the module text files.
#include "app/Baum.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cb {

class OffenesProjekt;
class Meldungen;

/// The result list and what the left pane shows after a search.
struct AufrufeErgebnis {
    /// The nodes of treRoutSuche: module nodes, calling routines below them.
    Baum RoutSuche;
    /// True: the result list (treRoutSuche, tobSuche, lblRoutSuche with
    /// Bezeichnung, mnuAnsicht_RouClose enabled); false: the project tree.
    bool ListeZeigen = false;
    /// The text of lblRoutSuche: the routine's name, or "" with the project tree.
    std::string Bezeichnung;
};

/// Searches the callers of the current routine, the one named, of module
/// aktModulNummer: in that module for a private routine, else in every
/// module of the project tree last loaded. Nothing
/// when the name is empty or the routine cannot be searched (the message
/// has been shown then): the window stays as it is. Throws when a module
/// text file cannot be read or the database fails.
std::optional<AufrufeErgebnis> AufrufeSuchen(const OffenesProjekt& projekt, std::int64_t aktModulNummer,
                                             Meldungen& meldungen, const std::string& name);

/// Blanks every marked span of marked code text (keywords, comments,
/// strings, routine header and end lines, the markers included) in place;
/// of a routine line only its header and its End, not statements beside them.
/// Line breaks stay, so that lines and byte positions keep their numbers.
void MarkierteBereicheLeeren(std::string& text);

} // namespace cb
