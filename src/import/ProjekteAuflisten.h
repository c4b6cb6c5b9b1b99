// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Listing the host's VBA projects in the application tree: one node per
// readable project, below it one node per component that holds code.
#include "import/host/Host.h"

#include <memory>
#include <string>

namespace cb {

struct Zustand;
class Baum;
class Meldungen;

/// Attaches to the running host and reads its version into AppVersion
/// (0 first); nullptr, and nothing shown, when either fails.
std::unique_ptr<HostAnwendung> AnwendungHolen(Zustand& z, Host& host);

/// Fills treApp anew; true when the listing ran to its end. A failure on a
/// project or component shows the host's description and keeps the nodes
/// added so far; no running host or refused access leaves false, silently.
/// A project with a module name that cannot be a node key (empty, with a
/// "\", or twice) is left out and named in one warning at the end.
bool ProjekteAuflisten(Zustand& z, Host& host, Meldungen& meldungen, Baum& treApp);

/// Expands every node.
void AlleAufklappen(Baum& baum);

/// The image key of a host component type in the application tree.
std::string KomponentenBild(int hostTyp);
/// The stored module type code (mod_typ) of a host component type.
int ModulTypCodeFuer(int hostTyp);

/// The key of project n's node; every node of project n begins with it.
std::string ProjektSchluessel(std::int64_t n);
/// The text of a project's node.
std::string ProjektKnotenText(const std::string& name, const std::string& fileName);
/// The project's FileName, or "Nicht gespeichert" when it has none.
std::string ProjektDateiName(HostProjekt& projekt);

} // namespace cb
