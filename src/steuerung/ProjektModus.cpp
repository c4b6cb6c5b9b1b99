// SPDX-License-Identifier: GPL-3.0-or-later
#include "steuerung/ProjektModus.h"

#include "steuerung/Verlauf.h"

namespace cb {

std::optional<ModusAenderung> ProjektModusSetzen(ProjektModus modus) {
    bool projekt;
    switch (modus) {
    case ProjektModus::KeinProjekt:
        projekt = false;
        break;
    case ProjektModus::Eingelesen:
    case ProjektModus::Gespeichert:
        projekt = true;
        break;
    default:
        return std::nullopt;
    }
    ModusAenderung a;
    a.ProjektAktiv = projekt;
    // Browsing, export and saving need a project; reading and the refresh
    // belong to the choice of what to read. "&Neu" and "refresh" run the
    // same refresh and so are never offered together.
    for (Befehl b : {Befehl::Definition, Befehl::RoutineAufrufe, Befehl::Speichern, Befehl::HtmlAuswahl,
                     Befehl::HtmlModul, Befehl::HtmlProjekt, Befehl::Neu, Befehl::Zoom,
                     Befehl::KopierenAuswahl, Befehl::KopierenModul})
        a.Befehle.emplace_back(b, projekt);
    for (Befehl b : {Befehl::CodeEinlesen, Befehl::AppAktualisieren})
        a.Befehle.emplace_back(b, !projekt);
    for (Menue m : {Menue::Rtf, Menue::Text})
        a.Menues.emplace_back(m, projekt);
    for (Knopf k : {Knopf::Speichern, Knopf::HtmlAuswahl, Knopf::HtmlModul, Knopf::HtmlProjekt, Knopf::Neu,
                    Knopf::Zoom})
        a.Knoepfe.emplace_back(k, projekt);
    for (Knopf k : {Knopf::CodeLesen, Knopf::Aktualisieren})
        a.Knoepfe.emplace_back(k, !projekt);
    if (!projekt)
        a.PanelTexte = ModusPanelTexte{"Modul", "Routine", "Aktion"};
    return a;
}

Freigaben::Freigaben() {
    m_befehle.set();
    m_menues.set();
    m_knoepfe.set();
    Setzen(Befehl::RoutineZurueck, false);
    Setzen(Befehl::RoutineVor, false);
    Setzen(Befehl::RoutinensucheSchliessen, false);
}

void Freigaben::ModusSetzen(ProjektModus modus) {
    std::optional<ModusAenderung> a = ProjektModusSetzen(modus);
    if (!a)
        return;
    m_projektAktiv = a->ProjektAktiv;
    for (auto [b, an] : a->Befehle)
        Setzen(b, an);
    for (auto [m, an] : a->Menues)
        Setzen(m, an);
    for (auto [k, an] : a->Knoepfe)
        Setzen(k, an);
}

void Freigaben::AnsichtZuruecksetzen() {
    Setzen(Befehl::RoutineZurueck, false);
    Setzen(Befehl::RoutineVor, false);
    Setzen(Befehl::CodeEinlesen, false);
    Setzen(Knopf::CodeLesen, false);
}

void Freigaben::VerlaufFolgen(const Verlauf& verlauf) {
    Setzen(Befehl::RoutineZurueck, verlauf.ZurueckMoeglich());
    Setzen(Befehl::RoutineVor, verlauf.VorMoeglich());
}

} // namespace cb
