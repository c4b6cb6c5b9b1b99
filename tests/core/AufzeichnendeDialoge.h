// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dialogs for tests: every question is kept, every answer comes from a
// script ("" - cancelled - when the script has run out).
#include "app/Dialoge.h"

#include <deque>
#include <string>
#include <vector>

namespace cb::test {

struct OrdnerFrage {
    std::string Titel, Start;
};
struct EingabeFrage {
    std::string Aufforderung, Titel, Vorgabe;
};

class AufzeichnendeDialoge final : public Dialoge {
public:
    std::string OrdnerWaehlen(const std::string& titel, const std::string& startOrdner) override {
        ordnerFragen.push_back({titel, startOrdner});
        return Naechste(ordnerAntworten);
    }
    std::string DateiSpeichern(const SpeichernDialogAnfrage& anfrage) override {
        speichernFragen.push_back(anfrage);
        return Naechste(speichernAntworten);
    }
    std::vector<std::string> DateienOeffnen(const std::string& titel, const std::vector<FilterZeile>& filter,
                                            const std::string& startOrdner) override {
        oeffnenFragen.push_back({titel, startOrdner});
        oeffnenFilter = filter;
        if (oeffnenAntworten.empty())
            return {};
        auto a = oeffnenAntworten.front();
        oeffnenAntworten.pop_front();
        return a;
    }
    std::vector<std::string> Schriftarten() override { return schriften; }
    std::string EingabeFeld(const std::string& aufforderung, const std::string& titel,
                            const std::string& vorgabe) override {
        eingabeFragen.push_back({aufforderung, titel, vorgabe});
        return Naechste(eingabeAntworten);
    }

    std::deque<std::string> ordnerAntworten, speichernAntworten, eingabeAntworten;
    std::deque<std::vector<std::string>> oeffnenAntworten;
    std::vector<OrdnerFrage> ordnerFragen, oeffnenFragen;
    std::vector<FilterZeile> oeffnenFilter;
    std::vector<std::string> schriften;
    std::vector<SpeichernDialogAnfrage> speichernFragen;
    std::vector<EingabeFrage> eingabeFragen;

private:
    static std::string Naechste(std::deque<std::string>& antworten) {
        if (antworten.empty())
            return {};
        std::string a = antworten.front();
        antworten.pop_front();
        return a;
    }
};

} // namespace cb::test
