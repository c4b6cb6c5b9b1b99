// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/EinstellungsSpeicher.h"

#include <algorithm>

namespace cb {

std::string SpeicherImArbeitsspeicher::Lesen(const std::string& app, const std::string& abschnitt,
                                             const std::string& schluessel) const {
    auto it = m_abschnitte.find({app, abschnitt});
    if (it == m_abschnitte.end())
        return {};
    for (const auto& [k, v] : it->second)
        if (k == schluessel)
            return v;
    return {};
}

void SpeicherImArbeitsspeicher::Schreiben(const std::string& app, const std::string& abschnitt,
                                          const std::string& schluessel, const std::string& wert) {
    auto& paare = m_abschnitte[{app, abschnitt}];
    auto it = std::find_if(paare.begin(), paare.end(), [&](const auto& p) { return p.first == schluessel; });
    if (it != paare.end())
        it->second = wert;
    else
        paare.emplace_back(schluessel, wert);
}

EinstellungsPaare SpeicherImArbeitsspeicher::Alle(const std::string& app,
                                                  const std::string& abschnitt) const {
    auto it = m_abschnitte.find({app, abschnitt});
    return it == m_abschnitte.end() ? EinstellungsPaare{} : it->second;
}

void SpeicherImArbeitsspeicher::AbschnittLoeschen(const std::string& app, const std::string& abschnitt) {
    m_abschnitte.erase({app, abschnitt});
}

} // namespace cb
