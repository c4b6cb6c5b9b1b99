// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/workbook/TextDekodierung.h"

#include "app/Text.h"
#include "import/workbook/FormatError.h"

#include <cerrno>
#include <iconv.h>
#include <memory>

namespace cb::workbook {

namespace {

struct IconvFreigabe {
    void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};

} // namespace

std::string NachUtf8(std::string_view bytes, int codepage) {
    if (codepage == 1252)
        return Cp1252NachUtf8(bytes);
    iconv_t roh = iconv_open("UTF-8", IconvName(codepage).c_str());
    if (roh == reinterpret_cast<iconv_t>(-1))
        throw FormatError("code page " + std::to_string(codepage) + " is not supported");
    const std::unique_ptr<void, IconvFreigabe> cd(roh);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char puffer[4096];
    while (inLeft > 0) {
        char* o = puffer;
        std::size_t oLeft = sizeof puffer;
        const std::size_t r = iconv(roh, &in, &inLeft, &o, &oLeft);
        const int fehler = errno;
        out.append(puffer, static_cast<std::size_t>(o - puffer));
        if (r != static_cast<std::size_t>(-1) || fehler == E2BIG)
            continue;
        // An invalid or cut sequence: one byte as Windows-1252, then on.
        out += Cp1252NachUtf8(std::string_view(in, 1));
        ++in;
        --inLeft;
        iconv(roh, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
}

} // namespace cb::workbook
