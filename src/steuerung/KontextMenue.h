// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The context menu of a code pane, computed afresh on every right click:
// which pop-up it is and what its two cross-reference items say.
#include "steuerung/Befehle.h"

#include <string>
#include <string_view>

namespace cb {

struct KontextEingabe {
    bool ProjektAktiv = false;
    std::string_view Wort;       // identifier at the caret of the visible pane, may be empty
    std::string_view Panel2;     // status panel 2, the routine at the caret
    bool CodeEinlesenAn = false; // enabled state of menu "&Code Einlesen"
};

struct KontextMenue {
    PopUp Menue = PopUp::Einlesen;
    // mnuPopUpHaupt only
    std::string Definition;
    bool DefinitionAn = false;
    std::string Aufruf;
    bool AufrufAn = false;
    // mnuPopUpEinlesen only
    bool CodeEinlesenAn = false;
};

/// The pop-up menu for a right click in a code pane.
KontextMenue KontextMenueBestimmen(const KontextEingabe& eingabe);

} // namespace cb
