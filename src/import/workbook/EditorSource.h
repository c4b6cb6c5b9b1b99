// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the VBA editor shows of a stored module source.
#include <cstddef>
#include <string>
#include <string_view>

namespace cb::workbook {

struct EditorText {
    std::string code;            // lines without Attribute lines, joined by CR LF
    std::size_t zeilen = 0;      // lines of code
    std::size_t gespeichert = 0; // lines of the stored source, Attribute lines included
};

/// Drops every line beginning with "Attribute " (the editor hides them, at
/// the top and inside procedures); a final line break ends the last line.
EditorText EditorTextAus(std::string_view quelle);

} // namespace cb::workbook
