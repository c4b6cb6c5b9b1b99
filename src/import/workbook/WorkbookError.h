// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one error a caller of the workbook reader has to handle: why a file
// gave no VBA project, with a German message that names the file.
#include "app/Fehler.h"

#include <string>

namespace cb::workbook {

enum class WorkbookFehler {
    NichtGefunden,        // no such file, or unreadable
    KeinContainer,        // neither a zip package nor an OLE file
    KeinVbaProjekt,       // a valid container without a VBA project
    Verschluesselt,       // an encrypted OOXML package
    ZuGross,              // a member or stream beyond the size limits (zip bombs)
    Beschaedigt,          // a VBA stream that breaks its format
    ContainerBeschaedigt, // a zip package or OLE file that breaks its format
    VerzeichnisZuGross,   // an OLE directory beyond the entry or depth limits
};

class WorkbookError : public cb::Fehler {
public:
    WorkbookError(WorkbookFehler art, std::string datei, const std::string& detail = {});

    WorkbookFehler Art() const { return m_art; }
    const std::string& Datei() const { return m_datei; }
    /// The technical reason (English), empty when the kind says it all.
    const std::string& Detail() const { return m_detail; }

private:
    WorkbookFehler m_art;
    std::string m_datei;
    std::string m_detail;
};

} // namespace cb::workbook
