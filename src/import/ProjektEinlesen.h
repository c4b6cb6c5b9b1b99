// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the ticked modules of the application tree from the host into a
// new project database in the project folder.
#include <string>

namespace cb {

struct Zustand;
class OffenesProjekt;
class Anzeige;
class Baum;
class Host;
class Meldungen;

/// Reads every ticked module node of treApp, in tree order as modules 1, 2,
/// ..., and stores each through the module parser. True on success, with
/// the caption naming the unsaved project and treApp's tag its name. False
/// without a message when no host runs; after the failure message on any
/// other failure, keeping the rows stored so far. The database is closed in
/// every case.
bool ProjektEinlesen(Zustand& z, OffenesProjekt& ziel, Host& host, Meldungen& meldungen, Anzeige& anzeige,
                     Baum& treApp);

} // namespace cb
