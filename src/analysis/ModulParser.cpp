// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/ModulParser.h"

#include "analysis/RoutinenAnker.h"
#include "app/Ersetzen.h"
#include "app/Marken.h"
#include "app/Optionen.h"
#include "render/Schluesselwoerter.h"
#include "store/ModulText.h"
#include "store/ProjektDatenbankVerbindung.h"

#include <algorithm>
#include <stdexcept>

namespace cb {

namespace {

struct Markierte {
    std::string sub = MarkiertesWort("Sub");
    std::string function = MarkiertesWort("Function");
    std::string property = MarkiertesWort("Property");
    std::string exitWort = MarkiertesWort("Exit");
    std::string privateWort = MarkiertesWort("Private");
    std::string friendWort = MarkiertesWort("Friend");
    std::string declare = MarkiertesWort("Declare");
    std::string get = MarkiertesWort("Get");
    std::string set = MarkiertesWort("Set");
    std::string let = MarkiertesWort("Let");
    std::string lib = std::string(MarkeSchluessel) + "Lib";
};

const Markierte& Woerter() {
    static const Markierte m;
    return m;
}

bool Enthaelt(std::string_view zeile, std::string_view teil) {
    return Finden(zeile, teil) != std::string_view::npos;
}

// The name text of a header: the line without continuations, tabs and
// blanks. A continued header is one logical line here, its breaks still in it.
std::string OhneZwischenraum(std::string_view zeile) {
    std::string s;
    s.reserve(zeile.size());
    for (std::size_t i = 0; i < zeile.size(); ++i) {
        char c = zeile[i];
        if (c == '_' && i + 2 < zeile.size() && zeile[i + 1] == '\r' && zeile[i + 2] == '\n') {
            i += 2;
            continue;
        }
        if (c == ' ' || c == '\t')
            continue;
        s += c;
    }
    return s;
}

// The name is what follows the last "|" of the name text, the end of the
// marker in front of it. A literal marker character of a name is still
// protected here; it is given back first, so that its "|" is not taken
// for a marker's.
std::string NameAus(std::string nameText) {
    if (Enthaelt(nameText, MarkeEscape))
        AllesErsetzen(nameText, MarkeEscape, MarkeZeichen);
    std::size_t strich = nameText.rfind('|');
    return strich == std::string::npos ? nameText : nameText.substr(strich + 1);
}

// Physical lines of a logical line: its continuations plus one.
std::int64_t PhysischeZeilen(std::string_view zeile) {
    std::int64_t n = 1;
    for (std::size_t i = 0; i + 2 < zeile.size(); ++i)
        if (zeile[i] == '_' && zeile[i + 1] == '\r' && zeile[i + 2] == '\n')
            ++n;
    return n;
}

class Durchgang {
public:
    Durchgang(ModulZerlegung& ergebnis, const Optionen& o, std::int64_t& routinenNummer, std::string_view K)
        : m_ergebnis(ergebnis), m_rle(o.LeerzeileVorRoutinen), m_nummer(routinenNummer), m_K(K),
          m_art(K == Woerter().sub        ? TypSub
                : K == Woerter().function ? TypFunction
                                          : 99),
          m_tabs(o.Einruecken && o.RoutinenEinruecken) {}

    // Appends the line as this pass leaves it.
    void Zeile(std::string& out, std::string_view zeile, bool letzte) {
        const std::size_t start = out.size();
        Dekorieren(out, zeile);
        // The framing's empty last line stays empty: a tab there would stay
        // behind at the end of the module text.
        if (m_tabs && m_innen && !(letzte && zeile.empty()) &&
            !std::string_view(out).substr(start).starts_with(AnkerZeichen()))
            out.insert(start, 1, '\t');
    }

    bool Tabs() const { return m_tabs; }

private:
    static std::string_view AnkerZeichen() {
        static const std::string s = std::string(MarkeZeichen) + "*";
        return s;
    }

    void Dekorieren(std::string& out, std::string_view zeile) {
        const Markierte& w = Woerter();
        if (!Enthaelt(zeile, m_K) || Enthaelt(zeile, w.exitWort)) {
            out += zeile;
            return;
        }
        if (m_innen) {
            // Whatever line holds the keyword closes the routine; End is not checked.
            m_innen = false;
            Umrahmen(out, RoutinenEndeMarke(m_nummer), zeile);
            return;
        }
        const std::int64_t n = ++m_nummer;
        RoutinenZeile r;
        r.RouNum = n;
        r.ModNum = m_ergebnis.Modul.ModNum;
        r.RouOpen = OffenPublic;
        if (Enthaelt(zeile, w.privateWort))
            r.RouOpen = OffenPrivate;
        if (Enthaelt(zeile, w.friendWort))
            r.RouOpen = OffenFriend;
        std::string nameText = OhneZwischenraum(zeile);
        if (Enthaelt(zeile, w.declare)) {
            r.RouTyp = m_art + 10;
            std::size_t lib = Finden(nameText, w.lib);
            if (lib == std::string::npos)
                throw std::invalid_argument("Deklaration ohne Lib: " + m_ergebnis.Modul.ModName);
            nameText.resize(lib);
        } else {
            r.RouTyp = m_art;
            if (m_art == 99) {
                r.RouTyp = 0;
                if (Enthaelt(zeile, w.get))
                    r.RouTyp = TypPropertyGet;
                if (Enthaelt(zeile, w.set))
                    r.RouTyp = TypPropertySet;
                if (Enthaelt(zeile, w.let))
                    r.RouTyp = TypPropertyLet;
                if (r.RouTyp == 0) {
                    out += zeile; // broken code; the number stays used up
                    return;
                }
            }
            m_innen = true;
            std::size_t klammer = nameText.find('(');
            if (klammer == std::string::npos)
                throw std::invalid_argument("Routinenkopf ohne Klammer: " + m_ergebnis.Modul.ModName);
            nameText.resize(klammer);
        }
        r.RouName = NameAus(std::move(nameText));
        r.AnzDecZeilen = PhysischeZeilen(zeile);
        if (m_rle)
            out += "\r\n";
        Umrahmen(out, RoutinenStartMarke(n), zeile);
        m_ergebnis.Routinen.push_back(std::move(r));
    }

