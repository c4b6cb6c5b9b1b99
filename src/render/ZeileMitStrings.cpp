// SPDX-License-Identifier: GPL-3.0-or-later
// The character-by-character form of a line's comment and string marking,
// as the replacement chain defines it; the one-pass colouring folds the
// same rule into its scan.
#include "app/Ersetzen.h"
#include "app/Marken.h"
#include "render/CodeMarkieren.h"

namespace cb {

namespace {

std::string Geschuetzt(std::string_view s) {
    return AllesErsetzt(s, " ", MarkeLeer);
}

} // namespace

std::string ZeileMitStringsMarkieren(std::string_view zeile) {
    std::string out;
    bool imString = false;
    std::size_t stringStart = 0;
    for (std::size_t i = 0; i < zeile.size(); ++i) {
        char c = zeile[i];
        if (!imString && c == '\'') {
            out += MarkeKommentar;
            out += Geschuetzt(zeile.substr(i));
            out += MarkeNormal;
            return out;
        }
        if (c == '"') {
            if (!imString) {
                stringStart = i;
            } else {
                out += MarkeString;
                out += Geschuetzt(zeile.substr(stringStart, i - stringStart + 1));
                out += MarkeNormal;
            }
            imString = !imString;
        } else if (!imString) {
            out += c;
        }
    }
    if (imString) {
        out += MarkeString;
        out += Geschuetzt(zeile.substr(stringStart));
        out += MarkeNormal;
    }
    return out;
}

} // namespace cb
