// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The working area "TempDateien": one folder "T_" + n per running
// instance, where a project read from the host lives until it is saved.
// Everything deleted here must have "TempDateien" in its path, so that no
// saved project outside the working area can ever be emptied.
#include "app/Dateideskriptor.h"

#include <string>

namespace cb {

struct Zustand;
class OffenesProjekt;
class Meldungen;
class InstanzSperre;

/// True when the path is the folder or lies below it, links resolved.
bool LiegtUnter(const std::string& pfad, const std::string& ordner);

/// At start, when no other instance runs: deletes every file in and below
/// the working area (Arbeitsbereich) whose path contains "TempDateien", then
/// its subfolders; the first failure of a stage ends it, nothing is said.
/// Links are removed themselves and never followed; a working area that
/// is itself a link is not cleaned at all.
void ArbeitsbereichAufraeumen(const Zustand& z);

/// Creates this instance's folder "T_" + n (n from 1 to 300000) in the
/// working area, makes it the project's folder and locks it as running. False after
/// the message with the cause when it cannot be created; a folder that
/// cannot be locked is used all the same, after a message saying so.
bool ArbeitsordnerAnlegen(const Zustand& z, OffenesProjekt& projekt, Meldungen& meldungen,
                          InstanzSperre& sperre);

/// Deletes every file in and below ProjektPfad whose path contains
/// "TempDateien" (letter case ignored), and only when ProjektPfad lies in
/// the working area; the first failure ends it quietly.
void TempDateienLeeren(const Zustand& z, const std::string& projektPfad);

/// The end of the program: closes the database, empties and removes the
/// instance folder and gives up its lock; every failure is ignored.
void ArbeitsordnerEntfernen(const Zustand& z, OffenesProjekt& projekt, InstanzSperre& sperre) noexcept;

/// Holds start-up of other instances back from checking, cleaning and
/// creating their folders until this one has its own folder locked.
class StartSperre {
public:
    explicit StartSperre(const std::string& arbeitsbereich);
    StartSperre(const StartSperre&) = delete;
    StartSperre& operator=(const StartSperre&) = delete;

private:
    Dateideskriptor m_fd;
};

} // namespace cb
