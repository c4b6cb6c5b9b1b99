// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace cb {

/// The text after "Typ = " for a module's image key ("M" + type code);
/// the whole type text, or "" for a type without one.
std::string ModulTypText(const std::string& typCode);

/// The header block that project exports put before each module, as a
/// bold comment in marked code text: a line of asterisks, the module's
/// name and type, another line of asterisks.
std::string ModulKopfBlock(const std::string& modulName, const std::string& typCode);

} // namespace cb
