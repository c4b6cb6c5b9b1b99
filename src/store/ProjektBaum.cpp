// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ProjektBaum.h"

#include "store/OffenesProjekt.h"
#include "store/ProjektDatenbankVerbindung.h"

#include <limits>
#include <unordered_set>

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

void OffenesProjekt::RoutinenDurchgehen(const std::function<void(const RoutinenZeile&)>& zeile) const {
    // A read that failed half-way leaves routines whose module row was never
    // written; they have no node to hang from, and the tree would fail on
    // them. The few module numbers are looked up here rather than by the
    // query for each of the many routines.
    std::unordered_set<std::int64_t> module;
    for (sql::Anweisung m(Datenbank().Verbindung(), "SELECT mod_num FROM td_mod"); m.Schritt();)
        module.insert(m.Ganzzahl(0));
    sql::Anweisung a(Datenbank().Verbindung(),
                     "SELECT mod_num, rou_num, rou_name, rou_typ, rou_open FROM td_rout "
                     "ORDER BY mod_num, rou_name COLLATE JET, rou_num");
    RoutinenZeile z;
    while (a.Schritt()) {
        z.ModNum = a.Ganzzahl(0);
        if (!module.contains(z.ModNum))
            continue;
        z.RouNum = a.Ganzzahl(1);
        z.Name = a.Text(2);
        z.Typ = a.Ganzzahl(3);
        z.Offen = a.Ganzzahl(4);
        zeile(z);
    }
}

std::vector<BaumKnoten> OffenesProjekt::RoutinenlisteLaden() const {
    std::vector<BaumKnoten> knoten;
    RoutinenDurchgehen([&](const RoutinenZeile& z) {
        knoten.push_back(
            {RoutinenSchluessel(z.RouNum), z.Name, RoutinenBild(z.Typ, z.Offen), ModulSchluessel(z.ModNum)});
    });
    return knoten;
}

} // namespace cb
