// SPDX-License-Identifier: GPL-3.0-or-later
#include "steuerung/Bildschirm.h"

#include "app/Text.h"

#include <charconv>
#include <vector>

namespace cb {

namespace {

// A part of the stored value as a whole number; blanks around it are
// allowed, anything else in it makes it no number.
std::optional<long> Zahl(std::string_view teil) {
    teil = Getrimmt(teil);
    if (!teil.empty() && teil.front() == '+')
        teil.remove_prefix(1);
    long wert = 0;
    auto [ende, fehler] = std::from_chars(teil.data(), teil.data() + teil.size(), wert);
    if (teil.empty() || fehler != std::errc() || ende != teil.data() + teil.size())
        return std::nullopt;
    return wert;
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
    std::vector<long> zahlen;
    for (std::size_t anfang = 0;;) {
        const std::size_t ende = wert.find(';', anfang);
        auto zahl = Zahl(wert.substr(anfang, ende == std::string_view::npos ? ende : ende - anfang));
        if (!zahl)
            return std::nullopt;
        zahlen.push_back(*zahl);
        if (ende == std::string_view::npos)
            break;
        anfang = ende + 1;
    }
    // More parts than four are left alone, as the window took only four;
    // a window of no size, or of one beyond any screen, it refuses.
    constexpr long Groesste = 1440L * 1000;
    if (zahlen.size() < 4 || zahlen[2] < 1 || zahlen[3] < 1)
        return std::nullopt;
    for (std::size_t i = 0; i < 4; ++i)
        if (zahlen[i] > Groesste || zahlen[i] < -Groesste)
            return std::nullopt;
    return FensterLage{false, zahlen[0], zahlen[1], zahlen[2], zahlen[3]};
}

bool MiniStartVerlangt(std::span<const std::string> argumente) {
    for (const std::string& a : argumente)
        if (TextGleich(a, "/a"))
            return true;
    return false;
}

} // namespace cb
