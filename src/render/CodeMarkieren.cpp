// SPDX-License-Identifier: GPL-3.0-or-later
// The colouring works in one pass over the text. It gives exactly the result
// of the classic chain of whole-text replacements (pad brackets, commas and
// tabs with blanks, protect blanks in comments and strings, replace each
// keyword between blanks, undo the padding): tokens are the runs between
// blanks of that padded text, so here a token ends at a blank, a bracket, a
// comma, a tab or a line end, and a token glued to a string or comment is
// never a keyword. The tests hold a literal form of the chain and compare.
#include "render/CodeMarkieren.h"

#include "app/Marken.h"
#include "app/Optionen.h"
#include "render/Einruecken.h"
#include "render/Schluesselwoerter.h"

#include <array>
#include <cstring>

namespace cb {

namespace {

enum Klasse : unsigned char { Wortzeichen, Blank, Trennzeichen, Quote, Apostroph, Cr, MarkeStart };

constexpr std::array<Klasse, 256> Klassen = [] {
    std::array<Klasse, 256> k{};
    k[' '] = Blank;
    k['('] = Trennzeichen;
    k[')'] = Trennzeichen;
    k[','] = Trennzeichen;
    k['\t'] = Trennzeichen;
    k['"'] = Quote;
    k['\''] = Apostroph;
    k['\r'] = Cr;
    k[0xC5] = MarkeStart; // first byte of the marker character U+0178
    return k;
}();

// Characters that can end a run inside a string or comment.
constexpr std::array<bool, 256> Innen = [] {
    std::array<bool, 256> k{};
    k['\r'] = k['"'] = k[0xC5] = true;
    return k;
}();

bool IstMarkeZeichen(std::string_view t, std::size_t i) {
    return i + 1 < t.size() && static_cast<unsigned char>(t[i]) == 0xC5 &&
           static_cast<unsigned char>(t[i + 1]) == 0xB8;
}

bool IstZeilenumbruch(std::string_view t, std::size_t i) {
    return i + 1 < t.size() && t[i] == '\r' && t[i + 1] == '\n';
}

// A CR LF right after "_" continues the statement instead of ending the
// line. The one that ends the framed text is the framing's own: taken for a
// continuation it would pull the last line's closing marker into the part
// that is dropped with the framing.
bool IstFortsetzung(std::string_view t, std::size_t i) {
    return i > 0 && FortsetzungsStrich(t, i - 1) && i + 2 < t.size();
}

// What may follow the last word of a keyword phrase for it to count.
bool IstWortGrenze(std::string_view t, std::size_t i) {
    if (i >= t.size())
        return true;
    Klasse k = Klassen[static_cast<unsigned char>(t[i])];
    return k == Blank || k == Trennzeichen || IstZeilenumbruch(t, i);
}

struct Phrase {
    std::string_view rest; // what follows "Option"
    int eintrag;
};
constexpr Phrase Phrasen[] = {
    {" Base 1", 0}, {" Private Module", 1}, {" Explicit", 2}, {" Compare Text", 3}, {" Compare Database", 4}};

enum class Zustandsart { Code, Zeichenkette, Kommentar };

class Markierer {
public:
    Markierer(std::string_view text, std::string& out, std::vector<std::size_t>* routinenWorte)
        : m_t(text), m_out(out), m_routinenWorte(routinenWorte) {}

    bool Laufen() {
        const std::size_t n = m_t.size();
        while (m_i < n) {
            unsigned char c = static_cast<unsigned char>(m_t[m_i]);
            Klasse k = Klassen[c];
            if (m_art != Zustandsart::Code) {
                InnenZeichen(k);
                continue;
            }
            switch (k) {
            case Wortzeichen:
                if (m_wortStart == npos)
                    m_wortStart = m_i;
                ++m_i;
                while (m_i < n && Klassen[static_cast<unsigned char>(m_t[m_i])] == Wortzeichen)
                    ++m_i;
                break;
            case Blank:
                // A keyword phrase goes on past this blank and moves the scan
                if (!WortEnde(false))
                    ++m_i;
                break;
            case Trennzeichen:
                WortEnde(false);
                m_vorigerTreffer = -1;
                ++m_i;
                break;
            case Quote:
                QuoteFolge();
                break;
            case Apostroph:
                WortEnde(true);
                Ausgeben(m_i);
                m_out += MarkeKommentar;
                m_art = Zustandsart::Kommentar;
                ++m_i;
                break;
            case Cr:
                if (!IstZeilenumbruch(m_t, m_i)) {
                    if (m_wortStart == npos)
                        m_wortStart = m_i;
                    ++m_i;
                } else if (IstFortsetzung(m_t, m_i)) {
                    WortEnde(false); // the continuation stands for one blank
                    m_i += 2;
                } else {
                    WortEnde(false);
                    ZeilenEnde();
                }
                break;
            case MarkeStart:
                if (m_wortStart == npos)
                    m_wortStart = m_i;
                if (IstMarkeZeichen(m_t, m_i))
                    Schuetzen();
                else
                    ++m_i;
                break;
            }
        }
        WortEnde(false);
        Ausgeben(n);
        if (m_art != Zustandsart::Code)
            m_out += MarkeNormal;
        return m_hatEscape;
    }

private:
    static constexpr std::size_t npos = std::string_view::npos;

