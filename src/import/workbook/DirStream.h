// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The records of the decompressed dir stream (MS-OVBA 2.3.4.2): project
// information, references and modules. Texts are decoded to UTF-8.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cb::workbook {

enum class ReferenzArt { Registriert, Projekt, Steuerelement, Original };

struct Referenz {
    ReferenzArt art = ReferenzArt::Registriert;
    std::string name;
    /// Libid of a registered or original reference, the absolute one of a
    /// project reference, the twiddled one of a control reference.
    std::string libid;
    std::string libidRelativ;   // project references
    std::string libidErweitert; // control references
};

struct DirModul {
    std::string name;       // Unicode name where stored, else the MBCS one
    std::string nameMbcs;   // as the PROJECT stream spells it
    std::string streamName; // name of its stream in the VBA storage
    std::string docString;
    std::uint32_t textOffset = 0;
    std::uint32_t helpContext = 0;
    std::uint16_t cookie = 0;
    bool prozedural = true; // MODULETYPE 0x21; 0x22 is a document, class or designer
    bool nurLesen = false;
    bool privat = false;
};

struct DirInfo {
    std::uint32_t sysKind = 0;
    std::optional<std::uint32_t> compatVersion; // missing in Office 97 files
    std::uint32_t lcid = 0;
    std::uint32_t lcidInvoke = 0;
    int codepage = 1252;
    std::string name;
    std::string docString;
    std::string helpFile;
    std::uint32_t helpContext = 0;
    std::uint32_t libFlags = 0;
    std::uint32_t versionMajor = 0;
    std::uint16_t versionMinor = 0;
    std::string konstanten;
    std::vector<Referenz> referenzen;
    std::uint16_t projektCookie = 0;
    std::vector<DirModul> module;
};

/// Parses a decompressed dir stream; throws FormatError when its records
/// are cut off or contradict each other.
DirInfo DirLesen(std::string_view dir);

} // namespace cb::workbook
