// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/Optionen.h"

#include "app/Allgemein.h"
#include "app/EinstellungsSpeicher.h"
#include "app/Zustand.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace cb {

namespace {

const char* const LadeReihenfolge[] = {"fkey", "fkom", "fstr", "einr",   "rouf", "vor",  "rer", "rle",
                                       "bis",  "meld", "usb",  "stapro", "aufk", "leer", "tab", "font"};

template <typename T> T Gerundet(double wert) {
    double r = std::nearbyint(wert); // banker's rounding, as the runtime rounds
    if (r < static_cast<double>(std::numeric_limits<T>::min()))
        return std::numeric_limits<T>::min();
    if (r > static_cast<double>(std::numeric_limits<T>::max()))
        return std::numeric_limits<T>::max();
    return static_cast<T>(r);
}

std::string Bool(bool b) {
    return b ? "-1" : "0";
}

} // namespace

double ZahlenWert(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    bool ziffern = false;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        ++i;
        ziffern = true;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
            ++i;
            ziffern = true;
        }
    }
    if (!ziffern)
        return 0;
    return std::strtod(text.substr(start, i - start).c_str(), nullptr);
}

bool OptionSetzen(Zustand& z, const std::string& k, const std::string& wert) {
    auto an = [&] { return ZahlenWert(wert) != 0; };
    if (k == "fkey")
        z.FarbeSchluessel = Gerundet<std::int32_t>(ZahlenWert(wert));
    else if (k == "fkom")
        z.FarbeKommentar = Gerundet<std::int32_t>(ZahlenWert(wert));
    else if (k == "fstr")
        z.FarbeString = Gerundet<std::int32_t>(ZahlenWert(wert));
    else if (k == "einr")
        z.Einruecken = an();
    else if (k == "rouf")
        z.RoutinenFett = an();
    else if (k == "vor")
        z.VorschauHtml = an();
    else if (k == "rer")
        z.RoutinenEinruecken = an();
    else if (k == "rle")
        z.LeerzeileVorRoutinen = an();
    else if (k == "bis")
        z.WindowLayout = wert;
    else if (k == "meld")
        z.MeldungNachClip = an();
    else if (k == "usb")
        z.UserBildAnwenden = an();
    else if (k == "stapro")
        z.StandardImmer = an();
    else if (k == "aufk")
        z.ModullisteAufgeklappt = an();
    else if (k == "leer")
        z.LeerzeilenEntfernen = an();
    else if (k == "tab")
        z.TabstopMm = Gerundet<std::int16_t>(ZahlenWert(wert));
    else if (k == "font") {
        auto komma = wert.find(',');
        if (komma == std::string::npos) {
            z.SchriftName = wert;
            z.SchriftGroesse = 0;
        } else {
            z.SchriftName = wert.substr(0, komma);
            z.SchriftGroesse = Gerundet<std::int16_t>(ZahlenWert(wert.substr(wert.rfind(',') + 1)));
        }
    } else
        return false;
    return true;
}

void OptionenLaden(Zustand& z, const EinstellungsSpeicher& s) {
    for (const char* k : LadeReihenfolge) {
        std::string wert = EinstellungLesen(z, s, "optionen", k);
        if (!wert.empty())
            OptionSetzen(z, k, wert);
    }
}

void OptionenSpeichern(const Zustand& z, EinstellungsSpeicher& s) {
    auto w = [&](const char* k, const std::string& v) { EinstellungSchreiben(z, s, "optionen", k, v); };
    w("fkey", std::to_string(z.FarbeSchluessel));
    w("fkom", std::to_string(z.FarbeKommentar));
    w("fstr", std::to_string(z.FarbeString));
    w("rouf", Bool(z.RoutinenFett));
    w("aufk", Bool(z.ModullisteAufgeklappt));
    w("leer", Bool(z.LeerzeilenEntfernen));
    w("vor", Bool(z.VorschauHtml));
    w("rer", Bool(z.RoutinenEinruecken));
    w("rle", Bool(z.LeerzeileVorRoutinen));
    w("meld", Bool(z.MeldungNachClip));
    w("einr", Bool(z.Einruecken));
    w("stapro", Bool(z.StandardImmer));
    w("tab", std::to_string(z.TabstopMm));
    w("font", z.SchriftName + "," + std::to_string(z.SchriftGroesse));
    w("usb", Bool(z.UserBildAnwenden));
}

} // namespace cb
