// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keys and images of the project tree's nodes, which the lists that
// OffenesProjekt reads and the trees that show them share.
#include "app/Baum.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace cb {

// Keys "M" + mod_num and "R" + rou_num; images "M" + mod_typ and
// "R" + rou_typ + "O" + rou_open.

std::string ModulSchluessel(std::int64_t modNum);
std::string RoutinenSchluessel(std::int64_t rouNum);
std::string RoutinenBild(std::int64_t rouTyp, std::int64_t rouOpen);
/// The module number of a key such as "M12": the digits after its first
/// character, 0 when there are none.
std::int64_t ModulNummerAusSchluessel(std::string_view schluessel);

} // namespace cb
