// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/JetVergleich.h"

#include "app/Text.h"

#include <string>

namespace cb {

namespace {

// Base letters of the lower-case Latin-1 letters U+00DF to U+00FF, for the
// first level of the order; "" marks the division sign, which stays itself.
constexpr const char* Grundbuchstaben[] = {"ss", "a", "a", "a", "a", "a", "a", "ae", "c", "e",  "e",
                                           "e",  "e", "i", "i", "i", "i", "d", "n",  "o", "o",  "o",
                                           "o",  "o", "",  "o", "u", "u", "u", "u",  "y", "th", "y"};

void GrundformAnhaengen(std::u32string& ziel, char32_t cp) {
    if (cp >= 0xDF && cp <= 0xFF && *Grundbuchstaben[cp - 0xDF]) {
        for (const char* p = Grundbuchstaben[cp - 0xDF]; *p; ++p)
            ziel.push_back(static_cast<char32_t>(*p));
        return;
    }
    ziel.push_back(cp);
}

struct Schluessel {
    std::u32string grund;    // first level: base letters
    std::u32string gefaltet; // second level: the folded letters themselves
};

Schluessel SchluesselVon(std::string_view text) {
    std::string klein = KleinGefaltet(text);
    Schluessel s;
    s.gefaltet.reserve(klein.size());
    s.grund.reserve(klein.size());
    for (std::size_t i = 0, n = 0; i < klein.size(); i += n) {
        char32_t cp = CodepunktAn(klein, i, n);
        s.gefaltet.push_back(cp);
        GrundformAnhaengen(s.grund, cp);
    }
    return s;
}

int Vorzeichen(int r) {
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

} // namespace

int JetVergleich(std::string_view a, std::string_view b) {
    Schluessel sa = SchluesselVon(a), sb = SchluesselVon(b);
    if (int r = sa.grund.compare(sb.grund))
        return Vorzeichen(r);
    return Vorzeichen(sa.gefaltet.compare(sb.gefaltet));
}

} // namespace cb
