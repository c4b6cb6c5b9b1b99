// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the export commands work on: the state with its options, the
// services they use and the project tree that names the modules.
namespace cb {

struct Zustand;
class Meldungen;
class Zwischenablage;
class Anzeige;
class Shell;
class Baum;

struct ExportKontext {
    Zustand& z;
    Meldungen& meldungen;
    Zwischenablage& ablage;
    Anzeige& anzeige;
    Shell& shell;
    const Baum& treProjekt; // node "M" + n: text the module's name, image its type
};

} // namespace cb
