// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one error a caller of the workbook reader has to handle: why a file
// gave no VBA project, with a German message that names the file.
#include "app/Fehler.h"

#include <cstdint>
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
    ProjektZuGross,       // a project whose text passes MaxProjektText (Umfang says by how much)
    PowerPointAlt,        // a PowerPoint 97-2003 file, whose project lies inside its own stream
};

/// How much a project that is too large decompresses to.
struct ProjektUmfang {
    std::uint64_t bytes = 0;
    /// Only a lower bound: the dir stream alone passed the limit.
    bool mindestens = false;
};

class WorkbookError : public cb::Fehler {
public:
    WorkbookError(WorkbookFehler art, std::string datei, const std::string& detail = {});
    /// A project too large to read (kind ProjektZuGross).
    WorkbookError(std::string datei, ProjektUmfang umfang);

    WorkbookFehler Art() const { return m_art; }
    const std::string& Datei() const { return m_datei; }
    /// The technical reason (English), empty when the kind says it all.
    const std::string& Detail() const { return m_detail; }
    /// Of a project too large to read; zero bytes for the other kinds.
    const ProjektUmfang& Umfang() const { return m_umfang; }

private:
    WorkbookFehler m_art;
    std::string m_datei;
    std::string m_detail;
    ProjektUmfang m_umfang;
};

} // namespace cb::workbook
