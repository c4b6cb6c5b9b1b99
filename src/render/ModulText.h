// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>

namespace cb {

struct Zustand;

/// ProjektPfad + "M" + number + ".txt".
std::string ModulTextPfad(const Zustand& z, std::int64_t modulNummer);
/// Writes the module text file of z.ModulNummer: the text and CR LF (UTF-8).
/// Throws std::runtime_error naming the file when it cannot be written.
void ModulTextSchreiben(const Zustand& z, const std::string& text);
/// Reads a module text file whole; throws std::runtime_error naming it.
std::string ModulTextLesen(const Zustand& z, std::int64_t modulNummer);

} // namespace cb
