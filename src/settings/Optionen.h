// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace cb {

struct Zustand;
class EinstellungsSpeicher;

/// Reads every option key of section "optionen" over the current values;
/// an empty or missing value keeps what stands.
void OptionenLaden(Zustand& z, const EinstellungsSpeicher& s);
/// Writes every option key except "bis".
void OptionenSpeichern(const Zustand& z, EinstellungsSpeicher& s);
/// Applies one option key with its stored value; false for an unknown key.
bool OptionSetzen(Zustand& z, const std::string& schluessel, const std::string& wert);

/// The numeric value of a leading decimal number, as the settings are read
/// ("12abc" gives 12, text that is no number gives 0).
double ZahlenWert(const std::string& text);

} // namespace cb
