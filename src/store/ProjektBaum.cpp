// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ProjektBaum.h"

#include "store/OffenesProjekt.h"
#include "store/ProjektDatenbankVerbindung.h"

#include <limits>

namespace cb {

std::string ModulSchluessel(std::int64_t modNum) {
    return "M" + std::to_string(modNum);
}
std::string RoutinenSchluessel(std::int64_t rouNum) {
    return "R" + std::to_string(rouNum);
}

std::string RoutinenBild(std::int64_t rouTyp, std::int64_t rouOpen) {
    return "R" + std::to_string(rouTyp) + "O" + std::to_string(rouOpen);
}

std::int64_t ModulNummerAusSchluessel(std::string_view schluessel) {
    std::int64_t n = 0;
    constexpr std::int64_t grenze = std::numeric_limits<std::int64_t>::max() / 10 - 9;
    for (std::size_t i = 1; i < schluessel.size() && schluessel[i] >= '0' && schluessel[i] <= '9'; ++i) {
        if (n > grenze)
            return 0; // no module has such a number
        n = n * 10 + (schluessel[i] - '0');
    }
    return n;
}

std::vector<BaumKnoten> OffenesProjekt::ModullisteLaden() {
    sql::Anweisung a(Datenbank().Verbindung(), "SELECT mod_typ, mod_name, mod_num FROM td_mod "
                                               "ORDER BY mod_typ, mod_name COLLATE JET, mod_num");
    std::vector<BaumKnoten> knoten;
    while (a.Schritt())
        knoten.push_back(
            {ModulSchluessel(a.Ganzzahl(2)), a.Text(1), "M" + std::to_string(a.Ganzzahl(0)), {}});
    m_modulAnzahl = static_cast<std::int64_t>(knoten.size());
    return knoten;
}

std::vector<BaumKnoten> OffenesProjekt::RoutinenlisteLaden() const {
    // A read that failed half-way leaves routines whose module row was never
    // written; they have no node to hang from, and the tree would fail on them.
    sql::Anweisung a(Datenbank().Verbindung(),
                     "SELECT r.mod_num, r.rou_num, r.rou_name, r.rou_typ, r.rou_open FROM td_rout AS r "
                     "WHERE EXISTS (SELECT 1 FROM td_mod AS m WHERE m.mod_num = r.mod_num) "
                     "ORDER BY r.mod_num, r.rou_name COLLATE JET, r.rou_num");
    std::vector<BaumKnoten> knoten;
    while (a.Schritt())
        knoten.push_back({RoutinenSchluessel(a.Ganzzahl(1)), a.Text(2),
                          RoutinenBild(a.Ganzzahl(3), a.Ganzzahl(4)), ModulSchluessel(a.Ganzzahl(0))});
    return knoten;
}

} // namespace cb
