// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the project commands share: their named flags and the opening of a
// project folder given on the command line.
#include "app/Baum.h"

#include <cstdint>
#include <initializer_list>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cb {
class Meldungen;
class OffenesProjekt;
} // namespace cb

namespace cb::cli {

struct Aufruf;

/// The value of a named flag, the last one when it is given twice.
std::optional<std::string> Benannt(const Aufruf& aufruf, std::string_view name);
/// True when the call names no flag other than those allowed.
bool NurBenannte(const Aufruf& aufruf, std::initializer_list<std::string_view> erlaubt);

/// The folder as the project commands name it: absolute, with the separator at its end.
std::string ProjektOrdner(const std::string& ordner);
/// "Projekt in ... ist nicht mehr intakt", as the window says it.
std::string NichtIntaktMeldung(const std::string& projektPfad);

/// Makes the folder the project's and opens its database; the module
/// nodes of its project tree (ModulAnzahl set). Nothing, after
/// "Projekt in ... ist nicht mehr intakt", when it holds no intact project.
std::optional<std::vector<BaumKnoten>> ProjektOeffnen(OffenesProjekt& projekt, Meldungen& meldungen,
                                                      const std::string& ordner);

/// The module number of a name (letter case ignored); 0 when no module has it.
std::int64_t ModulNachName(const std::vector<BaumKnoten>& module, std::string_view name);

/// What the commands say of a module name the project does not have.
std::string KeinModulText(const std::string& name);

/// The MODULE of a call "DIR NAME --module MODULE" with a NAME; nothing
/// when the call has another shape.
std::optional<std::string> ModulArgument(const Aufruf& aufruf);

struct ProjektMitModul {
    std::vector<BaumKnoten> Module;
    /// The number of MODULE, which the command takes as the current module.
    std::int64_t ModulNummer = 0;
};

/// For the commands "DIR NAME --module MODULE": opens the project of DIR and
/// finds MODULE in it. Nothing after a message on fehler (the database is
/// closed again then).
std::optional<ProjektMitModul> ProjektMitModulOeffnen(OffenesProjekt& projekt, Meldungen& meldungen,
                                                      const std::string& ordner, const std::string& modul,
                                                      std::ostream& fehler);

} // namespace cb::cli
