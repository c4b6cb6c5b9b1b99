// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/OffenesProjekt.h"

#include "app/Meldungen.h"
#include "store/DatenbankFehler.h"
#include "store/Datensaetze.h"
#include "store/ProjektBaum.h"
#include "store/ProjektDatenbankVerbindung.h"

namespace cb {

namespace {

// Overlapping routines exist only in broken code; the lowest number, the
// first one found in the text, answers then, so the answer never varies.
constexpr const char* RoutineAnZeileSql = "SELECT rou_typ, rou_open, rou_name, rou_num FROM td_rout "
                                          "WHERE rou_start <= ?1 AND rou_ende >= ?1 AND mod_num = ?2 "
                                          "ORDER BY rou_num LIMIT 1";

} // namespace

std::optional<RoutineAnZeileErgebnis> OffenesProjekt::RoutineAnZeile(std::int64_t zeile,
                                                                     std::string_view modulSchluessel) const {
    sql::Anweisung a(Datenbank().Verbindung(), RoutineAnZeileSql);
    a.Binden(1, zeile);
    a.Binden(2, ModulNummerAusSchluessel(modulSchluessel));
    if (!a.Schritt())
        return std::nullopt;
    return RoutineAnZeileErgebnis{a.Text(2), a.Ganzzahl(3), static_cast<int>(a.Ganzzahl(0)),
                                  static_cast<int>(a.Ganzzahl(1))};
}

std::string OffenesProjekt::RoutineImStatus(std::int64_t zeile, std::string_view modulSchluessel) const {
    auto r = RoutineAnZeile(zeile, modulSchluessel);
    return r ? r->RouName : std::string();
}

int OffenesProjekt::RoutineNachName(Meldungen& meldungen, const std::string& name,
                                    std::int64_t aktModulNummer, std::int64_t& rouNum) const {
    int typ = 0, offen = 0;
    std::int64_t nummer = 0;
    try {
        sql::Anweisung a(Datenbank().Verbindung(),
                         "SELECT rou_typ, rou_open, rou_num FROM td_rout "
                         "WHERE rou_name = ?1 COLLATE JET AND mod_num = ?2 ORDER BY rou_num LIMIT 1");
        a.Binden(1, name);
        a.Binden(2, aktModulNummer);
        if (!a.Schritt()) {
            meldungen.Melden("Infos zu Routine nicht gefunden", MeldungsSymbol::Warnung);
            return 0;
        }
        typ = static_cast<int>(a.Ganzzahl(0));
        offen = static_cast<int>(a.Ganzzahl(1));
        nummer = a.Ganzzahl(2);
    } catch (const DatenbankFehler&) {
        meldungen.Melden("Routine nicht gefunden", MeldungsSymbol::Keins);
        return 0;
    }
    if (typ == TypPropertyLet || typ == TypPropertyGet || typ == TypPropertySet) {
        meldungen.Melden("Property wird von der Routinensuche nicht unterstützt", MeldungsSymbol::Warnung);
        return 0;
    }
    rouNum = nummer;
    return offen == OffenPrivate ? 1 : 2;
}

std::optional<BaumKnoten> OffenesProjekt::ModulKnotenAnlegen(std::int64_t modNum) const {
    sql::Anweisung a(Datenbank().Verbindung(),
                     "SELECT mod_typ, mod_name, mod_num FROM td_mod WHERE mod_num = ?1");
    a.Binden(1, modNum);
    if (!a.Schritt())
        return std::nullopt;
    return BaumKnoten{ModulSchluessel(a.Ganzzahl(2)), a.Text(1), "M" + std::to_string(a.Ganzzahl(0)), {}};
}

std::optional<std::int64_t> OffenesProjekt::RoutineAnspringen(std::int64_t rouNum) const {
    sql::Anweisung a(Datenbank().Verbindung(), "SELECT rou_start FROM td_rout WHERE rou_num = ?1");
    a.Binden(1, rouNum);
    if (!a.Schritt() || a.IstNull(0))
        return std::nullopt;
    return a.Ganzzahl(0);
}

std::optional<ZoomBereich> OffenesProjekt::RoutineZoomen(std::int64_t zeile,
                                                         std::int64_t aktModulNummer) const {
    const sql::Verbindung& v = Datenbank().Verbindung();
    {
        sql::Anweisung a(
            v, "SELECT rou_start, rou_ende FROM td_rout "
               "WHERE rou_start <= ?1 AND rou_ende >= ?1 AND mod_num = ?2 ORDER BY rou_num LIMIT 1");
        a.Binden(1, zeile);
        a.Binden(2, aktModulNummer);
        if (a.Schritt())
            return ZoomBereich{a.Ganzzahl(0), a.Ganzzahl(1)};
    }
    sql::Anweisung erste(v, "SELECT Min(rou_start) - 1 FROM td_rout WHERE mod_num = ?1");
    erste.Binden(1, aktModulNummer);
    erste.Schritt(); // an aggregate always gives its one row
    if (erste.IstNull(0)) {
        // A module without routines is all declarations: the whole module
        // is shown, where a minimum of no rows would give no line at all.
        sql::Anweisung m(v, "SELECT mod_zeilen FROM td_mod WHERE mod_num = ?1");
        m.Binden(1, aktModulNummer);
        if (!m.Schritt() || m.IstNull(0) || m.Ganzzahl(0) < 1)
            return std::nullopt;
        return ZoomBereich{1, m.Ganzzahl(0)};
    }
    if (erste.Ganzzahl(0) < 1)
        return std::nullopt; // the first routine starts on line 1: no declarations
    return ZoomBereich{1, erste.Ganzzahl(0)};
}

} // namespace cb
