// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Zoom mode: the zoom pane over the code pane shows only the routine around
// the caret. Its one state is the check mark of "&Zoom", which the pressed
// state of button "zoom" always follows.
#include "steuerung/Befehle.h"
#include "steuerung/Hinweis.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace cb {

/// The answer of the commands that do not work on the zoom pane.
inline constexpr std::string_view ZoomModusText = "Steht im Zoom Modus nicht zur Verfügung";

/// True for the commands that zoom mode refuses.
bool ImZoomGesperrt(Befehl befehl);
/// The message that refuses the command in zoom mode; nullopt when it may run.
std::optional<Hinweis> ZoomSperre(Befehl befehl, bool zoomAn);

/// The 0-based line of the character at a caret offset (in characters) of a
/// pane text whose line breaks are single "\n"; beyond the end, the last line.
std::size_t ZeileAnOffset(std::string_view text, std::size_t caret);

class ZoomModus {
public:
    bool An() const { return m_an; }
    /// Turns zoom mode over; returns the new state.
    bool Umschalten() {
        m_an = !m_an;
        return m_an;
    }
    /// Off, as the view reset needs it; true when it was on (the pane must
    /// then be hidden as by the zoom command).
    bool Aus() {
        bool war = m_an;
        m_an = false;
        return war;
    }
    /// The 1-based line whose routine the zoom pane shows.
    static std::size_t ZoomZeile(std::string_view text, std::size_t caret) {
        return ZeileAnOffset(text, caret) + 1;
    }

private:
    bool m_an = false;
};

} // namespace cb
