// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CountOfLines and Lines over a module's code held as one text, for the
// hosts that keep it so.
#include <cstdint>
#include <string>
#include <string_view>

namespace cb {

/// Lines of code joined by CR LF; a final CR LF does not start another line.
std::int64_t CodeZeilenZahl(std::string_view code);

/// count lines from the 1-based line start, joined by CR LF; lines past
/// the end are not there. Throws HostFehler for a start below 1 or a
/// negative count, as the host refuses them.
std::string CodeZeilenAusschnitt(std::string_view code, std::int64_t start, std::int64_t count);

} // namespace cb
