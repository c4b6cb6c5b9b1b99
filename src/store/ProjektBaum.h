// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The project tree as plain data: what ModullisteLaden and RoutinenlisteLaden
// read from the database, for whichever tree shows it.
#include "app/Baum.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace cb {

struct Zustand;

// Keys "M" + mod_num and "R" + rou_num; images "M" + mod_typ and
// "R" + rou_typ + "O" + rou_open.

/// The module nodes, by type code and then by name; sets ModulAnzahl.
std::vector<BaumKnoten> ModullisteLaden(Zustand& z);
/// The routine nodes, by module and then by name, each under its module.
std::vector<BaumKnoten> RoutinenlisteLaden(const Zustand& z);

std::string ModulSchluessel(std::int64_t modNum);
std::string RoutinenSchluessel(std::int64_t rouNum);
std::string RoutinenBild(std::int64_t rouTyp, std::int64_t rouOpen);
/// The module number of a key such as "M12": the digits after its first
/// character, 0 when there are none.
std::int64_t ModulNummerAusSchluessel(std::string_view schluessel);

} // namespace cb