    void Ausgeben(std::size_t bis) {
        m_out.append(m_t.data() + m_kopiert, bis - m_kopiert);
        m_kopiert = bis;
    }

    void Schuetzen() {
        Ausgeben(m_i);
        m_out += MarkeEscape;
        m_i += 2;
        m_kopiert = m_i;
        m_hatEscape = true;
    }

    void ZeilenEnde() {
        if (m_art != Zustandsart::Code) {
            Ausgeben(m_i);
            m_out += MarkeNormal;
            m_art = Zustandsart::Code;
        }
        m_vorigerTreffer = -1;
        m_angeklebt = false;
        m_i += 2;
    }

    // Inside a comment or a string only the line end, quotes (in strings)
    // and the marker character matter.
    void InnenZeichen(Klasse k) {
        if (k == Cr && IstZeilenumbruch(m_t, m_i) && !IstFortsetzung(m_t, m_i)) {
            ZeilenEnde();
        } else if (k == Quote && m_art == Zustandsart::Zeichenkette) {
            QuoteFolge();
        } else if (k == MarkeStart && IstMarkeZeichen(m_t, m_i)) {
            Schuetzen();
        } else {
            // Skip to the next character that can matter here
            ++m_i;
            while (m_i < m_t.size() && !Innen[static_cast<unsigned char>(m_t[m_i])])
                ++m_i;
        }
    }

    // Doubled quotes are ordinary characters; an odd quote at the end of a
    // run opens or closes a string.
    void QuoteFolge() {
        std::size_t r = 1;
        while (m_i + r < m_t.size() && m_t[m_i + r] == '"')
            ++r;
        if (r % 2 == 0) {
            if (m_art == Zustandsart::Code && m_wortStart == npos)
                m_wortStart = m_i;
            m_i += r;
            return;
        }
        std::size_t einzeln = m_i + r - 1;
        if (m_art == Zustandsart::Code) {
            if (r > 1 && m_wortStart == npos)
                m_wortStart = m_i;
            WortEnde(true);
            Ausgeben(einzeln);
            m_out += MarkeString;
            m_art = Zustandsart::Zeichenkette;
            m_vorigerTreffer = -1;
        } else {
            Ausgeben(einzeln + 1);
            m_out += MarkeNormal;
            m_art = Zustandsart::Code;
            m_angeklebt = true;
        }
        m_i = einzeln + 1;
    }

    // Ends the current token; true when a keyword phrase took the scan past it.
    bool WortEnde(bool klebtRechts) {
        if (m_wortStart == npos) {
            m_angeklebt = false;
            return false;
        }
        std::size_t start = m_wortStart, ende = m_i;
        m_wortStart = npos;
        bool angeklebt = m_angeklebt || klebtRechts;
        m_angeklebt = false;
        int treffer = -1;
        if (!angeklebt && m_t[start] >= 'A' && m_t[start] <= 'Z') {
            std::string_view wort = m_t.substr(start, ende - start);
            if (wort == "Option" && Phrase_(start, ende))
                return true;
            int idx = SchluesselwortIndex(wort);
            bool geteilterBlank = m_vorigerTreffer == idx && start == m_vorigesEnde + 1;
            if (idx >= 0 && !geteilterBlank) {
                Ausgeben(start);
                if (m_routinenWorte && IstRoutinenWort(idx))
                    m_routinenWorte->push_back(m_out.size());
                m_out += MarkeSchluessel;
                m_out += wort;
                m_out += MarkeNormal;
                m_kopiert = ende;
                treffer = idx;
            }
        }
        m_vorigerTreffer = treffer;
        m_vorigesEnde = ende;
        return false;
    }

    bool Phrase_(std::size_t start, std::size_t ende) {
        for (const Phrase& p : Phrasen) {
            if (m_t.substr(ende, p.rest.size()) != p.rest || !IstWortGrenze(m_t, ende + p.rest.size()))
                continue;
            if (m_vorigerTreffer == p.eintrag && start == m_vorigesEnde + 1)
                return false; // the blank before it went to the same phrase
            std::size_t phraseEnde = ende + p.rest.size();
            Ausgeben(start);
            std::string_view woerter = m_t.substr(start, phraseEnde - start);
            m_out += MarkeSchluessel;
            for (char c : woerter) {
                if (c == ' ') {
                    m_out += MarkeNormal;
                    m_out += ' ';
                    m_out += MarkeSchluessel;
                } else {
                    m_out += c;
                }
            }
            m_out += MarkeNormal;
            m_kopiert = phraseEnde;
            m_i = phraseEnde;
            m_vorigerTreffer = p.eintrag;
            m_vorigesEnde = phraseEnde;
            return true;
        }
        return false;
    }

