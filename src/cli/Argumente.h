// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/Fehler.h"

#include <string>
#include <utility>
#include <vector>

namespace cb::cli {

/// Arguments that do not form a valid command line.
class FalscherAufruf : public cb::Fehler {
public:
    using cb::Fehler::Fehler;
};

struct Aufruf {
    std::string befehl;
    std::vector<std::string> positionen;
    /// --option KEY=VALUE in the order given (later ones win)
    std::vector<std::pair<std::string, std::string>> optionen;
    /// Named flags and values such as --module NAME (repeatable)
    std::vector<std::pair<std::string, std::string>> benannte;
};

/// Splits the arguments; flags listed in mitWert take the next argument,
/// those in ohneWert stand alone (kept with an empty value).
Aufruf Zerlegen(const std::vector<std::string>& argumente, const std::vector<std::string>& mitWert = {},
                const std::vector<std::string>& ohneWert = {});

} // namespace cb::cli
