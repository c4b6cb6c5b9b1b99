// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole files as bytes, with errors that name the file.
#include <string>

namespace cb {

/// A whole file as bytes; throws std::runtime_error naming it.
std::string DateiLesen(const std::string& pfad);
/// Writes bytes to a file, replacing it; throws std::runtime_error naming it.
void DateiSchreiben(const std::string& pfad, const std::string& bytes);

} // namespace cb
