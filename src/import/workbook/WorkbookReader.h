// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads the VBA project of a workbook file (.xlsm .xlsb .xltm .xlam .xls
// .xla .xlt .docm .dotm .pptm .doc, or a bare vbaProject.bin).
#include "import/workbook/VbaProject.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace cb::workbook {

/// Throws WorkbookError naming the file when it holds no readable project.
VbaProjekt WorkbookLesen(const std::filesystem::path& datei);

/// The same over bytes already in memory; datei names them in messages.
VbaProjekt WorkbookAusBytes(std::string_view bytes, const std::string& datei);

} // namespace cb::workbook
