// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A stored project opened for an export on the command line: its module
// tree, and the services an export expects, kept in memory.
#include "app/Anzeige.h"
#include "app/Baum.h"
#include "app/Shell.h"
#include "app/Zwischenablage.h"
#include "cli/FehlerAusgabeMeldungen.h"
#include "export/ExportKontext.h"
#include "store/OffenesProjekt.h"

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

namespace cb {
struct Zustand;
}

namespace cb::cli {

struct Aufruf;

/// Nothing to open on a terminal: the preview is never asked for here.
class KeineShell final : public Shell {
public:
    bool Oeffnen(const std::string&) override { return false; }
    std::string ProgrammFinden(const std::string&) override { return {}; }
    bool ProgrammStarten(const std::string&) override { return false; }
};

class ExportZugang {
public:
    ExportZugang(const Zustand& z, std::ostream& fehler) : meldungen(fehler), m_z(z) {}
    /// Opens the project folder; false after the message when it is not intact.
    bool Oeffnen(const std::string& ordner);
    /// The number of the module with the name; 0 after the message when none has it.
    std::int64_t Modul(const std::string& name);
    /// What an export of the project, or of module n as the current one,
    /// works on.
    ExportKontext Kontext(std::int64_t aktModulNummer = 1);

    FehlerAusgabeMeldungen meldungen;
    ZwischenablageImSpeicher ablage;
    AnzeigeImSpeicher anzeige;
    KeineShell shell;
    Baum treProjekt;
    OffenesProjekt projekt;

private:
    const Zustand& m_z;
};

} // namespace cb::cli
