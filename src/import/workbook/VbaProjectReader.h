// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "import/workbook/VbaProject.h"
#include "import/workbook/VbaStorage.h"

#include <cstddef>

namespace cb::workbook {

/// The decompressed dir stream and module sources of one project together
/// stay below this; the largest real projects need a few megabytes.
inline constexpr std::size_t MaxProjektText = std::size_t{64} << 20;

/// Builds the project from its streams; throws FormatError for damaged ones.
VbaProjekt ProjektAusSpeicher(const VbaSpeicher& speicher);

} // namespace cb::workbook
