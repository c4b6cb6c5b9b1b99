// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

namespace cb {

/// Position of the first occurrence at or after von, or npos (memmem: far
/// faster than a first-character scan on text dense with markers).
std::size_t Finden(std::string_view text, std::string_view teil, std::size_t von = 0);

/// Replaces every occurrence of von (left to right, not overlapping) by nach.
void AllesErsetzen(std::string& text, std::string_view von, std::string_view nach);
/// The same as a copy.
std::string AllesErsetzt(std::string_view text, std::string_view von, std::string_view nach);

} // namespace cb
