// SPDX-License-Identifier: GPL-3.0-or-later
#include "projects/SpeichernUnter.h"

#include "app/Allgemein.h"
#include "app/Meldungen.h"
#include "app/Text.h"

#include <cstdlib>

namespace cb {

namespace {

std::string Gross(std::string t) {
    for (char& c : t)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return t;
}

std::vector<std::string> Zerlegt(const std::string& t, char trenner) {
    std::vector<std::string> teile;
    std::size_t von = 0;
    for (;;) {
        std::size_t bis = t.find(trenner, von);
        teile.push_back(t.substr(von, bis - von));
        if (bis == std::string::npos)
            return teile;
        von = bis + 1;
    }
}

FilterZeile ZeileAus(const std::string& name, const std::string& liste) {
    FilterZeile z;
    if (liste.empty()) {
        z.Text = name + " (*.*)";
        z.Muster = "*.*";
        return z;
    }
    z.Endungen = Zerlegt(liste, ',');
    std::string gezeigt, muster;
    for (const std::string& e : z.Endungen) {
        gezeigt += (gezeigt.empty() ? "*." : ", *.") + KleinGefaltet(e);
        muster += (muster.empty() ? "*." : "; *.") + Gross(e);
    }
    z.Text = name + " (" + gezeigt + ")";
    z.Muster = muster;
    return z;
}

// The dialog's name buffer held 255 characters; a longer proposal was cut.
std::string HoechstensZeichen(const std::string& t, std::size_t n) {
    std::size_t pos = 0, zeichen = 0, laenge = 0;
    while (pos < t.size() && zeichen < n) {
        CodepunktAn(t, pos, laenge);
        pos += laenge;
        ++zeichen;
    }
    return t.substr(0, pos);
}

} // namespace

std::optional<std::vector<FilterZeile>> FilterZeilenBilden(const std::string& filter, Meldungen& meldungen) {
    if (filter.empty() || filter.back() != ';') {
        meldungen.Melden("Bitte Filterart mit ; abschließen", MeldungsSymbol::Keins);
        return std::nullopt;
    }
    std::vector<FilterZeile> zeilen;
    std::size_t von = 0;
    while (von < filter.size()) {
        std::size_t ende = filter.find(';', von);
        std::string eintrag = filter.substr(von, ende - von);
        std::size_t doppelpunkt = eintrag.find(':');
        if (doppelpunkt == std::string::npos) {
            meldungen.Melden("Doppelpunkt vergessen", MeldungsSymbol::Keins);
            return std::nullopt;
        }
        zeilen.push_back(ZeileAus(eintrag.substr(0, doppelpunkt), eintrag.substr(doppelpunkt + 1)));
        von = ende + 1;
    }
    return zeilen;
}

std::string SpeichernUnter(Dialoge& dialoge, Meldungen& meldungen, const std::string& filter,
                           const std::string& standardEndung, const std::string& startOrdner,
                           const std::string& dateiName) {
    auto zeilen = FilterZeilenBilden(filter, meldungen);
    if (!zeilen)
        return {};
    SpeichernDialogAnfrage anfrage;
    anfrage.Titel = "Speichern unter";
    anfrage.Filter = std::move(*zeilen);
    anfrage.FilterIndex = 1;
    anfrage.StandardEndung = standardEndung;
    if (startOrdner.empty()) {
        const char* home = std::getenv("HOME");
        anfrage.StartOrdner = MitTrenner(home && *home ? home : "/");
    } else {
        anfrage.StartOrdner = startOrdner;
    }
    anfrage.VorgeschlagenerName = HoechstensZeichen(dateiName, 255);
    anfrage.UeberschreibenFragen = true;
    return dialoge.DateiSpeichern(anfrage);
}

} // namespace cb
