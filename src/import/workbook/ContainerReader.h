// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finds the VBA project storage in a workbook's bytes: a zip package with a
// vbaProject.bin, an OLE file (.xls, .doc) or a bare vbaProject.bin.
#include "import/workbook/VbaStorage.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace cb::workbook {

/// Files and streams beyond this are refused before they are read.
inline constexpr std::size_t MaxTeilGroesse = std::size_t{512} << 20;
/// A zip member (the vbaProject.bin) beyond this is refused before it is
/// inflated; real ones hold a few megabytes at most.
inline constexpr std::size_t MaxZipTeil = std::size_t{128} << 20;
/// [Content_Types].xml of real packages is a few kilobytes.
inline constexpr std::size_t MaxInhaltsTypen = std::size_t{1} << 20;
/// A zip member that inflates to more than this many times the whole file
/// (and past a megabyte) is taken for a zip bomb.
inline constexpr std::size_t MaxZipVerhaeltnis = 100;

/// Throws WorkbookError (naming datei) when no VBA storage can be read.
VbaSpeicher VbaSpeicherLesen(std::string_view bytes, const std::string& datei);

} // namespace cb::workbook
