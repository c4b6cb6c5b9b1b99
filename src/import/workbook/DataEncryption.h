// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The data encryption of MS-OVBA (section 2.4.3) that hides the protection
// fields CMG, DPB and GC of the PROJECT stream. It obscures, it does not
// protect: the key travels with the data.
#include <cstdint>
#include <string>
#include <string_view>

namespace cb::workbook {

/// The plain bytes of an encrypted field given as its hex text (without
/// quotes); throws FormatError for a text that is not such a field.
std::string Entschluesseln(std::string_view hex);

/// The hex text (upper case) of the data encrypted with the seed; the key
/// byte is derived from the project's ID text as VBA does.
std::string Verschluesseln(std::string_view daten, std::string_view projektId, std::uint8_t seed);

} // namespace cb::workbook
