// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/Schluesselwoerter.h"

#include "app/Marken.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace cb {

namespace {

constexpr auto Liste = std::to_array<std::string_view>({"Option Base 1",
                                                        "Option Private Module",
                                                        "Option Explicit",
                                                        "Option Compare Text",
                                                        "Option Compare Database",
                                                        "Access",
                                                        "And",
                                                        "As",
                                                        "Binary",
                                                        "Boolean",
                                                        "ByRef",
                                                        "Byte",
                                                        "ByVal",
                                                        "Call",
                                                        "Case",
                                                        "Cbool",
                                                        "Cbyte",
                                                        "Cint",
                                                        "Clng",
                                                        "Close",
                                                        "Const",
                                                        "Debug",
                                                        "Declare",
                                                        "DefBool",
                                                        "DefByte",
                                                        "DefCur",
                                                        "DefDate",
                                                        "DefDbl",
                                                        "DefDec",
                                                        "DefInt",
                                                        "DefLng",
                                                        "DefObj",
                                                        "DefSng",
                                                        "DefStr",
                                                        "DefVar",
                                                        "Dim",
                                                        "Do",
                                                        "Double",
                                                        "Else",
                                                        "ElseIf",
                                                        "Empty",
                                                        "End",
                                                        "Enum",
                                                        "Erase",
                                                        "Error",
                                                        "Event",
                                                        "Exit",
                                                        "Explicit",
                                                        "False",
                                                        "For",
                                                        "Friend",
                                                        "Function",
                                                        "Get",
                                                        "Global",
                                                        "GoSub",
                                                        "GoTo",
                                                        "If",
                                                        "Input",
                                                        "Integer",
                                                        "Is",
                                                        "LBound",
                                                        "Let",
                                                        "Lib",
                                                        "Lock",
                                                        "Long",
                                                        "Loop",
                                                        "Mid",
                                                        "New",
                                                        "Next",
                                                        "Not",
                                                        "Nothing",
                                                        "Null",
                                                        "Object",
                                                        "On",
                                                        "Open",
                                                        "Preserve",
                                                        "Optional",
                                                        "Or",
                                                        "ParamArray",
                                                        "Print",
                                                        "Private",
                                                        "Property",
                                                        "Public",
                                                        "Put",
                                                        "RaiseEvent",
                                                        "Random",
                                                        "Redim",
                                                        "Resume",
                                                        "Seek",
                                                        "Select",
                                                        "Set",
                                                        "Shared",
                                                        "Single",
                                                        "Static",
                                                        "Step",
                                                        "Stop",
                                                        "String",
                                                        "Sub",
                                                        "Then",
                                                        "To",
                                                        "True",
                                                        "Type",
                                                        "UBound",
                                                        "Unlock",
                                                        "Until",
                                                        "Variant",
                                                        "Wend",
                                                        "While",
                                                        "With",
                                                        "WithEvents",
                                                        "Write"});

// The shortest and the longest single word: most identifiers are turned
// away by their length alone, before any hashing. Taken from the list, so
// that a word added to it is found whatever its length.
struct Laengen {
    std::size_t kuerzeste, laengste;
};
constexpr Laengen WortLaengen = [] {
    Laengen l{std::string_view::npos, 0};
    for (std::string_view w : Liste)
        if (w.find(' ') == std::string_view::npos) {
            l.kuerzeste = std::min(l.kuerzeste, w.size());
            l.laengste = std::max(l.laengste, w.size());
        }
    return l;
}();

// Open addressing over the single-word entries; the table is built once and
// is small enough to stay in cache on the hot path.
constexpr std::size_t TabellenGroesse = 512;
static_assert(Liste.size() * 2 <= TabellenGroesse, "the table needs free slots to end each probe");

std::uint32_t Streuwert(std::string_view w) {
    std::uint32_t h = 2166136261u;
    for (unsigned char c : w)
        h = (h ^ c) * 16777619u;
    return h;
}

struct Tabelle {
    std::array<std::int16_t, TabellenGroesse> index{};
    Tabelle() {
        index.fill(-1);
        for (std::size_t i = 0; i < Liste.size(); ++i) {
            if (Liste[i].find(' ') != std::string_view::npos)
                continue;
            std::size_t p = Streuwert(Liste[i]) & (TabellenGroesse - 1);
            while (index[p] >= 0)
                p = (p + 1) & (TabellenGroesse - 1);
            index[p] = static_cast<std::int16_t>(i);
        }
    }
};

const Tabelle& DieTabelle() {
    static const Tabelle t;
    return t;
}

} // namespace

std::span<const std::string_view> Schluesselwoerter() {
    return Liste;
}

const std::string& SchluesselwortListe() {
    static const std::string liste = [] {
        std::string s;
        for (std::size_t i = 0; i < Liste.size(); ++i) {
            if (i)
                s += ',';
            s += ' ';
            s += Liste[i];
            s += ' ';
        }
        return s;
    }();
    return liste;
}

int SchluesselwortIndex(std::string_view wort) {
    if (wort.size() < WortLaengen.kuerzeste || wort.size() > WortLaengen.laengste)
        return -1;
    const Tabelle& t = DieTabelle();
    for (std::size_t p = Streuwert(wort) & (TabellenGroesse - 1);; p = (p + 1) & (TabellenGroesse - 1)) {
        int i = t.index[p];
        if (i < 0)
            return -1;
        if (Liste[static_cast<std::size_t>(i)] == wort)
            return i;
    }
}

std::string MarkiertesWort(std::string_view wort) {
    std::string s(MarkeSchluessel);
    s += wort;
    s += MarkeNormal;
    return s;
}

} // namespace cb
