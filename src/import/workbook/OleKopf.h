// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What an OLE compound file's header and sector allocation table say of
// the file's length. gsf opens a file cut short without a word and leaves
// out the storages whose sectors are gone, so a cut workbook would pass for
// one without a VBA project.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace cb::workbook {

/// The least length in bytes that holds the start of every sector in use
/// (the header's own sectors and every sector the allocation table does not
/// mark free); 0 when the header is too short or malformed to tell.
std::uint64_t OleMindestLaenge(std::string_view bytes);

/// How large and how deep an OLE file's directory is, as far as it was
/// walked: the entries reached from the root through sibling and child
/// links (each once), and the longest such path from the root.
struct OleVerzeichnisMass {
    std::size_t eintraege = 0;
    std::size_t tiefe = 0;
};

/// Walks the directory without recursion and stops as soon as more than
/// maxEintraege entries or a path deeper than maxTiefe are found, so the
/// work is bounded by the limits, not by what the file claims. A header or
/// directory too malformed to walk gives what was reached; gsf then judges
/// the file.
OleVerzeichnisMass OleVerzeichnisMessen(std::string_view bytes, std::size_t maxEintraege,
                                        std::size_t maxTiefe);

} // namespace cb::workbook
