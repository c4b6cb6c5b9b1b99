// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A message interface for tests: records every message shown and answers
// from a script (OK when the script has run out).
#include "app/Meldungen.h"

#include <deque>
#include <string>
#include <vector>

namespace cb::test {

struct AufgezeichneteMeldung {
    std::string Text;
    MeldungsSymbol Symbol;
    MeldungsKnoepfe Knoepfe;
    std::string Titel;
};

class AufzeichnendeMeldungen final : public Meldungen {
public:
    MeldungsAntwort Zeigen(const std::string& text, MeldungsSymbol symbol, MeldungsKnoepfe knoepfe,
                           const std::string& titel) override {
        m_gezeigt.push_back({text, symbol, knoepfe, titel});
        if (m_antworten.empty())
            return MeldungsAntwort::Ok;
        MeldungsAntwort a = m_antworten.front();
        m_antworten.pop_front();
        return a;
    }

    void Antworten(MeldungsAntwort a) { m_antworten.push_back(a); }
    const std::vector<AufgezeichneteMeldung>& Gezeigt() const { return m_gezeigt; }

private:
    std::vector<AufgezeichneteMeldung> m_gezeigt;
    std::deque<MeldungsAntwort> m_antworten;
};

} // namespace cb::test
