// SPDX-License-Identifier: GPL-3.0-or-later
#include "steuerung/Bildschirm.h"

#include "app/Text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

namespace cb {

namespace {

// A part of the stored value as the window takes a number: blanks around
// it allowed, a fraction rounded; anything else in it makes it no number.
std::optional<long> Zahl(std::string_view teil) {
    std::string_view text = Getrimmt(teil);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    double wert = 0;
    auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
    if (fehler != std::errc() || ende != text.data() + text.size() || !std::isfinite(wert) ||
        std::abs(wert) > 1e12)
        return std::nullopt;
    return static_cast<long>(std::nearbyint(wert)); // half to even, as the runtime rounds
}

} // namespace

std::string LayoutText(const FensterLage& lage) {
    if (lage.Maximiert)
        return "max";
    return std::to_string(lage.Links) + ";" + std::to_string(lage.Oben) + ";" + std::to_string(lage.Breite) +
           ";" + std::to_string(lage.Hoehe);
}

std::optional<FensterLage> LayoutLesen(std::string_view wert) {
    if (TextGleich(wert, "max"))
        return FensterLage{};
    // The first four parts are the place and the size; what follows them
    // is left alone, as the window takes only four.
    std::vector<long> zahlen;
    std::size_t anfang = 0;
    while (zahlen.size() < 4 && anfang <= wert.size()) {
        const std::size_t ende = std::min(wert.find(';', anfang), wert.size());
        auto zahl = Zahl(wert.substr(anfang, ende - anfang));
        if (!zahl)
            return std::nullopt;
        zahlen.push_back(*zahl);
        anfang = ende + 1;
    }
    // A window of no size, or of one beyond any screen, it refuses.
    constexpr long Groesste = 1440L * 1000;
    if (zahlen.size() < 4 || zahlen[2] < 1 || zahlen[3] < 1)
        return std::nullopt;
    for (std::size_t i = 0; i < 4; ++i)
        if (zahlen[i] > Groesste || zahlen[i] < -Groesste)
            return std::nullopt;
    return FensterLage{false, zahlen[0], zahlen[1], zahlen[2], zahlen[3]};
}

bool IstMiniArgument(std::string_view argument) {
    return TextGleich(argument, "/a");
}

bool MiniStartVerlangt(std::span<const std::string> argumente) {
    return std::any_of(argumente.begin(), argumente.end(),
                       [](const std::string& a) { return IstMiniArgument(a); });
}

} // namespace cb
