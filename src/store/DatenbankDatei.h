// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names of the project database and of its template; the database's
// life is OffenesProjekt's.
#include <string>

namespace cb {

inline constexpr const char* DatenbankDateiName = "CodeBrindle.mdb";
inline constexpr const char* MaskenDateiName = "mask_CodeBrindle.mdb";

/// How a project database is opened. NurLesen is for a project that is
/// only browsed or exported: it may come from anywhere, so nothing is
/// written to it, and each query stops after NurLesenArbeitsGrenze steps.
enum class DatenbankZugriff { LesenUndSchreiben, NurLesen };

/// Steps of SQLite's virtual machine one query of a browsed project may
/// take. The largest query of a project of 3,000 modules, 165,000 routines
/// and a million lines (the sorted routine list) takes under 4 million,
/// a fifth of the bound; an endless query reaches it in about a third of
/// a second, well before anyone takes the program for hung.
inline constexpr unsigned long long NurLesenArbeitsGrenze = 20'000'000ULL;

/// The message shown when the template cannot be copied, whatever the cause.
std::string MaskeFehltText(const std::string& maskenPfad);

} // namespace cb
