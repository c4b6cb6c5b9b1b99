// SPDX-License-Identifier: GPL-3.0-or-later
#include "steuerung/Verlauf.h"

#include <utility>

namespace cb {

void Verlauf::VerlaufMerken(VerlaufEintrag eintrag) {
    m_eintraege.resize(static_cast<std::size_t>(m_index));
    if (m_index == Groesse)
        m_eintraege.erase(m_eintraege.begin());
    m_eintraege.push_back(std::move(eintrag));
    m_index = VerlaufEnde();
}

void Verlauf::DefinitionMerken(std::size_t start, VerlaufEintrag ziel) {
    if (m_index > 0)
        m_eintraege[static_cast<std::size_t>(m_index - 1)].Caret = start;
    VerlaufMerken(std::move(ziel));
}

std::optional<VerlaufEintrag> Verlauf::Zurueck() {
    if (!ZurueckMoeglich())
        return std::nullopt;
    --m_index;
    return *Aktuell();
}

std::optional<VerlaufEintrag> Verlauf::Vor() {
    if (!VorMoeglich())
        return std::nullopt;
    ++m_index;
    return *Aktuell();
}

void Verlauf::Leeren() {
    m_eintraege.clear();
    m_index = 0;
}

const VerlaufEintrag* Verlauf::Aktuell() const {
    if (m_index == 0)
        return nullptr;
    return &m_eintraege[static_cast<std::size_t>(m_index - 1)];
}

} // namespace cb
