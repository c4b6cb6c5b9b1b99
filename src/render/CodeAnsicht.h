// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a code pane shows of a module, taken straight from its marked code
// text: the plain text and where the colours and the bold lines lie. The
// pane paints these spans itself; RTF stays for exports and the clipboard.
// The result is exactly what the pane's RTF document would show.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace cb {

/// The colour of a span as a kind; the window maps kinds to the colour options.
enum class FarbArt { Schluessel, Kommentar, String };

/// A run of characters of CodeAnsicht::Text, counted in code points.
struct Spanne {
    std::size_t Anfang = 0;
    std::size_t Laenge = 0;
    bool operator==(const Spanne&) const = default;
};

struct FarbSpanne : Spanne {
    FarbArt Art = FarbArt::Schluessel;
    bool operator==(const FarbSpanne&) const = default;
};

struct CodeAnsicht {
    /// UTF-8; every line break is one "\n", so line k is line k of the
    /// module text (the numbering of the routines' start and end lines). A
    /// text that ends in a line break ends in an empty last line.
    std::string Text;
    /// Maximal runs of one colour; normal text has none. Sorted, disjoint, none empty.
    std::vector<FarbSpanne> Farben;
    /// Maximal runs of bold text. Sorted, disjoint, none empty.
    std::vector<Spanne> Fett;
};

/// Text and spans of marked code text, with or without the bold routine lines.
CodeAnsicht CodeAnsichtBilden(std::string_view markierterText, bool routinenFett);

} // namespace cb
