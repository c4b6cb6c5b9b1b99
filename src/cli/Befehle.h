// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <iosfwd>
#include <string>
#include <vector>

namespace cb::cli {

/// Runs one command line: 0 on success, 2 on wrong arguments, 1 otherwise.
int Ausfuehren(const std::vector<std::string>& argumente, std::istream& ein, std::ostream& aus,
               std::ostream& fehler);

} // namespace cb::cli
