// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/EinstellungsSpeicher.h"
#include "app/Ersetzen.h"
#include "app/Marken.h"
#include "app/Start.h"
#include "app/Zustand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace cb::test {

/// A state as start-up leaves it, its working area in a fresh temporary folder.
inline Zustand FrischerZustand() {
    static int zaehler = 0;
    std::filesystem::path ordner = std::filesystem::path(::testing::TempDir()) /
                                   ("cb_" + std::to_string(::getpid()) + "_" + std::to_string(++zaehler));
    std::filesystem::create_directories(ordner);
    Zustand z;
    SpeicherImArbeitsspeicher s;
    Starten(z, s, ordner.string(), ordner.string());
    return z;
}

/// The names of the entries of a folder, sorted, so that a test can say
/// what was left there and nothing else.
inline std::vector<std::string> OrdnerEintraege(const std::filesystem::path& ordner) {
    std::vector<std::string> n;
    for (const auto& e : std::filesystem::directory_iterator(ordner))
        n.push_back(e.path().filename().string());
    std::sort(n.begin(), n.end());
    return n;
}

/// Marked code text without its markers: what the code pane shows.
inline std::string OhneMarken(std::string t) {
    for (auto m : {MarkeNormal, MarkeKommentar, MarkeSchluessel, MarkeString, MarkeFettAn, MarkeFettAus})
        AllesErsetzen(t, m, "");
    return t;
}

/// K for keyword, N for normal, C for comment, S for string, B / b for bold.
inline std::string M(std::string_view kurz) {
    std::string t;
    for (std::size_t i = 0; i < kurz.size(); ++i) {
        if (kurz[i] == '~' && i + 1 < kurz.size()) {
            switch (kurz[++i]) {
            case 'K':
                t += MarkeSchluessel;
                break;
            case 'N':
                t += MarkeNormal;
                break;
            case 'C':
                t += MarkeKommentar;
                break;
            case 'S':
                t += MarkeString;
                break;
            case 'B':
                t += MarkeFettAn;
                break;
            case 'b':
                t += MarkeFettAus;
                break;
            default:
                t += '~';
                t += kurz[i];
            }
        } else {
            t += kurz[i];
        }
    }
    return t;
}

} // namespace cb::test
