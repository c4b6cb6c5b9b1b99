// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading Visual Basic module files into a new project in the project folder,
// one module per ticked file leaf of the application tree.
#include "import/vb/ModulDatei.h"

#include <string>

namespace cb {

struct Optionen;
class OffenesProjekt;
class Meldungen;
class Anzeige;
class Baum;

/// The warning shown when the files could not be read.
std::string VbProjektFehlerText();

/// Creates the project database from the template in maskenOrdner and
/// stores the code, coloured as the options say, of
/// every ticked leaf of the tree (tag: the files' folder; keys and texts
/// as VbAnwendungsBaum makes them), numbering the modules from 1; routine
/// numbers go on from the project's RoutinenNummer. The rows of the read are written
/// together; on a failure (a file missing or unreadable, code the parser
/// cannot split) what was stored so far is kept, the warning is shown
/// with a last line that names the file, the module and the cause, and
/// the result is false. The database stays open.
bool VBProjektEinlesen(OffenesProjekt& projekt, const Optionen& o, const std::string& maskenOrdner,
                       Meldungen& meldungen, Anzeige& anzeige, const Baum& baum,
                       int ersatzCodepage = StandardCodepage);

} // namespace cb
