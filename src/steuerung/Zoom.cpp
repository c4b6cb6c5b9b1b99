// SPDX-License-Identifier: GPL-3.0-or-later
#include "steuerung/Zoom.h"

#include "app/Text.h"

namespace cb {

bool ImZoomGesperrt(Befehl befehl) {
    // These work on the code pane's caret or whole text, which the zoom pane
    // hides; copying the zoom pane itself has its own command.
    switch (befehl) {
    case Befehl::Suchen:
    case Befehl::SuchenWeiter:
    case Befehl::KopierenModul:
    case Befehl::Definition:
        return true;
    default:
        return false;
    }
}

std::optional<Hinweis> ZoomSperre(Befehl befehl, bool zoomAn) {
    if (zoomAn && ImZoomGesperrt(befehl))
        return Hinweis{std::string(ZoomModusText), MeldungsSymbol::Information};
    return std::nullopt;
}

std::size_t ZeileAnOffset(std::string_view text, std::size_t caret) {
    std::size_t zeile = 0;
    std::size_t zeichen = 0;
    for (std::size_t i = 0, n; i < text.size() && zeichen < caret; i += n, ++zeichen)
        if (CodepunktAn(text, i, n) == U'\n')
            ++zeile;
    return zeile;
}

} // namespace cb
