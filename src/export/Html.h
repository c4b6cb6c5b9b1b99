// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>

namespace cb {

struct Optionen;

/// Writes the characters that HTML or forum software would take for markup
/// as entities (ampersand first, so no entity is escaped twice).
void HtmlZeichenErsetzen(std::string& text);
/// "#RRGGBB" of a colour value (red in the low byte).
std::string FarbeNachHtml(std::int32_t farbe);
/// Marked code text to the HTML fragment: a "pre" block with a font span
/// and colour spans, in place.
void HtmlErzeugen(const Optionen& o, std::string& text);

} // namespace cb
