// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Ersetzen.h"

#include <cstring>

namespace cb {

std::size_t Finden(std::string_view text, std::string_view teil, std::size_t von) {
    if (von > text.size())
        return std::string_view::npos;
    const void* f = memmem(text.data() + von, text.size() - von, teil.data(), teil.size());
    return f ? static_cast<std::size_t>(static_cast<const char*>(f) - text.data()) : std::string_view::npos;
}

std::string AllesErsetzt(std::string_view text, std::string_view von, std::string_view nach) {
    if (von.empty())
        return std::string(text);
    std::string out;
    std::size_t pos = 0;
    for (;;) {
        std::size_t fund = Finden(text, von, pos);
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
    if (von.empty() || Finden(text, von) == std::string::npos)
        return;
    text = AllesErsetzt(text, von, nach);
}

} // namespace cb
