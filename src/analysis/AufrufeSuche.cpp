// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/AufrufeSuche.h"

#include "app/Marken.h"
#include "app/Text.h"
#include "render/RoutinenZeile.h"
#include "render/WortAnPosition.h"
#include "store/ModulText.h"
#include "store/OffenesProjekt.h"
#include "store/ProjektBaum.h"
#include "store/ProjektDatenbankVerbindung.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace cb {

namespace {

std::string Oeffner() {
    return "|" + std::string(MarkeZeichen);
}

// The first occurrence of a marker at or after von. Every marker holds the
// marker character once, and "|" is in every marker two or three times, so
// the scan goes from one marker character to the next.
std::size_t MarkeFinden(std::string_view text, std::string_view marke, std::size_t von) {
    const std::size_t versatz = marke.find(MarkeZeichen);
    const char erstes = MarkeZeichen.front();
    for (std::size_t i = von + versatz; i < text.size();) {
        const void* fund = std::memchr(text.data() + i, erstes, text.size() - i);
        if (!fund)
            return std::string_view::npos;
        const std::size_t k = static_cast<std::size_t>(static_cast<const char*>(fund) - text.data());
        const std::size_t anfang = k - versatz;
        if (anfang + marke.size() <= text.size() &&
            std::equal(marke.begin(), marke.end(), text.begin() + static_cast<std::ptrdiff_t>(anfang)))
            return anfang;
        i = k + 1;
    }
    return std::string_view::npos;
}

// Blanks [von, bis) except the line breaks, a line at a time.
void Leeren(std::string& text, std::size_t von, std::size_t bis) {
    char* p = text.data() + von;
    char* const ende = text.data() + bis;
    while (p < ende) {
        char* cr = static_cast<char*>(std::memchr(p, '\r', static_cast<std::size_t>(ende - p)));
        char* zeilenEnde = cr ? cr : ende;
        std::memset(p, ' ', static_cast<std::size_t>(zeilenEnde - p));
        p = zeilenEnde;
        while (p < ende && (*p == '\r' || *p == '\n'))
            ++p;
    }
}

// The code point that ends just before pos. A byte that is not the end of
// a valid sequence stands for itself, as CodepunktAn reads it.
char32_t ZeichenVor(std::string_view t, std::size_t pos) {
    std::size_t anfang = pos - 1;
    while (anfang > 0 && pos - anfang < 4 && (static_cast<unsigned char>(t[anfang]) & 0xC0) == 0x80)
        --anfang;
    std::size_t laenge = 0;
    char32_t cp = CodepunktAn(t, anfang, laenge);
    if (anfang + laenge == pos)
        return cp;
    return CodepunktAn(t, pos - 1, laenge);
}

bool GanzesWort(std::string_view t, std::size_t h, std::size_t laenge) {
    if (h > 0 && IstWortZeichen(ZeichenVor(t, h)))
        return false;
    std::size_t n = 0;
    return h + laenge >= t.size() || !IstWortZeichen(CodepunktAn(t, h + laenge, n));
}

struct Routine {
    std::int64_t RouNum;
    std::string RouName;
    std::int64_t RouTyp;
    std::int64_t RouOpen;
};

// Which routine each line of one module belongs to, from one query: the
// answer RoutineAnZeile gives line by line (the routine of the lowest
// number whose lines hold it), without a query per hit.
class ZeilenRoutinen {
public:
    ZeilenRoutinen(sql::Anweisung& abfrage, std::int64_t modNum, std::string_view text) {
        // No line can lie beyond the text's last byte; that bounds the table
        // whatever a damaged database says.
        const auto grenze = static_cast<std::int64_t>(text.size()) + 1;
        abfrage.Zuruecksetzen();
        abfrage.Binden(1, modNum);
        std::int64_t letzte = 0;
        std::vector<std::pair<std::int64_t, std::int64_t>> bereiche;
        while (abfrage.Schritt()) {
            const std::int64_t von = std::max<std::int64_t>(abfrage.Ganzzahl(4), 1);
            const std::int64_t bis = std::min(abfrage.Ganzzahl(5), grenze);
            if (von > bis)
                continue;
            m_routinen.push_back(
                {abfrage.Ganzzahl(0), abfrage.Text(1), abfrage.Ganzzahl(2), abfrage.Ganzzahl(3)});
            bereiche.emplace_back(von, bis);
            letzte = std::max(letzte, bis);
        }
        // Lowest number first, so that where routines overlap it wins.
        std::vector<std::size_t> folge(m_routinen.size());
        for (std::size_t i = 0; i < folge.size(); ++i)
            folge[i] = i;
        std::sort(folge.begin(), folge.end(),
                  [&](std::size_t a, std::size_t b) { return m_routinen[a].RouNum < m_routinen[b].RouNum; });
        m_zuordnung.assign(static_cast<std::size_t>(letzte) + 1, -1);
        for (std::size_t i : folge)
            for (std::int64_t l = bereiche[i].first; l <= bereiche[i].second; ++l)
                if (m_zuordnung[static_cast<std::size_t>(l)] < 0)
                    m_zuordnung[static_cast<std::size_t>(l)] = static_cast<std::int32_t>(i);
    }

