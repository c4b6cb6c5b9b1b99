// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text markers of marked code text. They are built around MarkeZeichen,
// U+0178 (byte 159 of Windows-1252), which is two bytes in UTF-8.
#include <string_view>

namespace cb {

#define CB_M "\xC5\xB8"
inline constexpr std::string_view MarkeZeichen = CB_M;

// A literal marker character of the source while colouring. The marker
// character is followed by "?" here and by a letter or "|" in every other
// marker, so no marker followed by text (a string closed before "?") can be
// taken for it.
inline constexpr std::string_view MarkeEscape = CB_M "?|";
inline constexpr std::string_view MarkeFortsetzung = "|" CB_M "u| ";
inline constexpr std::string_view MarkeLeer = "|" CB_M "b|";
inline constexpr std::string_view MarkeKommentar = "|" CB_M "k|";
inline constexpr std::string_view MarkeString = "|" CB_M "s|";
inline constexpr std::string_view MarkeSchluessel = "|" CB_M "f|";
inline constexpr std::string_view MarkeNormal = "|n" CB_M "|";
inline constexpr std::string_view MarkeDoppelQuote = "|" CB_M "d|";
inline constexpr std::string_view MarkeFettAn = "|" CB_M "x|";
inline constexpr std::string_view MarkeFettAus = "|y" CB_M "|";
inline constexpr std::string_view MarkeTrenner = "|" CB_M "t|";
#undef CB_M

/// Length of a marker in characters (not bytes): the marker character counts once.
constexpr std::size_t MarkenLaenge(std::string_view marke) {
    return marke.size() - (MarkeZeichen.size() - 1);
}

} // namespace cb
