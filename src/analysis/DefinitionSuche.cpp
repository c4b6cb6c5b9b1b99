// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/DefinitionSuche.h"

#include "app/Anzeige.h"
#include "app/Meldungen.h"
#include "store/Datensaetze.h"
#include "store/OffenesProjekt.h"
#include "store/ProjektDatenbankVerbindung.h"

namespace cb {

namespace {

// Several rows can match (a Property Get and Let pair, one public name in
// two modules); the first one read, the lowest number, answers, so the jump
// never varies between runs. A routine whose lines a failed read never set
// has nowhere to jump to and does not count.
constexpr const char* ImAktuellenModulSql =
    "SELECT rou_start FROM td_rout "
    "WHERE rou_name = ?1 COLLATE JET AND mod_num = ?2 AND rou_start IS NOT NULL "
    "ORDER BY rou_num LIMIT 1";

constexpr const char* ImProjektSql =
    "SELECT r.rou_start, r.mod_num, m.mod_name FROM td_rout AS r "
    "INNER JOIN td_mod AS m ON r.mod_num = m.mod_num "
    "WHERE r.rou_name = ?1 COLLATE JET AND r.rou_open <> ?2 AND r.rou_start IS NOT NULL "
    "ORDER BY r.rou_num LIMIT 1";

} // namespace

std::optional<DefinitionsSprung> DefinitionAnspringen(const OffenesProjekt& projekt,
                                                      std::int64_t aktModulIndex, Meldungen& meldungen,
                                                      Anzeige& anzeige, const std::string& name) {
    const sql::Verbindung& v = projekt.Datenbank().Verbindung();
    DefinitionsSprung sprung;
    sprung.VorherModulIndex = aktModulIndex;
    sprung.AktModulIndex = aktModulIndex;
    {
        sql::Anweisung a(v, ImAktuellenModulSql);
        a.Binden(1, name);
        a.Binden(2, aktModulIndex + 1);
        if (a.Schritt()) {
            sprung.Zeile = a.Ganzzahl(0);
            anzeige.StatusSetzen(Panel::Routine, name);
            return sprung;
        }
    }
    sql::Anweisung a(v, ImProjektSql);
    a.Binden(1, name);
    a.Binden(2, std::int64_t{OffenPrivate});
    if (!a.Schritt()) {
        meldungen.Melden("Bezeichner unter Cursor nicht erkannt", MeldungsSymbol::Keins);
        return std::nullopt;
    }
    sprung.Zeile = a.Ganzzahl(0);
    sprung.AktModulIndex = a.Ganzzahl(1) - 1;
    sprung.ModulGewechselt = sprung.AktModulIndex != sprung.VorherModulIndex;
    sprung.ModulKnotenMarkieren = true;
    anzeige.StatusSetzen(Panel::Modul, a.Text(2));
    anzeige.StatusSetzen(Panel::Routine, name);
    return sprung;
}

} // namespace cb
