// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <iosfwd>
#include <string>
#include <vector>

namespace cb {
struct Zustand;
}

namespace cb::cli {

/// What a listing leaves out, said where a listing came out empty or what was
/// asked for is not in it.
extern const char* const NichtAufgelistetText;

/// "list FILE...": the application tree that listing the workbooks' VBA
/// projects fills, as a structure listing. 1 when a workbook could not be
/// read (its message on fehler) or the listing failed, 0 otherwise.
int Liste(Zustand& z, const std::vector<std::string>& mappen, std::ostream& aus, std::ostream& fehler);

} // namespace cb::cli
