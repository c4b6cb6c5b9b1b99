// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Baum.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>
#include <unordered_set>

namespace cb {

BaumKnoten& Baum::Hinzufuegen(std::string schluessel, std::string text, std::string bild,
                              std::string eltern) {
    Hinzufuegen(BaumKnoten{std::move(schluessel), std::move(text), std::move(bild), std::move(eltern)});
    return m_knoten.back();
}

void Baum::Hinzufuegen(BaumKnoten knoten) {
    if (Finden(knoten.Schluessel))
        throw std::invalid_argument("Schlüssel im Baum schon vorhanden: " + knoten.Schluessel);
    if (!knoten.Eltern.empty() && !Finden(knoten.Eltern))
        throw std::invalid_argument("Elternknoten fehlt: " + knoten.Eltern);
    m_index.emplace(knoten.Schluessel, m_knoten.size());
    m_knoten.push_back(std::move(knoten));
}

void Baum::Entfernen(std::string_view schluessel) {
    if (!Finden(schluessel))
        return;
    // Collect the subtree first: children may have been added before a
    // later sibling of their parent, so one pass over the list is not enough.
    std::vector<std::string> weg{std::string(schluessel)};
    for (std::size_t i = 0; i < weg.size(); ++i)
        for (const auto& k : m_knoten)
            if (k.Eltern == weg[i])
                weg.push_back(k.Schluessel);
    std::erase_if(m_knoten, [&](const BaumKnoten& k) {
        return std::find(weg.begin(), weg.end(), k.Schluessel) != weg.end();
    });
    IndexNeu();
}

void Baum::IndexNeu() {
    m_index.clear();
    for (std::size_t i = 0; i < m_knoten.size(); ++i)
        m_index.emplace(m_knoten[i].Schluessel, i);
}

void Baum::Leeren() {
    m_knoten.clear();
    m_index.clear();
}

BaumKnoten* Baum::Finden(std::string_view schluessel) {
    auto it = m_index.find(std::string(schluessel));
    return it == m_index.end() ? nullptr : &m_knoten[it->second];
}

const BaumKnoten* Baum::Finden(std::string_view schluessel) const {
    return const_cast<Baum*>(this)->Finden(schluessel);
}

std::size_t Baum::KinderAnzahl(std::string_view schluessel) const {
    return static_cast<std::size_t>(std::count_if(
        m_knoten.begin(), m_knoten.end(), [&](const BaumKnoten& k) { return k.Eltern == schluessel; }));
}

std::vector<const BaumKnoten*> Baum::GehakteBlaetter() const {
    std::unordered_set<std::string_view> eltern;
    for (const BaumKnoten& k : m_knoten)
        if (!k.Eltern.empty())
            eltern.insert(k.Eltern);
    std::vector<const BaumKnoten*> blaetter;
    for (const BaumKnoten& k : m_knoten)
        if (k.Haken && !eltern.contains(k.Schluessel))
            blaetter.push_back(&k);
    return blaetter;
}

} // namespace cb
