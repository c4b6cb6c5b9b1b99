// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <span>
#include <string>
#include <string_view>

namespace cb {

/// The coloured keywords in processing order; the first five are phrases
/// whose words are coloured one by one.
std::span<const std::string_view> Schluesselwoerter();

/// The stored list: every entry with one blank on each side, comma-separated.
const std::string& SchluesselwortListe();

/// Index of a single-word keyword in Schluesselwoerter(), or -1.
int SchluesselwortIndex(std::string_view wort);

/// MarkeSchluessel + wort + MarkeNormal.
std::string MarkiertesWort(std::string_view wort);

} // namespace cb
