// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/WortAnPosition.h"

#include "app/Text.h"

#include <vector>

namespace cb {

bool IstWortZeichen(char32_t c) {
    return c == U'_' || IstBuchstabeOderZiffer(c);
}

std::string WortAnPosition(std::string_view text, std::size_t p) {
    // Byte offsets of the code points, so that the scan can go both ways.
    std::vector<std::size_t> offsets;
    std::vector<char32_t> zeichen;
    for (std::size_t i = 0, n; i < text.size(); i += n) {
        offsets.push_back(i);
        zeichen.push_back(CodepunktAn(text, i, n));
    }
    offsets.push_back(text.size());
    const std::size_t n = zeichen.size();
    if (p == 0 || p > n || !IstWortZeichen(zeichen[p - 1]))
        return {};
    std::size_t s = p - 1; // index of the first character of the word
    while (s > 0 && IstWortZeichen(zeichen[s - 1]))
        --s;
    std::size_t e = p; // one past the last character of the word
    while (e < n && IstWortZeichen(zeichen[e]))
        ++e;
    return std::string(text.substr(offsets[s], offsets[e] - offsets[s]));
}

} // namespace cb
