// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names of the project database and of its template; the database's
// life is OffenesProjekt's.
#include <string>

namespace cb {

inline constexpr const char* DatenbankDateiName = "CodeBrindle.mdb";
inline constexpr const char* MaskenDateiName = "mask_CodeBrindle.mdb";

/// The message shown when the template cannot be copied, whatever the cause.
std::string MaskeFehltText(const std::string& maskenPfad);

} // namespace cb
