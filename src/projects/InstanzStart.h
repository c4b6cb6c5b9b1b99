// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The part of the main window's start and end that concerns the working
// area, the recent list and the options.
#include "projects/ZuletztListe.h"

namespace cb {

struct Zustand;
class OffenesProjekt;
struct ProjektKontext;
class EinstellungsSpeicher;
class InstanzSperre;
class Meldungen;

/// At the window's start: cleans the
/// working area when no other instance runs, fills the recent list, reads
/// the options and creates this instance's folder, which becomes TempPfad.
/// sperre keeps the folder marked as in use until InstanzBeenden.
void InstanzStarten(Zustand& z, OffenesProjekt& projekt, EinstellungsSpeicher& einstellungen,
                    Meldungen& meldungen, ZuletztMenue& zuletzt, InstanzSperre& sperre);
void InstanzStarten(ProjektKontext& k, InstanzSperre& sperre);

/// When the window closes: closes the database, empties and removes the
/// instance folder; never fails.
void InstanzBeenden(const Zustand& z, OffenesProjekt& projekt, InstanzSperre& sperre) noexcept;
void InstanzBeenden(ProjektKontext& k, InstanzSperre& sperre) noexcept;

} // namespace cb
