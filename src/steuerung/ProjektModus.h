// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which commands the main window offers with no project, a project just read
// and a saved project. The controller keeps one Freigaben; the window only
// mirrors its flags onto menu items, menus and buttons.
#include "steuerung/Befehle.h"

#include <array>
#include <bitset>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace cb {

class Verlauf;

enum class ProjektModus { KeinProjekt = 0, Eingelesen = 1, Gespeichert = 2 };

/// The three status panel texts that the mode without a project writes.
struct ModusPanelTexte {
    std::string_view Modul;   // panel 1
    std::string_view Routine; // panel 2
    std::string_view Aktion;  // panel 5
};

/// What `ProjektModusSetzen` changes: only the items listed; every other
/// item keeps its state.
struct ModusAenderung {
    bool ProjektAktiv = false;
    std::vector<std::pair<Befehl, bool>> Befehle;
    std::vector<std::pair<Menue, bool>> Menues;
    std::vector<std::pair<Knopf, bool>> Knoepfe;
    std::optional<ModusPanelTexte> PanelTexte; // only without a project
};

/// The changes of a mode; nullopt for a value that names no mode, which
/// changes nothing.
std::optional<ModusAenderung> ProjektModusSetzen(ProjektModus modus);

/// Enabled flags of every menu item (by command), menu and toolbar button.
class Freigaben {
public:
    /// Everything enabled except what needs a history or a routine-search
    /// list; a start applies the mode without a project and the view reset.
    Freigaben();

    bool An(Befehl befehl) const { return m_befehle[Nr(befehl)]; }
    bool An(Menue menue) const { return m_menues[Nr(menue)]; }
    bool An(Knopf knopf) const { return m_knoepfe[Nr(knopf)]; }
    bool ProjektAktiv() const { return m_projektAktiv; }

    void Setzen(Befehl befehl, bool an) { m_befehle[Nr(befehl)] = an; }
    void Setzen(Menue menue, bool an) { m_menues[Nr(menue)] = an; }
    void Setzen(Knopf knopf, bool an) { m_knoepfe[Nr(knopf)] = an; }

    /// Applies a mode; a value that names no mode changes nothing.
    void ModusSetzen(ProjektModus modus);
    /// The enabled states of `AnsichtZuruecksetzen`: both history steps and
    /// reading code ("&Code Einlesen", "doit") off until a project is ticked.
    void AnsichtZuruecksetzen();
    /// Back and Next follow the history.
    void VerlaufFolgen(const Verlauf& verlauf);

private:
    template <typename E> static std::size_t Nr(E e) { return static_cast<std::size_t>(e); }

    std::bitset<BefehlAnzahl> m_befehle;
    std::bitset<MenueAnzahl> m_menues;
    std::bitset<KnopfAnzahl> m_knoepfe;
    bool m_projektAktiv = false;
};

} // namespace cb
