// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/host/CodeZeilen.h"

#include "import/host/Host.h"

namespace cb {

namespace {

constexpr std::string_view CrLf = "\r\n";

} // namespace

std::int64_t CodeZeilenZahl(std::string_view code) {
    if (code.empty())
        return 0;
    std::int64_t zahl = 1;
    for (std::size_t pos = code.find(CrLf); pos != std::string_view::npos; pos = code.find(CrLf, pos + 2))
        if (pos + 2 < code.size())
            ++zahl;
    return zahl;
}

std::string CodeZeilenAusschnitt(std::string_view code, std::int64_t start, std::int64_t count) {
    if (start < 1 || count < 0)
        throw HostFehler("Ungültiger Prozeduraufruf oder ungültiges Argument");
    std::size_t anfang = 0;
    for (std::int64_t zeile = 1; zeile < start; ++zeile) {
        const std::size_t cr = code.find(CrLf, anfang);
        if (cr == std::string_view::npos)
            return {};
        anfang = cr + 2;
    }
    std::string zeilen;
    std::size_t pos = anfang;
    for (std::int64_t n = 0; n < count && pos < code.size(); ++n) {
        const std::size_t cr = code.find(CrLf, pos);
        if (n > 0)
            zeilen += CrLf;
        zeilen += code.substr(pos, (cr == std::string_view::npos ? code.size() : cr) - pos);
        if (cr == std::string_view::npos)
            break;
        pos = cr + 2;
    }
    return zeilen;
}

} // namespace cb
