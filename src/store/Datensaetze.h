// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rows of td_rout and td_mod as the module parser writes them; the
// fields are named after their columns.
#include <cstdint>
#include <string>

namespace cb {

/// Routine type codes (rou_typ); codes above 10 are external declarations.
enum RoutinenTyp : int {
    TypSub = 1,
    TypFunction = 2,
    TypPropertyLet = 3,
    TypPropertyGet = 4,
    TypPropertySet = 5,
    TypDeclareSub = 11,
    TypDeclareFunction = 12,
};

/// Scope codes (rou_open).
enum RoutinenOffen : int { OffenPublic = 1, OffenPrivate = 2, OffenFriend = 3 };

/// Module type codes (mod_typ) that the Excel reader stores.
enum ModulTypCode : int {
    ModulUserForm = 1,
    ModulStandard = 2,
    ModulKlasse = 3,
    ModulDokument = 5,
    ModulAndere = 32,
};

/// A td_rout row; rou_start and rou_ende follow once the lines are known.
struct RoutinenZeile {
    int RouTyp = 0;
    int RouOpen = 0;
    std::int64_t AnzDecZeilen = 1;
    std::string RouName;
    std::int64_t RouNum = 0;
    std::int64_t ModNum = 0;
    /// The 1-based lines of header and End statement; 0 until they are known.
    std::int64_t RouStart = 0;
    std::int64_t RouEnde = 0;
};

struct ModulZeile {
    std::int64_t ModNum = 0;
    std::string ModName;
    int ModTyp = 0;
    std::int64_t ModZeilen = 0;
};

} // namespace cb
