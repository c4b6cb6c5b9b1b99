// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes a VBA project storage (PROJECT, PROJECTwm, VBA/dir, VBA/_VBA_PROJECT
// and one stream per module) as MS-OVBA lays it out, and wraps it in an
// Office file: .xlsm and its kin, .xls, .docm, .pptm, .doc.
#include "import/workbook/ProjectStream.h"
#include "testhilfen/ContainerWriter.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cb::workbook {

struct QuellModul {
    std::string name; // UTF-8
    KomponentenArt art = KomponentenArt::Standard;
    std::string quelle; // stored source, Attribute lines included, UTF-8
};

/// Faults written on purpose, so that tests, benchmarks and the fuzzer's
/// seeds get files that a reader must refuse. "Module" means the first one.
enum class Beschaedigung {
    Keine,
    ModulStream,        // a copy token that reaches before its chunk
    ModulOffset,        // MODULEOFFSET beyond the end of the module's stream
    ModulAbgeschnitten, // the module's stream cut in half
    DirGroesse,         // a dir record claiming more bytes than follow
    DirModulAnzahl,     // PROJECTMODULES counting one module too many
    StreamFehlt,        // the module's stream left out
    ProjectFremd,       // the PROJECT stream naming a module the dir lacks
    DateiAbgeschnitten, // the finished file cut in half
    ModulName,          // the module's name left empty (its stream keeps its name)
};

/// The names the workbook writer tool takes: "module-stream", "dir-size"...
std::optional<Beschaedigung> BeschaedigungAusName(std::string_view name);
/// Every name BeschaedigungAusName takes, separated by ", ".
std::string BeschaedigungsNamen();

struct ProjektVorlage {
    std::string name = "VBAProject";
    int codepage = 1252;
    bool gesperrt = false; // locked for viewing
    std::vector<QuellModul> module;
    /// Bytes before each module's source where the compiled cache would
    /// stand; MODULEOFFSET points past them.
    std::size_t cache = 0;
    Beschaedigung schaden = Beschaedigung::Keine;
};

/// The streams of the project storage, paths relative to it.
std::vector<ContainerEintrag> VbaSpeicherBauen(const ProjektVorlage& vorlage);

/// The files the writer makes, by the name ending they take.
enum class OfficeArt { Xlsm, Xltm, Xlam, Xls, Docm, Dotm, Pptm, Doc, Ppt, Bin };
/// ".xlsm", ".XLA"...; nullopt for an ending the writer does not make.
std::optional<OfficeArt> OfficeArtAusEndung(std::string_view endung);
/// The endings OfficeArtAusEndung takes, separated by ", ".
std::string OfficeEndungen();

/// A file of the given kind holding the project. Workbooks get one empty
/// worksheet per document module besides the workbook's own (at least one),
/// tied to them by code name, so that Excel and LibreOffice open them. A
/// .doc holds only the project's "Macros" storage, which Word does not open.
/// A .ppt is a PowerPoint 97-2003 file as readers meet it: the project sits
/// inside the "PowerPoint Document" stream, here as one uncompressed
/// storage atom after an empty document record; PowerPoint does not open it.
std::string OfficeDateiBauen(const ProjektVorlage& vorlage, OfficeArt art);

/// A bare vbaProject.bin.
std::string VbaProjectBin(const ProjektVorlage& vorlage);
/// An .xlsm package with xl/vbaProject.bin, its workbook and sheets.
std::string XlsmBauen(const ProjektVorlage& vorlage);
/// An .xls OLE file: a BIFF8 Workbook stream and the project in _VBA_PROJECT_CUR.
std::string XlsBauen(const ProjektVorlage& vorlage);

} // namespace cb::workbook
