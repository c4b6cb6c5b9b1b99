// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small string, settings and folder utilities that every subsystem uses.
#include "app/EinstellungsSpeicher.h"

#include <string>

namespace cb {

/// The part after the last occurrence of the character (case-insensitive);
/// "" when it is the last character; the whole text when it does not occur.
std::string RechterTeilInStr(const std::string& text, const std::string& zeichen);
/// The part before the first occurrence of the search text (case-insensitive);
/// the whole text when it does not occur.
std::string LinkerTeilInStr(const std::string& text, const std::string& suche);
/// The file name part of a path.
std::string DateiName(const std::string& pfad);

std::string EinstellungLesen(const std::string& einstellungsName, const EinstellungsSpeicher& s,
                             const std::string& abschnitt, const std::string& schluessel);
void EinstellungSchreiben(const std::string& einstellungsName, EinstellungsSpeicher& s,
                          const std::string& abschnitt, const std::string& schluessel,
                          const std::string& wert);
EinstellungsPaare AlleEinstellungen(const std::string& einstellungsName, const EinstellungsSpeicher& s,
                                    const std::string& abschnitt);
/// Deletes the section; every error is swallowed.
void AbschnittLoeschen(const std::string& einstellungsName, EinstellungsSpeicher& s,
                       const std::string& abschnitt);

/// Deletes every file in the folder; subfolders stay, every error is ignored.
void OrdnerLeeren(const std::string& ordner);

/// The platform's path separator, which ends every folder path.
inline constexpr char Trenner = '/';
/// The folder with a separator at its end.
std::string MitTrenner(std::string ordner);
/// The path without separators at its end (the root stays "/"): the form
/// that names a link itself rather than the folder behind it.
std::string OhneTrenner(std::string pfad);

} // namespace cb
