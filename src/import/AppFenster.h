// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What listing the host's projects again does to the main window beyond the
// application tree, the status panels and the caption: the window implements
// it, tests record it.
#include <string>

namespace cb {

class AppFenster {
public:
    virtual ~AppFenster() = default;
    /// The flag that lets the code panes follow the caret.
    virtual void ProjektGeladenSetzen(bool geladen) = 0;
    /// Removes every node of the project tree.
    virtual void ProjektBaumLeeren() = 0;
    /// The routine view's close command.
    virtual void RoutinenAnsichtSchliessen() = 0;
    /// Hides the project tree and shows the application tree.
    virtual void AppBaumZeigen() = 0;
    /// Empties the text of the visible code pane.
    virtual void CodeFensterLeeren() = 0;
    /// Clears history, panes, zoom and layout; hides txtAppAktiv.
    virtual void AnsichtZuruecksetzen() = 0;
    /// Puts the text into txtAppAktiv and shows it.
    virtual void AppHinweisZeigen(const std::string& text) = 0;
    /// 0 no project, 1 a project read, 2 a saved project shown.
    virtual void ProjektModusSetzen(int modus) = 0;
    /// The save command.
    virtual void Speichern() = 0;
};

} // namespace cb