    static bool IstRoutinenWort(int idx) {
        static const int sub = SchluesselwortIndex("Sub"), function = SchluesselwortIndex("Function"),
                         property = SchluesselwortIndex("Property");
        return idx == sub || idx == function || idx == property;
    }

    std::string_view m_t;
    std::string& m_out;
    std::vector<std::size_t>* m_routinenWorte;
    std::size_t m_i = 0;
    std::size_t m_kopiert = 0;
    std::size_t m_wortStart = npos;
    bool m_angeklebt = false; // the next token starts right after a string
    int m_vorigerTreffer = -1;
    std::size_t m_vorigesEnde = 0;
    Zustandsart m_art = Zustandsart::Code;
    bool m_hatEscape = false;
};

void LeerzeilenZusammenziehen(std::string& t) {
    if (t.find("\r\n\r\n") == std::string::npos)
        return;
    std::string out;
    out.reserve(t.size());
    for (std::size_t i = 0; i < t.size();) {
        if (IstZeilenumbruch(t, i)) {
            out += "\r\n";
            i += 2;
            while (IstZeilenumbruch(t, i))
                i += 2;
        } else {
            out += t[i++];
        }
    }
    t = std::move(out);
}

const std::string& MarkiertSub() {
    static const std::string s = MarkiertesWort("Sub");
    return s;
}
const std::string& MarkiertFunction() {
    static const std::string s = MarkiertesWort("Function");
    return s;
}
const std::string& MarkiertProperty() {
    static const std::string s = MarkiertesWort("Property");
    return s;
}

} // namespace

namespace detail {

std::string Eingerahmt(const Optionen& o, std::string_view text) {
    std::string t;
    t.reserve(text.size() + 4);
    t += "\r\n";
    t += text;
    t += "\r\n";
    if (o.Einruecken)
        t = CodeEinruecken(t);
    if (o.LeerzeilenEntfernen)
        LeerzeilenZusammenziehen(t);
    return t;
}

std::string Markiert(std::string_view framed, bool& hatEscape, std::vector<std::size_t>* routinenWorte) {
    std::string out;
    out.reserve(framed.size() + framed.size() / 4 + 64);
    hatEscape = Markierer(framed, out, routinenWorte).Laufen();
    return out;
}

void RahmenEntfernen(std::string& text, bool auchHinten) {
    text.erase(0, std::min<std::size_t>(2, text.size()));
    if (auchHinten)
        text.resize(text.size() - std::min<std::size_t>(2, text.size()));
}

void EscapeAufloesen(std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t p = 0;;) {
        std::size_t f = text.find(MarkeEscape, p);
        out.append(text, p, f == std::string::npos ? std::string::npos : f - p);
        if (f == std::string::npos)
            break;
        out += MarkeZeichen;
        p = f + MarkeEscape.size();
    }
    text = std::move(out);
}

} // namespace detail

std::size_t LogischesZeilenende(std::string_view t, std::size_t pos) {
    for (;;) {
        const void* f = std::memchr(t.data() + pos, '\r', t.size() - pos);
        if (!f)
            return t.size();
        std::size_t i = static_cast<std::size_t>(static_cast<const char*>(f) - t.data());
        if (IstZeilenumbruch(t, i) && !IstFortsetzung(t, i))
            return i;
        pos = i + 1;
    }
}

void CodeMarkieren(const Optionen& o, std::string& text) {
    bool hatEscape = false;
    std::vector<std::size_t> routinenWorte;
    std::string t = detail::Markiert(detail::Eingerahmt(o, text), hatEscape, &routinenWorte);
    if (o.Einruecken && o.RoutinenEinruecken) {
        RoutinenHervorheben(o, t, MarkiertSub());
        RoutinenHervorheben(o, t, MarkiertFunction());
        RoutinenHervorheben(o, t, MarkiertProperty());
    } else {
        RoutinenHervorhebenZusammen(o, t, routinenWorte);
    }
    detail::RahmenEntfernen(t, true);
    if (hatEscape)
        detail::EscapeAufloesen(t);
    text = std::move(t);
}

void CodeMarkieren(const Optionen& o, std::string& text, RoutinenErfassung& parser) {
    bool hatEscape = false;
    std::string t = detail::Markiert(detail::Eingerahmt(o, text), hatEscape);
    parser.RoutinenErmitteln(t, MarkiertSub());
    parser.RoutinenErmitteln(t, MarkiertFunction());
    parser.RoutinenErmitteln(t, MarkiertProperty());
    // The anchors are read while literal marker characters are still
    // protected, so a source line that looks like an anchor stays text.
    detail::RahmenEntfernen(t, false);
    parser.ZeilenNummernSetzen(t);
    if (hatEscape)
        detail::EscapeAufloesen(t);
    text = std::move(t);
}

} // namespace cb
