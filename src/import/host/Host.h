// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The host application's VBA object model as far as reading code needs it:
// attach, the application's version, its VBA projects, their components and
// code modules. Every operation may fail the way the host's own would, with
// the host's description of the failure. The window lists a host's projects
// and reads their modules through nothing else.
#include "app/Fehler.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace cb {

/// A failed host operation; what() is the host's own error description.
class HostFehler : public Fehler {
public:
    using Fehler::Fehler;
};

/// Component types as the host reports them (vbext_ComponentType).
enum HostKomponentenTyp : int {
    HostStandardModul = 1,
    HostKlassenModul = 2,
    HostUserForm = 3,
    HostDokument = 100,
    HostActiveXDesigner = 11,
};

class HostCodeModul {
public:
    virtual ~HostCodeModul() = default;
    virtual std::int64_t CountOfLines() = 0;
    /// count lines from the 1-based line start, joined by CR LF.
    virtual std::string Lines(std::int64_t start, std::int64_t count) = 0;
};

class HostKomponente {
public:
    virtual ~HostKomponente() = default;
    virtual std::string Name() = 0;
    virtual int Type() = 0;
    virtual std::unique_ptr<HostCodeModul> CodeModule() = 0;
};

/// VBComponents of a project.
class HostKomponenten {
public:
    virtual ~HostKomponenten() = default;
    virtual std::int64_t Count() = 0;
    /// By 1-based position.
    virtual std::unique_ptr<HostKomponente> Item(std::int64_t position) = 0;
    /// By name, compared without regard to case as the host does.
    virtual std::unique_ptr<HostKomponente> Item(std::string_view name) = 0;
};

class HostProjekt {
public:
    virtual ~HostProjekt() = default;
    /// The workbook's full path; fails for a workbook that was never saved.
    virtual std::string FileName() = 0;
    virtual std::string Name() = 0;
    /// 0 when the project is not locked; any other value: locked for viewing.
    virtual int Protection() = 0;
    virtual std::unique_ptr<HostKomponenten> VBComponents() = 0;
};

/// VBE.VBProjects of the application.
class HostProjekte {
public:
    virtual ~HostProjekte() = default;
    virtual std::int64_t Count() = 0;
    /// By 1-based position.
    virtual std::unique_ptr<HostProjekt> Item(std::int64_t position) = 0;
};

/// The running application, held only for one listing or one reading.
class HostAnwendung {
public:
    virtual ~HostAnwendung() = default;
    /// A text such as "16.0".
    virtual std::string Version() = 0;
    virtual std::unique_ptr<HostProjekte> VBProjects() = 0;
};

class Host {
public:
    virtual ~Host() = default;
    /// Attaches to the running application; fails when none runs. Never
    /// starts one.
    virtual std::unique_ptr<HostAnwendung> Anbinden() = 0;
    /// Opens a workbook in the application (Workbooks.Open); false when the
    /// host cannot or has it open already.
    virtual bool MappeOeffnen(const std::string& pfad) {
        (void)pfad;
        return false;
    }
};

} // namespace cb
