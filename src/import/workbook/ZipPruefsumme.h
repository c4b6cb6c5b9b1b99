// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The checksums a zip package's central directory records for its members.
// gsf inflates a member without checking it, so a flipped bit in the
// deflated project would be read as other code without a word.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace cb::workbook {

/// CRC-32 as zip computes it (polynomial 0xEDB88320, reflected).
std::uint32_t Crc32(std::string_view daten);

/// A member's path as the reader looks it up: empty parts left out, each
/// part folded to lower case (OPC names compare without regard to case).
std::string ZipSchluessel(std::string_view pfad);
/// The parts of a member path between its slashes, empty parts left out.
std::vector<std::string_view> PfadTeile(std::string_view pfad);

/// How much of the package to hand to gsf: all of it but the comment after
/// a consistent end record. gsf looks for that record in less than the
/// 65,535 bytes a comment may take, and needs nothing of the comment.
std::size_t ZipOhneKommentar(std::string_view zip);

/// The checksums of a package's members by ZipSchluessel; a package may
/// hold two members of one key. Empty when no end of central directory
/// record, or no central directory where it says, can be found.
std::optional<std::unordered_multimap<std::string, std::uint32_t>> ZipPruefsummen(std::string_view zip);

} // namespace cb::workbook
