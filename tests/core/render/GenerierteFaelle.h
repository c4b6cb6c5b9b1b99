// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Generated input for the tests that hold the one-pass colouring against a
// slower reading of the same rules: code drawn from pieces, and the mixes of
// the options that change what the colouring writes.
#include "TestHilfen.h"

#include <random>
#include <span>
#include <string>
#include <vector>

namespace cb::test {

/// Every mix of the first `schalter` of the switches that shape the marked
/// text, bit i of the mix's number setting switch i; the switches after them
/// stay as start-up leaves them.
inline std::vector<Zustand> Optionsvarianten(int schalter) {
    static constexpr bool Optionen::*Schalter[] = {&Optionen::Einruecken, &Optionen::RoutinenEinruecken,
                                                   &Optionen::LeerzeileVorRoutinen,
                                                   &Optionen::LeerzeilenEntfernen, &Optionen::RoutinenFett};
    std::vector<Zustand> v;
    for (int bits = 0; bits < (1 << schalter); ++bits) {
        Zustand z = FrischerZustand();
        for (int i = 0; i < schalter; ++i)
            z.Opt.*Schalter[i] = (bits >> i) & 1;
        v.push_back(z);
    }
    return v;
}

/// `stuecke` pieces drawn from `teile`, each as likely as the others, one
/// after the other.
inline std::string AusStuecken(std::mt19937& rng, std::span<const std::string> teile, std::size_t stuecke) {
    std::uniform_int_distribution<std::size_t> wahl(0, teile.size() - 1);
    std::string code;
    for (std::size_t i = 0; i < stuecke; ++i)
        code += teile[wahl(rng)];
    return code;
}

} // namespace cb::test
