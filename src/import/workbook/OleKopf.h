// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What an OLE compound file's header and sector allocation table say of
// the file's length. gsf opens a file cut short without a word and leaves
// out the storages whose sectors are gone, so a cut workbook would pass for
// one without a VBA project.
#include <cstdint>
#include <string_view>

namespace cb::workbook {

/// The least length in bytes that holds the start of every sector in use
/// (the header's own sectors and every sector the allocation table does not
/// mark free); 0 when the header is too short or malformed to tell.
std::uint64_t OleMindestLaenge(std::string_view bytes);

} // namespace cb::workbook
