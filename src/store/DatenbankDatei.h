// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The life of the working project database "CodeBrindle.mdb" in ProjektPfad:
// created from the template, opened, closed.
#include <string>

namespace cb {

struct Zustand;
class Meldungen;
class ProjektDatenbankVerbindung;

inline constexpr const char* DatenbankDateiName = "CodeBrindle.mdb";
inline constexpr const char* MaskenDateiName = "mask_CodeBrindle.mdb";

/// Copies the template over the project's database, which gives an empty
/// project. False, after the template message, when that fails.
bool DatenbankErzeugen(Zustand& z, Meldungen& meldungen);
/// Opens the project's database into ProjektDatenbank; throws
/// DatenbankFehler when it is missing, damaged or foreign.
void DatenbankOeffnen(Zustand& z);
/// Closes ProjektDatenbank, writing what a read left open; never fails.
void DatenbankSchliessen(Zustand& z) noexcept;

/// The open project database; throws DatenbankFehler when none is open.
ProjektDatenbankVerbindung& OffeneDatenbank(const Zustand& z);

/// The message shown when the template cannot be copied, whatever the cause.
std::string MaskeFehltText(const std::string& maskenPfad);

} // namespace cb
