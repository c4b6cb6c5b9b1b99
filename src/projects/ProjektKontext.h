// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the project commands work on: the shared state, the open project,
// the services they ask, the two trees and the recent-list menu.
#include "projects/ZuletztListe.h"

namespace cb {

struct Zustand;
class OffenesProjekt;
class EinstellungsSpeicher;
class Meldungen;
class Dialoge;
class Anzeige;
class Baum;

struct ProjektKontext {
    Zustand& z;
    OffenesProjekt& projekt;
    EinstellungsSpeicher& einstellungen;
    Meldungen& meldungen;
    Dialoge& dialoge;
    Anzeige& anzeige;
    Baum& treApp;     // its ticks choose what is read; its tag names the project
    Baum& treProjekt; // modules and routines of the shown project
    ZuletztMenue& zuletzt;
};

} // namespace cb
