// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace cb {

struct Edition {
    std::string AppName;
    std::string EditionsCode;
};

/// The host application of an edition number; unknown numbers give empty names.
Edition EditionNach(int nummer);

} // namespace cb
