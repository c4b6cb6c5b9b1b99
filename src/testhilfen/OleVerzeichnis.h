// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// OLE files written byte by byte around a directory of any shape: the
// sizes and link chains that no writer library gives, for the reader's
// limits.
#include <cstddef>
#include <string>

namespace cb::workbook {

enum class VerzeichnisForm {
    Kette,      // each stream the right sibling of the one before
    Ausgewogen, // a balanced tree, as Excel writes it
    Kreis,      // a chain whose last stream links back to the first
};

/// An OLE file (4,096-byte sectors) whose root holds that many empty
/// streams "S1", "S2", ... linked in the given form.
std::string OleMitVerzeichnis(std::size_t streams, VerzeichnisForm form);

} // namespace cb::workbook
