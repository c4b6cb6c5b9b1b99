// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The module text files of a project folder: "M" + number + ".txt", each
// holding a module's marked code text.
#include <cstdint>
#include <string>

namespace cb {

/// projektPfad + "M" + number + ".txt".
std::string ModulTextPfad(const std::string& projektPfad, std::int64_t modulNummer);
/// Writes the module's text file: the text and CR LF (UTF-8). Throws
/// std::runtime_error naming the file when it cannot be written.
void ModulTextSchreiben(const std::string& projektPfad, std::int64_t modulNummer, const std::string& text);
/// Reads a module text file whole; throws std::runtime_error naming it.
std::string ModulTextLesen(const std::string& projektPfad, std::int64_t modulNummer);

} // namespace cb
