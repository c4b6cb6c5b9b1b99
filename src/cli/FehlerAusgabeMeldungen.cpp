// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/FehlerAusgabeMeldungen.h"

#include "app/Text.h"

#include <ostream>

namespace cb::cli {

MeldungsAntwort FehlerAusgabeMeldungen::Zeigen(const std::string& text, MeldungsSymbol,
                                               MeldungsKnoepfe knoepfe, const std::string&) {
    m_gemeldet = true;
    std::string zeilen = ZeilenumbruecheNachCrLf(text);
    std::string ausgabe;
    ausgabe.reserve(zeilen.size());
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        if (zeilen[i] == '\r' && i + 1 < zeilen.size() && zeilen[i + 1] == '\n')
            continue;
        ausgabe += zeilen[i];
    }
    m_fehler << ausgabe << '\n';
    switch (knoepfe) {
    case MeldungsKnoepfe::Ok:
        return MeldungsAntwort::Ok;
    case MeldungsKnoepfe::OkAbbrechen:
    case MeldungsKnoepfe::JaNeinAbbrechen:
        return MeldungsAntwort::Abbrechen;
    case MeldungsKnoepfe::JaNein:
        return MeldungsAntwort::Nein;
    }
    return MeldungsAntwort::Ok;
}

} // namespace cb::cli
