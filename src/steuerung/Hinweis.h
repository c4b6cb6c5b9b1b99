// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A message that the window logic asks the controller to show; the
// controller passes it to Meldungen under the application's title.
#include "app/Meldungen.h"

#include <string>

namespace cb {

struct Hinweis {
    std::string Text;
    MeldungsSymbol Symbol = MeldungsSymbol::Information;

    bool operator==(const Hinweis&) const = default;
};

} // namespace cb
