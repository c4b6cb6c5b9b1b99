// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The module text files of a project folder: "M" + number + ".txt", each
// holding a module's marked code text.
#include <cstddef>
#include <cstdint>
#include <string>

namespace cb {

/// The largest module text file read. A module's text comes from a
/// workbook whose project text is read up to 64 MiB, so no module of a
/// real project comes near it; a folder from elsewhere may hold anything.
inline constexpr std::size_t MaxModulText = std::size_t{64} << 20;

/// projektPfad + "M" + number + ".txt".
std::string ModulTextPfad(const std::string& projektPfad, std::int64_t modulNummer);
/// Writes the module's text file: the text and CR LF (UTF-8). Throws
/// std::runtime_error naming the file when it cannot be written.
void ModulTextSchreiben(const std::string& projektPfad, std::int64_t modulNummer, const std::string& text);
/// Reads a module text file whole; throws std::runtime_error naming it,
/// also when it is no regular file, a link out of the project folder, or
/// larger than MaxModulText.
std::string ModulTextLesen(const std::string& projektPfad, std::int64_t modulNummer);

} // namespace cb
