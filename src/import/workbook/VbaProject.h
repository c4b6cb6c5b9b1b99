// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a workbook's VBA project holds, as the VBA editor would show it.
#include "import/workbook/DirStream.h"
#include "import/workbook/ProjectStream.h"

#include <cstddef>
#include <string>
#include <vector>

namespace cb::workbook {

struct Komponente {
    std::string name; // UTF-8
    KomponentenArt art = KomponentenArt::Standard;
    std::string code; // without Attribute lines, lines joined by CR LF
    std::size_t zeilen = 0;
    std::size_t gespeicherteZeilen = 0; // of the stored source, Attribute lines included
};

struct VbaProjekt {
    std::string name;
    int codepage = 1252;
    /// Locked for viewing (GC visibility state 0); a password alone is not.
    bool gesperrt = false;
    bool passwort = false;
    std::vector<Komponente> komponenten; // in the PROJECT stream's order
    std::vector<Referenz> referenzen;
};

} // namespace cb::workbook
