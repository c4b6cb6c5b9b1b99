// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Befehle.h"

#include <ostream>

namespace cb::cli {

int Ausfuehren(const std::vector<std::string>&, std::istream&, std::ostream&, std::ostream& fehler) {
    fehler << "usage: codebrindle-cli COMMAND ...\n";
    return 2;
}

} // namespace cb::cli
