// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/StrukturListe.h"

#include "app/Baum.h"
#include "app/Meldungen.h"
#include "app/Optionen.h"
#include "app/Zwischenablage.h"

namespace cb {

void StrukturListe::Kopf(std::string_view schluessel, std::string_view text) {
    m_stelle.emplace(std::string(schluessel), m_bloecke.size());
    std::string& block = m_bloecke.emplace_back(text);
    block += "\r\n";
}

void StrukturListe::Kind(std::string_view kopfSchluessel, std::string_view text) {
    auto it = m_stelle.find(std::string(kopfSchluessel));
    if (it == m_stelle.end())
        return;
    std::string& block = m_bloecke[it->second];
    block += '\t';
    block += text;
    block += "\r\n";
}

std::string StrukturListe::Text() const {
    std::size_t laenge = 0;
    for (const std::string& b : m_bloecke)
        laenge += b.size();
    std::string text;
    text.reserve(laenge);
    for (const std::string& b : m_bloecke)
        text += b;
    return text;
}

std::string StrukturText(const Baum& baum) {
    // Heads first: a child may stand in the tree before its head.
    StrukturListe liste;
    for (const BaumKnoten& k : baum.Knoten())
        if (k.Eltern.empty())
            liste.Kopf(k.Schluessel, k.Text);
    for (const BaumKnoten& k : baum.Knoten())
        if (!k.Eltern.empty())
            liste.Kind(k.Eltern, k.Text);
    return liste.Text();
}

const Baum* StrukturBaumWaehlen(const Baum& treApp, bool appSichtbar, const Baum& treProjekt,
                                bool projektSichtbar, const Baum& treRoutSuche, bool routSucheSichtbar) {
    const Baum* gewaehlt = nullptr;
    if (appSichtbar)
        gewaehlt = &treApp;
    if (projektSichtbar)
        gewaehlt = &treProjekt;
    if (routSucheSichtbar)
        gewaehlt = &treRoutSuche;
    return gewaehlt;
}

void StrukturInZwischenablage(const Optionen& o, const std::string& programmTitel, const Baum& sichtbarerBaum,
                              Zwischenablage& zwischenablage, Meldungen& meldungen) {
    const std::string text = StrukturText(sichtbarerBaum);
    zwischenablage.Leeren();
    zwischenablage.TextSetzen(text);
    if (o.MeldungNachClip)
        meldungen.Zeigen("Struktur in der Zwischenablage erstellt", MeldungsSymbol::Information,
                         MeldungsKnoepfe::Ok, programmTitel);
}

} // namespace cb