    static void Umrahmen(std::string& out, const std::string& anker, std::string_view zeile) {
        out += anker;
        out += MarkeFettAn;
        out += zeile;
        out += MarkeFettAus;
    }

    ModulZerlegung& m_ergebnis;
    bool m_rle;
    std::int64_t& m_nummer;
    std::string_view m_K;
    int m_art;
    bool m_tabs;
    bool m_innen = false;
};

} // namespace

void ModulParser::RoutinenErmitteln(std::string& text, std::string_view K) {
    if (!Enthaelt(text, K))
        return;
    Durchgang d(m_ergebnis, m_optionen, m_routinenNummer, K);
    std::string_view t = text;
    std::string out;
    out.reserve(text.size() + text.size() / 8 + 64);
    if (!d.Tabs()) {
        // Only lines that hold K can change: jump from one to the next.
        std::size_t kopiert = 0;
        for (std::size_t k = Finden(t, K); k != std::string_view::npos; k = Finden(t, K, kopiert)) {
            std::size_t anfang = LogischerZeilenanfang(t, k, kopiert);
            std::size_t ende = LogischesZeilenende(t, k);
            out.append(t.data() + kopiert, anfang - kopiert);
            d.Zeile(out, t.substr(anfang, ende - anfang), ende == t.size());
            kopiert = ende;
        }
        out.append(t.data() + kopiert, t.size() - kopiert);
    } else {
        for (std::size_t pos = 0;;) {
            std::size_t ende = LogischesZeilenende(t, pos);
            bool letzte = ende == t.size();
            d.Zeile(out, t.substr(pos, ende - pos), letzte);
            if (letzte)
                break;
            out += "\r\n";
            pos = ende + 2;
        }
    }
    text = std::move(out);
}

void ModulParser::ZeilenNummernSetzen(std::string& text) {
    // The passes hand out rising numbers, so the rows are sorted by them;
    // a broken property line uses a number up without a row.
    auto zeileVon = [&](std::int64_t nummer) -> RoutinenZeile* {
        auto& r = m_ergebnis.Routinen;
        auto it = std::lower_bound(r.begin(), r.end(), nummer,
                                   [](const RoutinenZeile& a, std::int64_t n) { return a.RouNum < n; });
        return it != r.end() && it->RouNum == nummer ? &*it : nullptr;
    };
    std::string out;
    out.reserve(text.size());
    std::string_view t = text;
    std::int64_t zeile = 0;
    for (std::size_t pos = 0;;) {
        std::size_t cr = Finden(t, "\r\n", pos);
        std::size_t ende = cr == std::string_view::npos ? t.size() : cr;
        ++zeile;
        std::string_view z = t.substr(pos, ende - pos);
        if (z.starts_with(MarkeZeichen))
            out += AnkerAufloesen(z, [&](const RoutinenAnker& a) {
                if (RoutinenZeile* r = zeileVon(a.Nummer))
                    (a.Start ? r->RouStart : r->RouEnde) = zeile;
            });
        else
            out += z;
        if (cr == std::string_view::npos)
            break;
        out += "\r\n";
        pos = cr + 2;
    }
    // The text ends with the framing's line break, so the piece after it is
    // empty and does not count as a line.
    m_ergebnis.Modul.ModZeilen = zeile - 1;
    text = std::move(out);
}

namespace {

// The rows in the order a reader of the database would have seen them come.
void ZeilenSchreiben(ProjektDatenbankVerbindung& db, const ModulZerlegung& m, bool vollstaendig) {
    for (const RoutinenZeile& r : m.Routinen)
        db.RoutineEinfuegen(r);
    if (!vollstaendig)
        return;
    for (const RoutinenZeile& r : m.Routinen) {
        if (r.RouStart)
            db.RoutinenStartSetzen(r.RouNum, r.RouStart);
        if (r.RouEnde)
            db.RoutinenEndeSetzen(r.RouNum, r.RouEnde);
    }
    db.DeklarationsEndenSetzen(m.Modul.ModNum);
    db.ModulEinfuegen(m.Modul);
}

} // namespace

void ModulSpeichern(ProjektDatenbankVerbindung& db, const std::string& projektPfad, const Optionen& o,
                    const ModulEintrag& modul, std::int64_t& routinenNummer, std::string code) {
    ModulParser parser(o, modul, routinenNummer);
    try {
        CodeMarkieren(o, code, parser);
    } catch (...) {
        // A module that cannot be split keeps the routines found before
        // the fault, as the rows of a read always stay.
        ZeilenSchreiben(db, parser.Ergebnis(), false);
        throw;
    }
    ZeilenSchreiben(db, parser.Ergebnis(), true);
    ModulTextSchreiben(projektPfad, modul.Nummer, code);
}

} // namespace cb
