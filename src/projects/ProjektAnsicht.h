// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What showing, opening and saving a project asks of the main window
// beyond the trees, status panels and caption the core fills itself. The
// window implements it; tests record the calls.
#include <cstdint>
#include <string>
#include <vector>

namespace cb {

struct BaumKnoten;

class ProjektAnsicht {
public:
    virtual ~ProjektAnsicht() = default;
    /// The flag that lets the code panes follow the caret.
    virtual void ProjektGeladenSetzen(bool geladen) = 0;
    /// Closing the mini window then shows the main window again.
    virtual void ZurVollansichtSetzen(bool an) = 0;
    /// Clears history, panes, zoom and layout.
    virtual void AnsichtZuruecksetzen() = 0;
    /// 0 no project, 1 a project read, 2 a saved project shown.
    virtual void ProjektModusSetzen(int modus) = 0;
    /// Brings the code pane with the index to the front.
    virtual void CodeFensterZeigen(std::int64_t index) = 0;
    /// Hides the application tree and shows the project tree.
    virtual void ProjektBaumZeigen() = 0;
    /// One code pane per module, from the marked texts of modules 1, 2, ...
    virtual void CodeFensterLaden(const std::vector<std::string>& markierteTexte) = 0;
    /// The project tree model was filled anew (nodes, expansion): mirror it.
    virtual void ProjektBaumUebernehmen() = 0;
    /// Selects the node in the project tree and runs its click.
    virtual void ProjektKnotenWaehlen(const BaumKnoten& knoten) = 0;
    /// Reads the ticked modules of the application tree from the host into
    /// ProjektPfad; false when nothing was read (the reader has said why).
    virtual bool ProjektEinlesen() = 0;
    /// The command for a new project, "&Neu" (the refresh command of the
    /// host listing): asks to save an unsaved project, sets the caption to
    /// ProgrammTitel and mode 0, drops the shown project and lists the
    /// host's projects again. Not the bare listing: that would leave a
    /// saved project's caption over an empty view.
    virtual void NeuesProjekt() = 0;
};

} // namespace cb
