// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "import/workbook/VbaProject.h"
#include "import/workbook/VbaStorage.h"

namespace cb::workbook {

/// Builds the project from its streams; throws FormatError for damaged ones.
VbaProjekt ProjektAusSpeicher(const VbaSpeicher& speicher);

} // namespace cb::workbook
