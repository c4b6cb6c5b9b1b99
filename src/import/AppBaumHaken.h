// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tick rules of the application tree: ticks never span two projects,
// and a project's tick goes to all its modules.
#include <string_view>

namespace cb {

class Baum;

/// Runs after the node's tick was changed by the user. Returns whether any
/// node is ticked, which enables "&Code Einlesen" and the "doit" button.
bool AppKnotenGehakt(Baum& treApp, std::string_view schluessel);

} // namespace cb
