// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Module sources as the VBA editor exports them (.bas, .cls, .frm: a header,
// the Attribute lines, the code) turned into what a project stores, for the
// workbook writer.
#include "testhilfen/VbaProjectWriter.h"

#include <string>
#include <string_view>

namespace cb::workbook {

/// The stored module of an exported file: the text from its "Attribute
/// VB_Name" line on, each line ended by CR LF. The kind follows the
/// extension; a .cls whose VB_Base names one type library is a document
/// module (workbook or sheet), one naming two is a designer. Throws
/// std::invalid_argument with a message naming the file for input
/// that is no module.
QuellModul ModulAusExport(std::string_view inhalt, const std::string& dateiname);

/// Empty when the template can be written, otherwise why not:
/// module names must be VBA identifiers of at most 31 characters, unique
/// without regard to case.
std::string VorlagenFehler(const ProjektVorlage& vorlage);

} // namespace cb::workbook
