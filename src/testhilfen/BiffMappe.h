// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Workbook stream of an .xls file (BIFF8, MS-XLS): the workbook globals
// with the records Excel requires, then one empty worksheet per sheet.
#include "testhilfen/OoxmlPaket.h"

#include <string>

namespace cb::workbook {

/// One worksheet per name in namen.tabellen (one unnamed sheet when there
/// is none); the code names tie the document modules to the workbook and
/// its sheets. mitVba writes the record that tells Excel to load the
/// project in _VBA_PROJECT_CUR.
std::string BiffWorkbookStream(const ExcelCodeNamen& namen, bool mitVba);

} // namespace cb::workbook
