// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/IniEinstellungsSpeicher.h"

#include "app/DateiErsetzen.h"
#include "app/Text.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace cb {

namespace {

// Percent-escapes the characters that would break the line structure or
// the split at '=' and '|', so any text (line breaks, backslashes) survives.
std::string Maskiert(const std::string& t, bool auchTrenner) {
    std::string out;
    for (unsigned char c : t) {
        bool maskieren = c == '%' || c == '\r' || c == '\n' || c == '[' || c == ']' ||
                         (auchTrenner && (c == '=' || c == '|'));
        if (maskieren) {
            char puffer[4];
            std::snprintf(puffer, sizeof puffer, "%%%02X", c);
            out += puffer;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string Entmaskiert(const std::string& t) {
    std::string out;
    for (std::size_t i = 0; i < t.size(); ++i) {
        int hoch = -1, tief = -1;
        if (t[i] == '%' && i + 2 < t.size()) {
            hoch = HexWert(t[i + 1]);
            tief = HexWert(t[i + 2]);
        }
        if (hoch >= 0 && tief >= 0) {
            out += static_cast<char>(hoch * 16 + tief);
            i += 2;
        } else {
            out += t[i];
        }
    }
    return out;
}

} // namespace

IniEinstellungsSpeicher::IniEinstellungsSpeicher(std::string datei) : m_datei(std::move(datei)) {
    Laden();
}

void IniEinstellungsSpeicher::Laden() {
    std::ifstream ein(m_datei, std::ios::binary);
    std::string zeile, app, abschnitt;
    bool imAbschnitt = false;
    while (std::getline(ein, zeile)) {
        if (!zeile.empty() && zeile.back() == '\r')
            zeile.pop_back();
        if (zeile.size() >= 2 && zeile.front() == '[' && zeile.back() == ']') {
            std::string kopf = zeile.substr(1, zeile.size() - 2);
            std::size_t strich = kopf.find('|');
            imAbschnitt = strich != std::string::npos;
            if (imAbschnitt) {
                app = Entmaskiert(kopf.substr(0, strich));
                abschnitt = Entmaskiert(kopf.substr(strich + 1));
            }
            continue;
        }
        std::size_t gleich = zeile.find('=');
        if (!imAbschnitt || gleich == std::string::npos)
            continue; // not ours: skipped, never fatal
        if (std::find(m_abschnitte.begin(), m_abschnitte.end(), std::pair{app, abschnitt}) ==
            m_abschnitte.end())
            m_abschnitte.emplace_back(app, abschnitt);
        m_werte.Schreiben(app, abschnitt, Entmaskiert(zeile.substr(0, gleich)),
                          Entmaskiert(zeile.substr(gleich + 1)));
    }
}

void IniEinstellungsSpeicher::Sichern() {
    std::ostringstream text;
    for (const auto& [app, abschnitt] : m_abschnitte) {
        EinstellungsPaare paare = m_werte.Alle(app, abschnitt);
        if (paare.empty())
            continue;
        text << '[' << Maskiert(app, true) << '|' << Maskiert(abschnitt, true) << "]\n";
        for (const auto& [k, v] : paare)
            text << Maskiert(k, true) << '=' << Maskiert(v, false) << '\n';
    }
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path ziel(m_datei);
    if (ziel.has_parent_path())
        fs::create_directories(ziel.parent_path(), ec);
    try {
        DateiErsetzen(m_datei, text.str());
    } catch (const std::exception&) {
        m_gesichert = false;
    }
}

std::string IniEinstellungsSpeicher::Lesen(const std::string& app, const std::string& abschnitt,
                                           const std::string& schluessel) const {
    return m_werte.Lesen(app, abschnitt, schluessel);
}

void IniEinstellungsSpeicher::Schreiben(const std::string& app, const std::string& abschnitt,
                                        const std::string& schluessel, const std::string& wert) {
    if (std::find(m_abschnitte.begin(), m_abschnitte.end(), std::pair{app, abschnitt}) == m_abschnitte.end())
        m_abschnitte.emplace_back(app, abschnitt);
    m_werte.Schreiben(app, abschnitt, schluessel, wert);
    Sichern();
}

EinstellungsPaare IniEinstellungsSpeicher::Alle(const std::string& app, const std::string& abschnitt) const {
    return m_werte.Alle(app, abschnitt);
}

void IniEinstellungsSpeicher::AbschnittLoeschen(const std::string& app, const std::string& abschnitt) {
    m_werte.AbschnittLoeschen(app, abschnitt);
    std::erase(m_abschnitte, std::pair{app, abschnitt});
    Sichern();
}

} // namespace cb
