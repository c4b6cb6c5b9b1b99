// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a project from workbook files without the window: the files are
// opened as the workbook host's workbooks, listed, and the chosen modules
// read into the project folder.
#include <cstdint>
#include <string>
#include <vector>

namespace cb {

struct Zustand;
class OffenesProjekt;
class Anzeige;
class Meldungen;

struct MappenGelesen {
    bool gelesen = false;
    /// Nothing read because the project or a module asked for is not among
    /// the listed ones, where the listing's rules may have left it out: a
    /// readable workbook gave no project (locked, or only modules of two
    /// lines or fewer), or a module named is not listed.
    bool nichtAufgelistet = false;
    explicit operator bool() const { return gelesen; }
};

/// Lists the workbooks' projects, ticks the named modules of the projekt-th
/// listed project (all its listed modules when none are named) and reads
/// them into a new project database in ziel's folder. Workbooks that cannot
/// be read are reported and not listed, as locked ones are not. False, after
/// a message, when the listing fails, the project or a module is not listed,
/// or the reading fails.
MappenGelesen MappenEinlesen(Zustand& z, OffenesProjekt& ziel, Meldungen& meldungen, Anzeige& anzeige,
                             const std::vector<std::string>& mappen, std::int64_t projekt,
                             const std::vector<std::string>& module = {});

} // namespace cb
