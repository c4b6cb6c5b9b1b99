// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Copying the files of a project folder, and replacing a saved project
// without ever leaving it half overwritten.
#include <string>

namespace cb {

/// Copies every file directly in quelle (subfolders are not copied) into
/// ziel under its own name, each written out to the disk. Throws
/// std::runtime_error naming the file on the first failure.
void OrdnerKopieren(const std::string& quelle, const std::string& ziel);

/// Makes the files of ziel, an existing folder, those of quelle: the new
/// files are copied beside the old ones first and take their place only
/// once all are complete; then the old files that have no new counterpart
/// go. Subfolders of ziel stay. On a failure while copying ziel is as it
/// was and std::runtime_error says what failed.
void OrdnerErsetzen(const std::string& quelle, const std::string& ziel);

} // namespace cb
