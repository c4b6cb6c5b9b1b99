// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts of a VBA project (names, PROJECT stream, module sources) from the
// project's code page to UTF-8, in time linear in the input even when every
// byte is broken: hostile files are made of nothing else.
#include <string>
#include <string_view>

namespace cb::workbook {

/// A byte that does not decode stands for itself as Windows-1252 would read
/// it; throws FormatError for a code page this system cannot convert.
std::string NachUtf8(std::string_view bytes, int codepage);

} // namespace cb::workbook