    const Routine* An(std::int64_t zeile) const {
        if (zeile < 1 || zeile >= static_cast<std::int64_t>(m_zuordnung.size()))
            return nullptr;
        std::int32_t i = m_zuordnung[static_cast<std::size_t>(zeile)];
        return i < 0 ? nullptr : &m_routinen[static_cast<std::size_t>(i)];
    }

private:
    std::vector<Routine> m_routinen;
    std::vector<std::int32_t> m_zuordnung; // by line number; -1 outside every routine
};

class Suche {
public:
    Suche(const OffenesProjekt& projekt, const std::string& name, Baum& baum)
        : m_projekt(projekt), m_name(name), m_baum(baum),
          m_modulZeile(projekt.Datenbank().Verbindung(),
                       "SELECT mod_typ, mod_name, mod_num FROM td_mod WHERE mod_num = ?1"),
          m_routinen(projekt.Datenbank().Verbindung(),
                     "SELECT rou_num, rou_name, rou_typ, rou_open, rou_start, rou_ende FROM td_rout "
                     "WHERE mod_num = ?1 AND rou_start IS NOT NULL AND rou_ende IS NOT NULL") {}

    void Modul(std::int64_t m) {
        std::string t = ModulTextLesen(m_projekt.ProjektPfad(), m);
        MarkierteBereicheLeeren(t);
        const std::string_view tv = t;
        bool modulGeprueft = false;
        bool modulDa = false;
        std::optional<ZeilenRoutinen> routinen;
        std::int64_t zeile = 1;
        std::size_t gezaehltBis = 0;
        for (std::size_t h = tv.find(m_name); h != std::string_view::npos; h = tv.find(m_name, h + 1)) {
            if (!GanzesWort(tv, h, m_name.size()))
                continue;
            zeile +=
                static_cast<std::int64_t>(std::count(tv.begin() + static_cast<std::ptrdiff_t>(gezaehltBis),
                                                     tv.begin() + static_cast<std::ptrdiff_t>(h), '\r'));
            gezaehltBis = h;
            if (!modulGeprueft) {
                modulGeprueft = true;
                modulDa = ModulKnotenAnlegen(m);
            }
            // A text file without its module row (a read that failed half-way)
            // has no node to hang its callers from.
            if (!modulDa)
                continue;
            if (!routinen)
                routinen.emplace(m_routinen, m, tv);
            const Routine* r = routinen->An(zeile);
            if (!r || r->RouNum == m_letzte)
                continue;
            m_letzte = r->RouNum;
            std::string schluessel = RoutinenSchluessel(r->RouNum);
            // Routines overlap only in broken code; listed once all the same.
            if (!m_baum.Finden(schluessel))
                m_baum.Hinzufuegen(std::move(schluessel), r->RouName, RoutinenBild(r->RouTyp, r->RouOpen),
                                   m_modulSchluessel);
        }
    }

private:
    // The node ModulKnotenAnlegen makes, from a statement prepared once for
    // the whole search.
    bool ModulKnotenAnlegen(std::int64_t m) {
        m_modulZeile.Zuruecksetzen();
        m_modulZeile.Binden(1, m);
        if (!m_modulZeile.Schritt())
            return false;
        m_modulSchluessel = ModulSchluessel(m_modulZeile.Ganzzahl(2));
        m_baum.Hinzufuegen(m_modulSchluessel, m_modulZeile.Text(1),
                           "M" + std::to_string(m_modulZeile.Ganzzahl(0)));
        return true;
    }

