// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The process-wide state that the subsystems share. One object holds it, so
// that tests can start from a fresh one; the names are those every part of
// the program uses for them.
#include "app/Optionen.h"

#include <cstdint>
#include <string>

namespace cb {

struct Zustand {
    // Identity of the build
    std::string AppName;
    std::string EditionsCode;
    std::string EinstellungsName;
    std::string ProgrammTitel;

    // Folders; every folder ends with the platform's separator
    std::string ProgrammOrdner;
    /// "TempDateien" in the user's cache folder, where every instance has
    /// its folder.
    std::string Arbeitsbereich;
    /// This instance's folder in the working area, once it exists; the
    /// project read or opened lives there until it is saved.
    std::string TempPfad;
    std::string ProjektOrdner;

    /// The user's choices, defaults until the settings are loaded.
    Optionen Opt;

    // The host of the VBA projects; 0 until it has been attached once
    double AppVersion = 0;
};

} // namespace cb
