// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/StrukturListe.h"

#include "app/Baum.h"
#include "app/Meldungen.h"
#include "app/Optionen.h"
#include "app/Zwischenablage.h"

#include <string_view>
#include <unordered_map>
#include <vector>

namespace cb {

std::string StrukturText(const Baum& baum) {
    // The children of each node in index order, gathered in one pass: the
    // listing is the same as asking every node for its children in turn,
    // without the work growing with top-level nodes times all nodes.
    const auto& knoten = baum.Knoten();
    std::unordered_map<std::string_view, std::vector<std::size_t>> kinder;
    for (std::size_t j = 0; j < knoten.size(); ++j)
        if (!knoten[j].Eltern.empty())
            kinder[knoten[j].Eltern].push_back(j);

    std::string text;
    for (const BaumKnoten& k : knoten) {
        if (!k.Eltern.empty())
            continue;
        text += k.Text;
        text += "\r\n";
        auto it = kinder.find(k.Schluessel);
        if (it == kinder.end())
            continue;
        for (std::size_t j : it->second) {
            text += '\t';
            text += knoten[j].Text;
            text += "\r\n";
        }
    }
    return text;
}

const Baum* StrukturBaumWaehlen(const Baum& treApp, bool appSichtbar, const Baum& treProjekt,
                                bool projektSichtbar, const Baum& treRoutSuche, bool routSucheSichtbar) {
    const Baum* gewaehlt = nullptr;
    if (appSichtbar)
        gewaehlt = &treApp;
    if (projektSichtbar)
        gewaehlt = &treProjekt;
    if (routSucheSichtbar)
        gewaehlt = &treRoutSuche;
    return gewaehlt;
}

void StrukturInZwischenablage(const Optionen& o, const std::string& programmTitel, const Baum& sichtbarerBaum,
                              Zwischenablage& zwischenablage, Meldungen& meldungen) {
    const std::string text = StrukturText(sichtbarerBaum);
    zwischenablage.Leeren();
    zwischenablage.TextSetzen(text);
    if (o.MeldungNachClip)
        meldungen.Zeigen("Struktur in der Zwischenablage erstellt", MeldungsSymbol::Information,
                         MeldungsKnoepfe::Ok, programmTitel);
}

} // namespace cb
