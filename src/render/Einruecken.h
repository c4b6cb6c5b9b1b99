// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace cb {

/// Block depth while indenting; openers raise it, closers lower it.
struct EinrueckStand {
    std::int64_t Ebene = 0;
    std::int64_t Versatz = 0;
};

/// Re-indents framed code text (it begins and ends with a line break): every
/// line gets as many tabs as its block depth.
std::string CodeEinruecken(std::string_view text);

/// Classifies one line without leading blanks and updates depth and offset.
void EbeneBestimmen(std::string_view zeile, EinrueckStand& stand);

} // namespace cb
