// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File listings of a folder and of a folder tree, and the cleaning of a
// name typed for a file or folder.
#include <string>
#include <vector>

namespace cb {

/// Removes / \ : * ? < > | and the double quote, in that order.
void DateinameBereinigen(std::string& name);

/// True when a file of the folder matches "*." + extension (letter case
/// ignored; "*" matches every file); list then holds their full paths in
/// directory order. Subfolders are not searched; false leaves list alone.
bool DateienAuflisten(const std::string& ordner, const std::string& endung, std::vector<std::string>& liste);

struct DateiBaumListe {
    std::vector<std::string> Dateien;
    /// The folders visited, the folder itself first, each ending with a separator.
    std::vector<std::string> Ordner;
};

/// The files matching "*." + extension in the folder and every folder
/// below it. A link is listed as a file and never followed, so the listing
/// stays inside the folder; a folder that is itself a link lists nothing.
DateiBaumListe DateienBaum(const std::string& ordner, const std::string& endung);

/// True when the path (with or without a final separator) is a symbolic
/// link itself.
bool IstVerweis(const std::string& ordner);

} // namespace cb
