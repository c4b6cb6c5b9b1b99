// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the export commands work on: the options, the open project and its
// current module, the services they use and the project tree that names
// the modules.
#include <cstdint>
#include <string>
namespace cb {

struct Optionen;
class OffenesProjekt;
class Meldungen;
class Zwischenablage;
class Anzeige;
class Shell;
class Baum;

struct ExportKontext {
    const Optionen& opt;
    const std::string& appName;
    /// Where the HTML preview file goes (VorschauOrdner).
    std::string vorschauOrdner;
    const OffenesProjekt& projekt;
    /// The module of the code pane in front, AktModulIndex + 1.
    std::int64_t aktModulNummer;
    Meldungen& meldungen;
    Zwischenablage& ablage;
    Anzeige& anzeige;
    Shell& shell;
    const Baum& treProjekt; // node "M" + n: text the module's name, image its type
};

} // namespace cb
