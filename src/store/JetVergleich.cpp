// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/JetVergleich.h"

#include "app/Text.h"

#include <algorithm>
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
    // Names are nearly always plain ASCII, and every tree query sorts
    // thousands of them: up to the first other character they compare as
    // their lower-case letters, without building the two keys.
    const auto ascii = [](unsigned char c) { return c < 0x80; };
    const auto klein = [](unsigned char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + 32) : c;
    };
    const std::size_t n = std::min(a.size(), b.size());
    std::size_t i = 0;
    for (; i < n; ++i) {
        const auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (!ascii(x) || !ascii(y))
            break;
        if (klein(x) != klein(y))
            return klein(x) < klein(y) ? -1 : 1;
    }
    const std::string_view rest = i < n ? std::string_view() : (a.size() > n ? a.substr(n) : b.substr(n));
    if (i == n &&
        std::all_of(rest.begin(), rest.end(), [&](char c) { return ascii(static_cast<unsigned char>(c)); }))
        return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
    Schluessel sa = SchluesselVon(a), sb = SchluesselVon(b);
    if (int r = sa.grund.compare(sb.grund))
        return Vorzeichen(r);
    return Vorzeichen(sa.gefaltet.compare(sb.gefaltet));
}

} // namespace cb
