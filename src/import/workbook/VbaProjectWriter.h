// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes a VBA project storage (PROJECT, PROJECTwm, VBA/dir, VBA/_VBA_PROJECT
// and one stream per module) as MS-OVBA lays it out, and wraps it in an
// .xlsm package or an .xls OLE file.
#include "import/workbook/ContainerWriter.h"
#include "import/workbook/ProjectStream.h"

#include <string>
#include <vector>

namespace cb::workbook {

struct QuellModul {
    std::string name;                  // UTF-8
    KomponentenArt art = KomponentenArt::Standard;
    std::string quelle;                // stored source, Attribute lines included, UTF-8
};

struct ProjektVorlage {
    std::string name = "VBAProject";
    int codepage = 1252;
    bool gesperrt = false;             // locked for viewing
    std::vector<QuellModul> module;
};

/// The streams of the project storage, paths relative to it.
std::vector<ContainerEintrag> VbaSpeicherBauen(const ProjektVorlage& vorlage);

/// A bare vbaProject.bin.
std::string VbaProjectBin(const ProjektVorlage& vorlage);
/// An Office Open XML package with xl/vbaProject.bin (no worksheet content).
std::string XlsmBauen(const ProjektVorlage& vorlage);
/// An OLE file with the project in _VBA_PROJECT_CUR (no worksheet content).
std::string XlsBauen(const ProjektVorlage& vorlage);

} // namespace cb::workbook
