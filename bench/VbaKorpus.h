// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace cb::bench {

/// About `bytes` of realistic VBA module code: routines with declarations,
/// loops, strings with doubled quotes, comments, continuations, Declares.
std::string VbaModul(std::size_t bytes);

} // namespace cb::bench
