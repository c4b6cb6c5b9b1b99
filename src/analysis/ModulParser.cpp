// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/ModulParser.h"

#include "analysis/RoutinenAnker.h"
#include "app/Ersetzen.h"
#include "app/Marken.h"
#include "app/Optionen.h"
#include "app/Text.h"
#include "render/RoutinenZeile.h"
#include "render/Schluesselwoerter.h"
#include "store/ModulText.h"
#include "store/ProjektDatenbankVerbindung.h"

#include <algorithm>
#include <stdexcept>

namespace cb {

namespace {

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

// The name is the identifier after the routine's keyword (after Get, Let
// or Set for a Property), also when it is a keyword itself and so marked
// like one. A literal marker character of a name is still protected here;
// it is given back last, so that its "|" is not taken for a marker's.
std::string NameAus(std::string nameText, std::string_view K, bool property) {
    std::size_t k = Finden(nameText, K);
    if (k == std::string::npos) {
        // Only a line another pass took has its keyword after the bracket.
        if (Enthaelt(nameText, MarkeEscape))
            AllesErsetzen(nameText, MarkeEscape, MarkeZeichen);
        std::size_t strich = nameText.rfind('|');
        return strich == std::string::npos ? nameText : nameText.substr(strich + 1);
    }
    std::string_view rest = std::string_view(nameText).substr(k + K.size());
    if (property)
        for (const std::string* art : {&Woerter().get, &Woerter().let, &Woerter().set})
            if (rest.starts_with(*art)) {
                rest.remove_prefix(art->size());
                break;
            }
    if (rest.starts_with(MarkeSchluessel) && rest.ends_with(MarkeNormal)) {
        rest.remove_prefix(MarkeSchluessel.size());
        rest.remove_suffix(MarkeNormal.size());
    }
    std::string name(rest);
    if (Enthaelt(name, MarkeEscape))
        AllesErsetzen(name, MarkeEscape, MarkeZeichen);
    return name;
}

// A line as the source has it, for a message that names it.
std::string AlsQuelltext(std::string_view zeile) {
    std::string s = AnkerAufloesen(zeile, [](const RoutinenAnker&) {});
    for (std::string_view m :
         {MarkeNormal, MarkeKommentar, MarkeSchluessel, MarkeString, MarkeFettAn, MarkeFettAus})
        AllesErsetzen(s, m, "");
    AllesErsetzen(s, MarkeEscape, MarkeZeichen);
    AllesErsetzen(s, "\r\n", " ");
    return std::string(Getrimmt(s, " \t"));
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
          m_tabs(o.Einruecken && o.RoutinenEinruecken), m_folge(K) {}

    // Appends the line as this pass leaves it.
    void Zeile(std::string& out, std::string_view zeile, bool letzte) {
        const std::size_t start = out.size();
        Dekorieren(out, zeile);
        // The framing's empty last line stays empty: a tab there would stay
        // behind at the end of the module text.
        if (m_tabs && m_folge.Innen() && !(letzte && zeile.empty()) &&
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
        const MarkierteWoerter& w = Woerter();
        const RoutinenZeilenArt art = m_folge.Entscheiden(zeile);
        if (art == RoutinenZeilenArt::Keine) {
            out += zeile;
            return;
        }
        if (art == RoutinenZeilenArt::Ende) {
            Umrahmen(out, RoutinenEndeMarke(m_nummer), zeile);
            return;
        }
        const std::int64_t n = ++m_nummer;
        if (art == RoutinenZeilenArt::OhneArt) {
            out += zeile; // broken code; the number stays used up
            return;
        }
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
                throw std::invalid_argument("Deklaration ohne Lib: " + AlsQuelltext(zeile));
            nameText.resize(lib);
        } else {
            r.RouTyp = m_art;
            if (m_art == 99) {
                if (Enthaelt(zeile, w.get))
                    r.RouTyp = TypPropertyGet;
                if (Enthaelt(zeile, w.set))
                    r.RouTyp = TypPropertySet;
                if (Enthaelt(zeile, w.let))
                    r.RouTyp = TypPropertyLet;
            }
            std::size_t klammer = nameText.find('(');
            if (klammer == std::string::npos)
                throw std::invalid_argument("Routinenkopf ohne Klammer: " + AlsQuelltext(zeile));
            nameText.resize(klammer);
        }
        r.RouName = NameAus(std::move(nameText), m_K, m_folge.IstProperty());
        r.AnzDecZeilen = PhysischeZeilen(zeile);
        if (m_rle)
            out += "\r\n";
        // A one-line routine ends where it starts: both anchors go in front.
        std::string anker = RoutinenStartMarke(n);
        if (art == RoutinenZeilenArt::Einzeiler)
            anker += RoutinenEndeMarke(n);
        Umrahmen(out, anker, zeile);
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
    RoutinenFolge m_folge;
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
                RoutinenZeile* r = zeileVon(a.Nummer);
                if (!r)
                    return;
                if (a.Start)
                    r->RouStart = zeile;
                else if (r->RouStart == zeile)
                    r->RouEnde =
                        zeile + r->AnzDecZeilen - 1; // a one-line routine: its End is on its last line
                else
                    r->RouEnde = zeile;
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
