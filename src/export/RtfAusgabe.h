// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// RTF files of the current module or of the whole project, coloured as in
// the code pane and written directly as the document's bytes.
#include <cstdint>
#include <string>

namespace cb {

struct Optionen;
class OffenesProjekt;
struct ExportKontext;

/// The RTF document of one module from its module text file (UTF-8);
/// throws std::runtime_error when the file cannot be read.
std::string RtfModulDokument(const Optionen& o, const OffenesProjekt& projekt, std::int64_t modulNummer);
/// One RTF document of every module, each after two empty paragraphs and
/// its bold header block; throws as RtfModulDokument.
std::string RtfProjektDokument(ExportKontext& k);

/// Writes the current module (aktModulNummer) to the file; false after
/// the message when that failed. The pointer and panel 5 are restored.
bool RtfModul(ExportKontext& k, const std::string& pfad);
/// Writes every module to the file; false after the message when that failed.
bool RtfProjekt(ExportKontext& k, const std::string& pfad);

/// The path chosen with its extension made "RTF": a three-letter
/// extension is replaced, a name without one gets ".RTF" added.
std::string RtfDateiPfad(const std::string& gewaehlt);

} // namespace cb
