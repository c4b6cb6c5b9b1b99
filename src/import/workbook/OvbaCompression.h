// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The run-length compression of MS-OVBA (section 2.4.1) that VBA uses for
// the dir stream and the source text of every module.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace cb::workbook {

/// Output beyond this is refused: real module sources stay far below it, so
/// more means a hostile or broken stream.
inline constexpr std::size_t MaxDekomprimiert = std::size_t{256} << 20;

/// Decompresses a CompressedContainer; throws FormatError for any malformed
/// input and GroessenFehler for output beyond the limit.
std::string Dekomprimieren(std::string_view container, std::size_t limit = MaxDekomprimiert);
/// The length the decompressed container has, without holding it; throws
/// FormatError where Dekomprimieren would.
std::uint64_t DekomprimierteGroesse(std::string_view container);

/// A valid CompressedContainer for the data (raw chunks where compression
/// would grow a chunk).
std::string Komprimieren(std::string_view daten);

} // namespace cb::workbook
