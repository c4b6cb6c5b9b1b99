// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of listing and reading a host's projects. The texts that name
// the host are kept with the word "Excel" and shown with the host's name.
#include <string>

namespace cb {

/// "Excel" replaced by appName wherever it stands, in any letter case.
std::string MitAppName(const std::string& text, const std::string& appName);

/// txtAppAktiv when no host runs.
std::string NichtGeoeffnetText(const std::string& appName);
/// txtAppAktiv when the host runs but offers nothing to read.
std::string KeineProjekteText(const std::string& appName);
/// What follows those two hints here, where the program itself holds the
/// workbooks: how to open one.
std::string MappenOeffnenText();
/// txtAppAktiv when the host refuses access to its VBA projects.
std::string ZugriffVerweigertText(const std::string& appName);
/// What txtAppAktiv says after a listing that succeeded or not and left
/// the application tree empty or not; "" when there is something to tick.
/// A host from version 10 on that lists nothing has refused access.
std::string AppHinweisText(bool aufgelistet, bool leer, const std::string& appName, double appVersion);

/// Ends the caption while a project read from the host is not saved.
inline constexpr const char* NichtGespeichertMarke = " [nicht gespeichert !!!]";
/// The caption while a project just read is not saved yet.
inline std::string UngespeichertTitel(const std::string& programmTitel, const std::string& projekt) {
    return programmTitel + " Projekt: " + projekt + NichtGespeichertMarke;
}

/// The message of a reading that failed.
std::string EinleseFehlerText();
/// The question before an unsaved project is dropped.
std::string SpeicherFrageText();

} // namespace cb
