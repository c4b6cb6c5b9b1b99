// SPDX-License-Identifier: GPL-3.0-or-later
#include "projects/ZuletztListe.h"

#include "app/Allgemein.h"

#include <filesystem>
#include <system_error>

namespace cb {

namespace {

constexpr const char* Abschnitt = "recent";

bool OrdnerDa(const std::string& pfad) {
    std::error_code ec;
    return !pfad.empty() && std::filesystem::is_directory(pfad, ec);
}

void PunktSetzen(ZuletztMenue& menue, std::size_t i, const std::string& pfad) {
    menue[i] = {"&" + std::to_string(i) + " - " + OrdnerNameVon(pfad), pfad, true};
}

} // namespace

std::string OrdnerNameVon(const std::string& pfad) {
    std::string ohne = pfad;
    if (!ohne.empty() && ohne.back() == Trenner)
        ohne.pop_back();
    return DateiName(ohne);
}

void ZuletztLaden(const std::string& einstellungsName, const EinstellungsSpeicher& s, ZuletztMenue& menue) {
    menue = {};
    std::size_t i = 0;
    for (const auto& [schluessel, pfad] : AlleEinstellungen(einstellungsName, s, Abschnitt)) {
        if (i == menue.size())
            break;
        if (OrdnerDa(pfad))
            PunktSetzen(menue, i++, pfad);
    }
}

void ZuletztEintragen(const std::string& einstellungsName, EinstellungsSpeicher& s, ZuletztMenue& menue,
                      const std::string& pfad) {
    EinstellungsPaare alt = AlleEinstellungen(einstellungsName, s, Abschnitt);
    for (std::size_t i = 1; i < menue.size(); ++i)
        menue[i].Sichtbar = false;
    AbschnittLoeschen(einstellungsName, s, Abschnitt);
    EinstellungSchreiben(einstellungsName, s, Abschnitt, "F0", pfad);
    PunktSetzen(menue, 0, pfad);
    std::size_t j = 1;
    for (std::size_t k = 0; k < alt.size() && k < 9; ++k) {
        const std::string& eintrag = alt[k].second;
        // The same folder without its final separator is no other entry.
        if (MitTrenner(eintrag) == MitTrenner(pfad) || !OrdnerDa(eintrag))
            continue;
        EinstellungSchreiben(einstellungsName, s, Abschnitt, "F" + std::to_string(j), eintrag);
        PunktSetzen(menue, j++, eintrag);
    }
}

} // namespace cb
