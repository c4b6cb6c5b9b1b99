// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/AppBaumHaken.h"

#include "app/Baum.h"
#include "app/Text.h"

#include <algorithm>

namespace cb {

namespace {

bool IrgendeinHaken(const Baum& baum) {
    return std::any_of(baum.Knoten().begin(), baum.Knoten().end(),
                       [](const BaumKnoten& k) { return k.Haken; });
}

bool BeginntMit(std::string_view text, std::string_view praefix) {
    std::size_t pos = 0, laenge = 0;
    // Compare whole characters, so that a prefix never ends inside one.
    for (std::size_t n = ZeichenAnzahl(praefix); n > 0 && pos < text.size(); --n, pos += laenge)
        CodepunktAn(text, pos, laenge);
    return TextGleich(text.substr(0, pos), praefix);
}

} // namespace

bool AppKnotenGehakt(Baum& treApp, std::string_view schluessel) {
    const BaumKnoten* knoten = treApp.Finden(schluessel);
    if (!knoten)
        return IrgendeinHaken(treApp);
    const std::size_t trenner = schluessel.find('\\');
    const std::string praefix = std::string(schluessel.substr(0, trenner)) + "\\";
    const bool haken = knoten->Haken;
    const std::string eigener(schluessel);
    const bool projektKnoten = treApp.HatKinder(eigener);
    for (BaumKnoten& k : treApp.Knoten()) {
        if (!BeginntMit(k.Schluessel, praefix))
            k.Haken = false;
        else if (projektKnoten && k.Eltern == eigener)
            k.Haken = haken;
    }
    return IrgendeinHaken(treApp);
}

} // namespace cb
