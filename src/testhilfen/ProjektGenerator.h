// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Synthetic VBA projects of any size, for benchmarks and stress tests: the
// workbook and a sheet module first, then standard modules with classes and
// now and then a form between them, whose procedures call across modules.
#include "testhilfen/VbaProjectWriter.h"

#include <cstddef>

namespace cb::workbook {

/// A project of `module` modules (at least one) with `zeilen` lines of code
/// in all, Attribute lines not counted, spread evenly; the same arguments
/// always give the same project.
ProjektVorlage ProjektErzeugen(std::size_t module, std::size_t zeilen);

} // namespace cb::workbook
