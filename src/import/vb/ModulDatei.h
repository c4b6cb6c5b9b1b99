// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Visual Basic module files (.bas, .cls, .frm and the other kinds of a VB
// project) as the VBA editor and Visual Basic export them: an optional
// header, a block of "Attribute " lines, then the code.
#include <optional>
#include <string>
#include <string_view>

namespace cb {

/// Windows-1252, the code page of module files that are not UTF-8.
inline constexpr int StandardCodepage = 1252;

/// The bytes of a module file as text: UTF-8 (with or without byte-order
/// mark) when they are valid UTF-8, otherwise in ersatzCodepage; every line
/// break becomes CR LF. Throws std::runtime_error for an unknown code page.
std::string ModulDateiText(std::string_view bytes, int ersatzCodepage = StandardCodepage);

/// A line of the attribute block: "Attribute " after leading blanks, in
/// any letter case.
bool IstAttributZeile(std::string_view zeile);

/// The code of a module file's text (CR LF line breaks): every line after
/// the first run of attribute lines, without the final line break, so that
/// a module exported from a workbook stores the text the workbook gives.
/// Attribute lines further down (procedure attributes) stay. A text without
/// any attribute line is code as a whole.
std::string CodeAusModulDatei(std::string_view text);

/// The module name of Attribute VB_Name; "" when the text has none.
std::string VbNameAus(std::string_view text);

/// The stored module type code of a file kind, by its extension (any letter
/// case): .frm 1, .bas 2, .cls 3, .ctl 4, .dob 6, .dsr 7, .pag 0 (stored as
/// 32); nothing for a file that is no module file.
std::optional<int> ModulTypNachEndung(std::string_view pfad);

} // namespace cb
