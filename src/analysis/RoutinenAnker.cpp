// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/RoutinenAnker.h"

#include "app/Marken.h"

#include <cstdio>

namespace cb {

namespace {

std::string Anker(char art, std::int64_t nummer) {
    char ziffern[32];
    std::snprintf(ziffern, sizeof ziffern, "%08lld", static_cast<long long>(nummer));
    std::string s(MarkeZeichen);
    s += '*';
    s += art;
    s += ziffern;
    s += '|';
    return s;
}

// Length of the anchor at the start of s, 0 when there is none.
std::size_t AnkerLaenge(std::string_view s, RoutinenAnker& a) {
    if (!s.starts_with(MarkeZeichen))
        return 0;
    std::size_t i = MarkeZeichen.size();
    if (i + 2 > s.size() || s[i] != '*' || (s[i + 1] != 'A' && s[i + 1] != 'E'))
        return 0;
    a.Start = s[i + 1] == 'A';
    i += 2;
    std::int64_t n = 0;
    std::size_t ziffern = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i, ++ziffern)
        n = n * 10 + (s[i] - '0');
    if (ziffern < 8 || i >= s.size() || s[i] != '|')
        return 0;
    a.Nummer = n;
    return i + 1;
}

} // namespace

std::string RoutinenStartMarke(std::int64_t nummer) {
    return Anker('A', nummer);
}

std::string RoutinenEndeMarke(std::int64_t nummer) {
    return Anker('E', nummer);
}

std::string AnkerAufloesen(std::string_view zeile,
                           const std::function<void(const RoutinenAnker&)>& gefunden) {
    std::string out;
    std::size_t p = 0;
    for (;;) {
        RoutinenAnker a;
        if (std::size_t n = AnkerLaenge(zeile.substr(p), a)) {
            gefunden(a);
            p += n;
        } else if (zeile.substr(p).starts_with(MarkeFettAn)) {
            out += MarkeFettAn;
            p += MarkeFettAn.size();
        } else {
            break;
        }
    }
    out += zeile.substr(p);
    return out;
}

} // namespace cb
