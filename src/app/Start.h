// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace cb {

struct Zustand;
class EinstellungsSpeicher;

/// The build's title, such as "Excel Code Brindle 1.0".
std::string TitelFuer(const std::string& appName, int major, int minor);

/// The build's identity and every option default, touching nothing outside.
void StandardWerteSetzen(Zustand& z);

/// Start-up up to loading the main window: identity, option defaults,
/// the working area below cacheOrdner and the saved projects folder.
/// programmOrdner holds the read-only data (template, help).
void Starten(Zustand& z, const EinstellungsSpeicher& s, const std::string& programmOrdner,
             const std::string& cacheOrdner);

/// Where the program's read-only data lives: beside the executable in the
/// build tree, the installed share folder otherwise. Ends with a separator.
std::string ProgrammOrdnerErmitteln();
/// The user's cache folder for this program (XDG). Ends with a separator.
std::string CacheOrdnerErmitteln();

/// The working area of the state: the folder above TempPfad once the
/// instance folder exists, Arbeitsbereich before.
std::string ArbeitsbereichVon(const Zustand& z);
/// Where passing files such as the HTML preview go: the working area; the
/// cache's "TempDateien" without an instance folder, as the project folder
/// may then be a saved project, which must not collect a stray file.
std::string VorschauOrdner(const Zustand& z);

} // namespace cb
