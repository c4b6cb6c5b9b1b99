// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Searching the code panes' texts for the text of the search field, in the
// visible module or through the whole project. Offsets and lengths count
// characters (code points), as the panes' carets do, never bytes.
#include "steuerung/Hinweis.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace cb {

enum class SuchArt {
    VomAnfang,  // "&Suchen" (F3)
    AbPosition, // "Suchen ab P&osition" (Ctrl+F3)
};

struct SuchEingabe {
    std::span<const std::string> Texte; // plain text of each pane in module order, "\n" line breaks
    std::size_t Sichtbar = 0;           // index of the visible pane (AktModulIndex)
    std::size_t Caret = 0;              // caret offset of the visible pane
    bool Projektweit = false;           // "&Projektsuche An/Aus"
    bool GanzesWort = false;            // "&Ganzes Wort Suche An/Aus"
    std::string_view Feld;              // the search field as typed
    bool ZoomAn = false;
};

struct SuchTreffer {
    std::size_t Bereich = 0; // pane to bring to the front and select in
    std::size_t Offset = 0;  // first character of the hit; the caret goes here
    std::size_t Laenge = 0;  // characters to select
    std::size_t Zeile = 0;   // 0-based line of the hit (LetzteZeile)

    bool operator==(const SuchTreffer&) const = default;
};

struct SuchErgebnis {
    std::string Feld; // what the search field shows afterwards
    std::optional<SuchTreffer> Treffer;
    std::optional<Hinweis> Meldung; // no hit and a message, or no hit and none (empty text)
};

/// Runs "&Suchen" or "Suchen ab P&osition" over the panes' texts.
SuchErgebnis Suchen(SuchArt art, const SuchEingabe& eingabe);

/// The first match of suche in text at character offset start or later,
/// ignoring letter case; with ganzesWort only matches that no identifier
/// character adjoins. Returns the character offset or nullopt.
std::optional<std::size_t> TextFinden(std::string_view text, std::string_view suche, std::size_t start,
                                      bool ganzesWort);

/// The text without leading and trailing blanks, as the search field keeps it.
std::string SuchtextGetrimmt(std::string_view text);

/// "&Auswahl nach Suche": the new search field text for a selection of the
/// visible pane; nullopt (field unchanged) when nothing is selected.
std::optional<std::string> AuswahlNachSuche(std::string_view auswahl);

} // namespace cb
