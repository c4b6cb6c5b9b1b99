// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The option keys of section "optionen" with their types and stored forms,
// in one table that loading, saving, the command line's --option and the
// options dialog all go through.
#include "app/Optionen.h"

#include <span>
#include <string>
#include <string_view>

namespace cb {

class EinstellungsSpeicher;

/// How a key's value is stored: colours and numbers as plain decimal
/// integers, switches as -1 or 0, the font as "NAME,SIZE".
enum class OptionsArt { Farbe, Schalter, Zahl, Text, Schrift };

struct OptionsSchluessel {
    const char* Schluessel;
    OptionsArt Art;
    /// Where a switch lives; nullptr for the other kinds.
    bool Optionen::*Schalter = nullptr;
    /// Where a colour or a number lives.
    std::int32_t Optionen::*Farbe = nullptr;
    int Optionen::*Zahl = nullptr;
    std::string Optionen::*Text = nullptr;
    /// Written by the options dialog's OK; "bis" only by the screen layout.
    bool Gespeichert = true;
    /// Position among the keys when saving (loading goes in table order).
    int SpeicherRang = 0;
    /// Shapes colouring, RTF or HTML: the keys the command line takes.
    bool Darstellung = false;
};

/// Every key, in the order they are loaded.
std::span<const OptionsSchluessel> OptionsTabelle();
/// The key's row; nullptr for an unknown key.
const OptionsSchluessel* OptionsSchluesselFinden(const std::string& schluessel);

/// Reads every key of section "optionen" over the values standing; an empty
/// or missing value keeps what stands.
void OptionenLaden(Optionen& o, const EinstellungsSpeicher& s, const std::string& einstellungsName);
/// Writes every key except "bis", in the saving order.
void OptionenSpeichern(const Optionen& o, EinstellungsSpeicher& s, const std::string& einstellungsName);
/// Applies one key with its stored value; false for an unknown key.
bool OptionSetzen(Optionen& o, const std::string& schluessel, const std::string& wert);
/// The numeric value of a text as a number option takes it: read like a
/// leading decimal number, rounded as the runtime rounds, held to 16 bits.
int OptionsZahl(std::string_view text);
/// The stored form of the key's value; "" for an unknown key.
std::string OptionWert(const Optionen& o, const std::string& schluessel);

} // namespace cb
