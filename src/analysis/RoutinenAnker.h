// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The anchors that mark routine header and end lines between the routine
// passes and the line numbering: MarkeZeichen, "*A" or "*E", the routine
// number with at least 8 digits, "|". They never reach a file.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace cb {

struct RoutinenAnker {
    bool Start = true; // header line, else end line
    std::int64_t Nummer = 0;
};

std::string RoutinenStartMarke(std::int64_t nummer);
std::string RoutinenEndeMarke(std::int64_t nummer);

/// The line without its anchors, each handed to gefunden, outermost first.
/// A line that two passes took for a routine line carries the second
/// anchor in front of the first one's bold marker, so anchors are read
/// from the start across bold markers.
std::string AnkerAufloesen(std::string_view zeile, const std::function<void(const RoutinenAnker&)>& gefunden);

} // namespace cb
