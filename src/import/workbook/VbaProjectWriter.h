// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes a VBA project storage (PROJECT, PROJECTwm, VBA/dir, VBA/_VBA_PROJECT
// and one stream per module) as MS-OVBA lays it out, and wraps it in an
// .xlsm package or an .xls OLE file.
#include "import/workbook/ContainerWriter.h"
#include "import/workbook/ProjectStream.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cb::workbook {

struct QuellModul {
    std::string name;                  // UTF-8
    KomponentenArt art = KomponentenArt::Standard;
    std::string quelle;                // stored source, Attribute lines included, UTF-8
};

/// Faults written on purpose, so that tests, benchmarks and the fuzzer's
/// seeds get files that a reader must refuse. "Module" means the first one.
enum class Beschaedigung {
    Keine,
    ModulStream,       // a copy token that reaches before its chunk
    ModulOffset,       // MODULEOFFSET beyond the end of the module's stream
    ModulAbgeschnitten, // the module's stream cut in half
    DirGroesse,        // a dir record claiming more bytes than follow
    DirModulAnzahl,    // PROJECTMODULES counting one module too many
    StreamFehlt,       // the module's stream left out
    ProjectFremd,      // the PROJECT stream naming a module the dir lacks
    DateiAbgeschnitten, // the finished file cut in half
    ModulName,         // the module's name left empty (its stream keeps its name)
};

/// The names the workbook writer tool takes: "module-stream", "dir-size"...
std::optional<Beschaedigung> BeschaedigungAusName(std::string_view name);
/// Every name BeschaedigungAusName takes, separated by ", ".
std::string BeschaedigungsNamen();

struct ProjektVorlage {
    std::string name = "VBAProject";
    int codepage = 1252;
    bool gesperrt = false;             // locked for viewing
    std::vector<QuellModul> module;
    /// Bytes before each module's source where the compiled cache would
    /// stand; MODULEOFFSET points past them.
    std::size_t cache = 0;
    Beschaedigung schaden = Beschaedigung::Keine;
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
