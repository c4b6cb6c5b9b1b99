// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text of the PROJECT stream (MS-OVBA 2.3.1): which modules the project
// has, of what kind, in which order, and how it is protected.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cb::workbook {

enum class KomponentenArt { Dokument, Standard, Klasse, Designer };

struct ProjektEintrag {
    std::string name; // UTF-8
    KomponentenArt art = KomponentenArt::Standard;
};

struct ProjektSchutz {
    std::optional<std::uint32_t> schutzZustand; // CMG: user, host, VBE protected bits
    std::optional<bool> passwort;               // DPB: a password (or its hash) is set
    std::optional<bool> sichtbar;               // GC: false when locked for viewing
};

struct ProjektText {
    std::string id;
    std::string name;
    std::vector<ProjektEintrag> eintraege;
    std::vector<std::string> packages; // GUIDs of the designers' packages
    ProjektSchutz schutz;
};

/// Parses the PROJECT stream (bytes in the project's code page); throws
/// FormatError when the visibility field cannot be decrypted, since the
/// locked state then cannot be told.
ProjektText ProjektTextLesen(std::string_view bytes, int codepage);

} // namespace cb::workbook
