// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colouring: code text becomes marked code text, the common input of the
// code pane's RTF and of every export.
#include <string>
#include <string_view>
#include <vector>

namespace cb {

struct Optionen;

/// What store mode needs from the module parser. The text it is handed has
/// its keywords, comments and strings marked; a continued statement is one
/// logical line: a CR LF right after "_" does not end a line there. A literal
/// marker character of the source stands as MarkeEscape until the end.
class RoutinenErfassung {
public:
    virtual ~RoutinenErfassung() = default;
    /// One routine pass for the marked keyword K (Sub, Function, Property).
    virtual void RoutinenErmitteln(std::string& text, std::string_view K) = 0;
    /// Turns the anchors into line numbers, writes the module row and
    /// removes the anchors; the text has lost its leading line break.
    virtual void ZeilenNummernSetzen(std::string& text) = 0;
};

/// Transient mode: text becomes its marked code text, nothing is stored.
void CodeMarkieren(const Optionen& o, std::string& text);

/// Store mode: marks the text and lets the parser record the routines;
/// text ends as it is stored. Nothing is written anywhere.
void CodeMarkieren(const Optionen& o, std::string& text, RoutinenErfassung& parser);

/// Marks the comment and the strings of a line that has a quote before an
/// apostrophe (blanks inside both protected by MarkeLeer).
std::string ZeileMitStringsMarkieren(std::string_view zeile);

/// Bold routine lines (and the optional empty line and body tab) for one of
/// the marked keywords Sub, Function, Property, in transient mode.
void RoutinenHervorheben(const Optionen& o, std::string& text, std::string_view K);

/// RoutinenHervorheben for Sub, Function and Property in one walk, given
/// where Markiert put those keywords; only without body tabs.
void RoutinenHervorhebenZusammen(const Optionen& o, std::string& text,
                                 const std::vector<std::size_t>& routinenWorte);

/// Whether the "_" at u continues the statement: a CR LF follows it and a
/// blank, a tab or the start of the line comes before it, as VBA has it
/// ("x_" at a line's end is a name, and a comment ending in it ends there).
inline bool FortsetzungsStrich(std::string_view t, std::size_t u) {
    return u + 2 < t.size() && t[u] == '_' && t[u + 1] == '\r' && t[u + 2] == '\n' &&
           (u == 0 || t[u - 1] == ' ' || t[u - 1] == '\t' || t[u - 1] == '\n');
}

/// Position just past the end of the logical line that starts at pos: the
/// next CR LF that does not continue a statement, or the text's end.
std::size_t LogischesZeilenende(std::string_view text, std::size_t pos);
/// Start of the logical line that holds pos, not before von (a line start).
std::size_t LogischerZeilenanfang(std::string_view text, std::size_t pos, std::size_t von);

namespace detail {
/// The framed text after indenting and empty-line removal (the preparation
/// steps before the markers go in).
std::string Eingerahmt(const Optionen& o, std::string_view text);
/// Comment, string and keyword markers for framed text. Sets hatEscape when
/// a literal marker character was protected; notes in routinenWorte where
/// the marked keywords Sub, Function and Property went, in text order.
std::string Markiert(std::string_view framed, bool& hatEscape,
                     std::vector<std::size_t>* routinenWorte = nullptr);
/// Drops the framing line break at the start, and with auchHinten the one at the end.
void RahmenEntfernen(std::string& text, bool auchHinten);
/// Gives the protected literal marker characters back.
void EscapeAufloesen(std::string& text);
} // namespace detail

} // namespace cb
