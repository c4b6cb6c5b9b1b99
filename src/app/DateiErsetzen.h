// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace cb {

/// Writes the bytes to the file, replacing an earlier one only once they
/// are all on the disk: a full disk or a failed write leaves the old file
/// as it was. Throws std::runtime_error naming the file.
void DateiErsetzen(const std::string& pfad, const std::string& bytes);

} // namespace cb
