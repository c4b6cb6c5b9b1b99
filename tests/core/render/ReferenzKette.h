// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colouring written as the plain chain of whole-text replacements that
// defines it, step by step. The fast one-pass colouring must give the same
// bytes for every input.
#include <string>

namespace cb {
struct Zustand;
}

namespace cb::referenz {

std::string CodeMarkierenTransient(const Zustand& z, std::string text);
std::string MarkenNachRtf(const Zustand& z, std::string text);

} // namespace cb::referenz
