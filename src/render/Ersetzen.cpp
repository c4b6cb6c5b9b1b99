// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/Ersetzen.h"

#include <cstring>

namespace cb {

std::string AllesErsetzt(std::string_view text, std::string_view von, std::string_view nach) {
    if (von.empty())
        return std::string(text);
    std::string out;
    std::size_t pos = 0;
    for (;;) {
        std::size_t fund = text.find(von, pos);
        if (fund == std::string_view::npos)
            break;
        if (out.empty())
            out.reserve(text.size() + text.size() / 8);
        out.append(text.data() + pos, fund - pos);
        out.append(nach);
        pos = fund + von.size();
    }
    if (pos == 0)
        return std::string(text);
    out.append(text.data() + pos, text.size() - pos);
    return out;
}

void AllesErsetzen(std::string& text, std::string_view von, std::string_view nach) {
    if (von.empty() || text.find(von) == std::string::npos)
        return;
    text = AllesErsetzt(text, von, nach);
}

} // namespace cb
