// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace cb {

struct Optionen;
struct CodeAnsicht;

/// Marked code text to an RTF body, in place (still UTF-8).
void MarkenNachRtf(const Optionen& o, std::string& text);
/// The characters anfang to anfang + laenge (code points) of what a pane
/// shows as an RTF body, in the form MarkenNachRtf gives marked text: a
/// selection copied looks as the pane shows it.
std::string AnsichtNachRtf(const CodeAnsicht& code, std::size_t anfang, std::size_t laenge);
/// An RTF body to a complete document with header, colour and font table
/// and tab stops, in place (still UTF-8).
void RtfDokumentBilden(const Optionen& o, std::string& body);
/// "\redR\greenG\blueB;" of a colour value (red in the low byte).
std::string FarbeNachRtf(std::int32_t farbe);
/// The bytes of an RTF document: Windows-1252, and "\uN?" for a character
/// that has no byte there, so that it survives.
std::string RtfBytes(const std::string& dokument);

} // namespace cb
