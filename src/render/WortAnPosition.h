// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace cb {

/// True for a character that may be part of an identifier: digits, letters
/// of any script and "_".
bool IstWortZeichen(char32_t zeichen);

/// The identifier at a caret standing after `zeichenVorCaret` characters
/// (code points) of the text: the caret must be inside the word or right
/// after it, also where the word ends the text; right before a word it
/// finds nothing.
std::string WortAnPosition(std::string_view text, std::size_t zeichenVorCaret);

} // namespace cb
