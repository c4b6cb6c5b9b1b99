// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The process-wide state that the subsystems share. One object holds it, so
// that tests can start from a fresh one; the names are those every part of
// the program uses for them.
#include "app/Optionen.h"

#include <cstdint>
#include <string>

namespace cb {

class ProjektDatenbankVerbindung; // the open project database (store)

struct Zustand {
    // Identity of the build
    std::string AppName;
    std::string EditionsCode;
    std::string EinstellungsName;
    std::string ProgrammTitel;

    // Folders; every folder ends with the platform's separator
    std::string ProgrammOrdner;
    std::string ProjektPfad;
    std::string TempPfad;
    std::string ProjektOrdner;

    /// The user's choices, defaults until the settings are loaded.
    Optionen Opt;

    // The current project and the module being read
    ProjektDatenbankVerbindung* ProjektDatenbank = nullptr;
    std::string DatenbankPfad;
    std::int64_t RoutinenNummer = 0;
    /// The project shown was read from the host and has not been saved:
    /// dropping it asks first, and the caption says so.
    bool NichtGespeichert = false;
    std::int64_t ModulAnzahl = 0;

    // The window: the code pane in front is module AktModulIndex + 1
    std::int64_t AktModulIndex = 0;

    // The host of the VBA projects; 0 until it has been attached once
    double AppVersion = 0;
};

} // namespace cb
