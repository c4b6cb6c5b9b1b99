// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/Optionen.h"

#include "app/Allgemein.h"
#include "app/EinstellungsSpeicher.h"
#include "app/Text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace cb {

namespace {

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

using O = Optionen;

constexpr bool Darstellung = true;

OptionsSchluessel Schalter(const char* k, bool O::*m, int rang, bool darstellung = false) {
    OptionsSchluessel s{k, OptionsArt::Schalter};
    s.Schalter = m;
    s.SpeicherRang = rang;
    s.Darstellung = darstellung;
    return s;
}

// Every colour shapes the output.
OptionsSchluessel Farbe(const char* k, std::int32_t O::*m, int rang) {
    OptionsSchluessel s{k, OptionsArt::Farbe};
    s.Farbe = m;
    s.SpeicherRang = rang;
    s.Darstellung = true;
    return s;
}

// Loading order; the rank is the place in the saving order, which the
// options dialog's OK has always used.
const std::vector<OptionsSchluessel>& Tabelle() {
    static const std::vector<OptionsSchluessel> t = [] {
        OptionsSchluessel tab{"tab", OptionsArt::Zahl};
        tab.Zahl = &O::TabstopMm;
        tab.SpeicherRang = 13;
        tab.Darstellung = true;
        OptionsSchluessel bis{"bis", OptionsArt::Text};
        bis.Text = &O::WindowLayout;
        bis.Gespeichert = false;
        OptionsSchluessel font{"font", OptionsArt::Schrift};
        font.SpeicherRang = 14;
        font.Darstellung = true;
        return std::vector<OptionsSchluessel>{
            Farbe("fkey", &O::FarbeSchluessel, 1),
            Farbe("fkom", &O::FarbeKommentar, 2),
            Farbe("fstr", &O::FarbeString, 3),
            Schalter("einr", &O::Einruecken, 11, Darstellung),
            Schalter("rouf", &O::RoutinenFett, 4, Darstellung),
            Schalter("vor", &O::VorschauHtml, 7),
            Schalter("rer", &O::RoutinenEinruecken, 8, Darstellung),
            Schalter("rle", &O::LeerzeileVorRoutinen, 9, Darstellung),
            bis,
            Schalter("meld", &O::MeldungNachClip, 10),
            Schalter("usb", &O::UserBildAnwenden, 15),
            Schalter("stapro", &O::StandardImmer, 12),
            Schalter("aufk", &O::ModullisteAufgeklappt, 5),
            Schalter("leer", &O::LeerzeilenEntfernen, 6, Darstellung),
            tab,
            font,
        };
    }();
    return t;
}

} // namespace

int OptionsZahl(std::string_view text) {
    return Gerundet<std::int16_t>(ZahlenWert(text));
}

std::span<const OptionsSchluessel> OptionsTabelle() {
    return Tabelle();
}

const OptionsSchluessel* OptionsSchluesselFinden(const std::string& schluessel) {
    for (const auto& k : Tabelle())
        if (schluessel == k.Schluessel)
            return &k;
    return nullptr;
}

bool OptionSetzen(Optionen& o, const std::string& schluessel, const std::string& wert) {
    const OptionsSchluessel* k = OptionsSchluesselFinden(schluessel);
    if (!k)
        return false;
    switch (k->Art) {
    case OptionsArt::Farbe:
        o.*(k->Farbe) = Gerundet<std::int32_t>(ZahlenWert(wert));
        break;
    case OptionsArt::Schalter:
        o.*(k->Schalter) = ZahlenWert(wert) != 0;
        break;
    case OptionsArt::Zahl:
        o.*(k->Zahl) = Gerundet<std::int16_t>(ZahlenWert(wert));
        break;
    case OptionsArt::Text:
        o.*(k->Text) = wert;
        break;
    case OptionsArt::Schrift: {
        auto komma = wert.find(',');
        if (komma == std::string::npos) {
            o.SchriftName = wert;
            o.SchriftGroesse = 0;
        } else {
            o.SchriftName = wert.substr(0, komma);
            o.SchriftGroesse = Gerundet<std::int16_t>(ZahlenWert(wert.substr(wert.rfind(',') + 1)));
        }
        break;
    }
    }
    return true;
}

std::string OptionWert(const Optionen& o, const std::string& schluessel) {
    const OptionsSchluessel* k = OptionsSchluesselFinden(schluessel);
    if (!k)
        return {};
    switch (k->Art) {
    case OptionsArt::Farbe:
        return std::to_string(o.*(k->Farbe));
    case OptionsArt::Schalter:
        return Bool(o.*(k->Schalter));
    case OptionsArt::Zahl:
        return std::to_string(o.*(k->Zahl));
    case OptionsArt::Text:
        return o.*(k->Text);
    case OptionsArt::Schrift:
        return o.SchriftName + "," + std::to_string(o.SchriftGroesse);
    }
    return {};
}

void OptionenLaden(Optionen& o, const EinstellungsSpeicher& s, const std::string& einstellungsName) {
    for (const auto& k : Tabelle()) {
        std::string wert = EinstellungLesen(einstellungsName, s, "optionen", k.Schluessel);
        if (!wert.empty())
            OptionSetzen(o, k.Schluessel, wert);
    }
}

void OptionenSpeichern(const Optionen& o, EinstellungsSpeicher& s, const std::string& einstellungsName) {
    std::vector<const OptionsSchluessel*> reihe;
    for (const auto& k : Tabelle())
        if (k.Gespeichert)
            reihe.push_back(&k);
    std::sort(reihe.begin(), reihe.end(),
              [](const auto* a, const auto* b) { return a->SpeicherRang < b->SpeicherRang; });
    for (const auto* k : reihe)
        EinstellungSchreiben(einstellungsName, s, "optionen", k->Schluessel, OptionWert(o, k->Schluessel));
}

} // namespace cb
