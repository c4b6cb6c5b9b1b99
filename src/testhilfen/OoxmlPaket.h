// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The parts of a macro-enabled Office Open XML package around its
// vbaProject.bin: content types, relationships and the smallest main
// document that Excel, Word or PowerPoint and LibreOffice open.
#include "testhilfen/ContainerWriter.h"

#include <string>
#include <vector>

namespace cb::workbook {

enum class PaketArt { Xlsm, Xltm, Xlam, Docm, Dotm, Pptm };

/// The code names that tie a workbook's document modules to the workbook
/// and its sheets; empty where no module stands for them.
struct ExcelCodeNamen {
    std::string arbeitsmappe;
    std::vector<std::string> tabellen; // one sheet each; at least one sheet is written
};

/// The sheets' tab names, one per sheet to write: a code name where it can
/// be a sheet name, "Tabelle" and the sheet's number otherwise; all distinct.
std::vector<std::string> BlattNamen(const ExcelCodeNamen& namen);

/// Every part of the package, vbaProject.bin included.
std::vector<ContainerEintrag> PaketTeile(PaketArt art, const ExcelCodeNamen& namen,
                                         std::string vbaProjectBin);

} // namespace cb::workbook
