// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes zip packages and OLE files from named streams, for the workbook
// writer tool and for tests that need containers of any shape.
#include <string>
#include <vector>

namespace cb::workbook {

struct ContainerEintrag {
    std::string pfad; // "VBA/dir": storages (folders) separated by "/"
    std::string daten;
};

/// The bytes of an OLE compound file holding the streams; throws
/// std::runtime_error when libgsf fails.
std::string OleSchreiben(const std::vector<ContainerEintrag>& eintraege);
/// The bytes of a zip package (deflated members).
std::string ZipSchreiben(const std::vector<ContainerEintrag>& eintraege);

} // namespace cb::workbook