    const OffenesProjekt& m_projekt;
    const std::string& m_name;
    Baum& m_baum;
    sql::Anweisung m_modulZeile;
    sql::Anweisung m_routinen;
    std::string m_modulSchluessel;
    std::int64_t m_letzte = 0; // kept across modules; routine numbers are unique in the project
};

// Blanks the marked spans that begin in [von, bis).
void BereicheLeeren(std::string& text, std::size_t von, std::size_t bis) {
    static const std::string oeffner = Oeffner();
    const std::size_t fettZeichen = oeffner.size(); // the letter after the marker character
    for (std::size_t p = MarkeFinden(text, oeffner, von); p != std::string::npos && p < bis;
         p = MarkeFinden(text, oeffner, p)) {
        const bool fett = p + fettZeichen < text.size() && text[p + fettZeichen] == 'x';
        const std::string_view schliesser = fett ? MarkeFettAus : MarkeNormal;
        std::size_t e = MarkeFinden(text, schliesser, p);
        // A span left open by a damaged file runs to the end: nothing in it
        // is taken for a call.
        std::size_t ende = e == std::string::npos ? text.size() : e + schliesser.size();
        // Statements beside a routine's header or End, as a one-line
        // routine has them, are its body: they call. A line two passes
        // took has two bold markers in front.
        std::size_t zeile = p;
        while (fett && std::string_view(text).substr(zeile).starts_with(MarkeFettAn))
            zeile += MarkeFettAn.size();
        RoutinenZeilenRumpf rumpf;
        if (fett && e != std::string::npos && zeile <= e)
            rumpf = RumpfDerRoutinenZeile(std::string_view(text).substr(zeile, e - zeile));
        if (rumpf.Von < rumpf.Bis) {
            Leeren(text, p, zeile + rumpf.Von);
            BereicheLeeren(text, zeile + rumpf.Von, zeile + rumpf.Bis);
            Leeren(text, zeile + rumpf.Bis, ende);
        } else {
            Leeren(text, p, ende);
        }
        p = ende;
    }
}

} // namespace

void MarkierteBereicheLeeren(std::string& text) {
    BereicheLeeren(text, 0, text.size());
}

std::optional<AufrufeErgebnis> AufrufeSuchen(const OffenesProjekt& projekt, std::int64_t aktModulNummer,
                                             Meldungen& meldungen, const std::string& name) {
    if (name.empty())
        return std::nullopt;
    std::int64_t rouNum = 0;
    const int k = projekt.RoutineNachName(meldungen, name, aktModulNummer, rouNum);
    if (k == 0)
        return std::nullopt;

    AufrufeErgebnis ergebnis;
    Suche suche(projekt, name, ergebnis.RoutSuche);
    if (k == 1) {
        suche.Modul(aktModulNummer);
    } else {
        for (std::int64_t m = 1; m <= projekt.ModulAnzahl(); ++m)
            suche.Modul(m);
    }
    ergebnis.ListeZeigen = !ergebnis.RoutSuche.Leer();
    if (ergebnis.ListeZeigen)
        ergebnis.Bezeichnung = name;
    return ergebnis;
}

} // namespace cb
