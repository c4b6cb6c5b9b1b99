// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/workbook/EditorSource.h"

namespace cb::workbook {

EditorText EditorTextAus(std::string_view quelle) {
    EditorText out;
    out.code.reserve(quelle.size());
    std::size_t pos = 0;
    while (pos < quelle.size()) {
        std::size_t ende = quelle.find_first_of("\r\n", pos);
        if (ende == std::string_view::npos)
            ende = quelle.size();
        const std::string_view zeile = quelle.substr(pos, ende - pos);
        // CR LF, or a lone LF or CR as left by tools that rewrote the text.
        pos = ende + 1;
        if (ende + 1 < quelle.size() && quelle[ende] == '\r' && quelle[ende + 1] == '\n')
            ++pos;
        ++out.gespeichert;
        if (zeile.starts_with("Attribute "))
            continue;
        if (out.zeilen++ > 0)
            out.code += "\r\n";
        out.code += zeile;
    }
    return out;
}

} // namespace cb::workbook
