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

/// gsf reads an OLE directory in time that grows with the square of its
/// entries (the reader's lookups by index too), and by a recursion as deep
/// as its longest chain of sibling and child links; both are checked before
/// gsf sees the file. Workbooks saved by Excel have a few dozen entries (41
/// at most among the real ones at hand, in trees 9 deep); a VBA project
/// holds one stream per module, and this program's own tests and
/// benchmarks write 8,000 modules. At 10,000 entries in one storage, gsf
/// and the lookups take about a second.
inline constexpr std::size_t MaxOleEintraege = 10000;
/// Excel balances its trees, but gsf's own writer chains all streams of a
/// storage as siblings: 8,000 modules make a chain 8,004 deep. gsf's
/// recursion takes some 250 bytes a level, so 8,192 levels stay within
/// 2 MB, a quarter of the usual 8 MB stack; a chain of about 35,000
/// overruns it.
inline constexpr std::size_t MaxOleTiefe = 8192;

/// Throws WorkbookError (naming datei) when no VBA storage can be read.
VbaSpeicher VbaSpeicherLesen(std::string_view bytes, const std::string& datei);

} // namespace cb::workbook
