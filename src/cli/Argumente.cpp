// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Argumente.h"

#include "settings/Optionen.h"

#include <algorithm>

namespace cb::cli {

namespace {

// Only the keys that shape colouring and rendering mean anything here.
const OptionsSchluessel* DarstellungsSchluessel(const std::string& k) {
    const OptionsSchluessel* s = OptionsSchluesselFinden(k);
    return s && s->Darstellung ? s : nullptr;
}

// Stored settings read a value that is no number as 0, as the program always
// has; typed on the command line, such a value is a slip to point out.
bool IstGanzeZahl(const std::string& wert) {
    std::size_t i = wert.starts_with('-') || wert.starts_with('+') ? 1 : 0;
    return i < wert.size() && std::all_of(wert.begin() + static_cast<std::ptrdiff_t>(i), wert.end(),
                                          [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

Aufruf Zerlegen(const std::vector<std::string>& argumente, const std::vector<std::string>& mitWert,
                const std::vector<std::string>& ohneWert) {
    Aufruf a;
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        const std::string& arg = argumente[i];
        if (arg == "--option") {
            if (i + 1 >= argumente.size())
                throw FalscherAufruf("--option braucht SCHLÜSSEL=WERT");
            const std::string& kv = argumente[++i];
            std::size_t gleich = kv.find('=');
            if (gleich == std::string::npos || gleich == 0)
                throw FalscherAufruf("--option braucht SCHLÜSSEL=WERT, nicht '" + kv + "'");
            std::string k = kv.substr(0, gleich);
            const OptionsSchluessel* schluessel = DarstellungsSchluessel(k);
            if (!schluessel)
                throw FalscherAufruf("unbekannter Optionsschlüssel '" + k + "'");
            std::string wert = kv.substr(gleich + 1);
            if (schluessel->Art != OptionsArt::Schrift && !IstGanzeZahl(wert))
                throw FalscherAufruf("--option " + k + " nimmt eine ganze Zahl, nicht '" + wert + "'");
            // A font without a size, or with one that is no size, would give
            // the documents a font of size 0; 1638 points is the largest a
            // word processor offers.
            if (schluessel->Art == OptionsArt::Schrift) {
                const auto komma = wert.rfind(',');
                const std::string groesse =
                    komma == std::string::npos ? std::string() : wert.substr(komma + 1);
                const bool zahl =
                    !groesse.empty() && groesse.size() <= 4 &&
                    std::all_of(groesse.begin(), groesse.end(), [](char c) { return c >= '0' && c <= '9'; });
                if (komma == 0 || !zahl || std::stoi(groesse) < 1 || std::stoi(groesse) > 1638)
                    throw FalscherAufruf("--option " + k +
                                         " nimmt NAME,GRÖSSE mit einer Größe von 1 bis 1638, nicht '" + wert +
                                         "'");
            }
            a.optionen.emplace_back(std::move(k), std::move(wert));
        } else if (arg.size() > 2 && arg.starts_with("--")) {
            std::string name = arg.substr(2);
            if (std::find(mitWert.begin(), mitWert.end(), name) != mitWert.end()) {
                if (i + 1 >= argumente.size())
                    throw FalscherAufruf(arg + " braucht einen Wert");
                a.benannte.emplace_back(name, argumente[++i]);
            } else if (std::find(ohneWert.begin(), ohneWert.end(), name) != ohneWert.end()) {
                a.benannte.emplace_back(name, std::string());
            } else {
                throw FalscherAufruf("unbekannte Option '" + arg + "'");
            }
        } else if (a.befehl.empty()) {
            a.befehl = arg;
        } else {
            a.positionen.push_back(arg);
        }
    }
    if (a.befehl.empty())
        throw FalscherAufruf("kein Befehl angegeben");
    return a;
}

} // namespace cb::cli
