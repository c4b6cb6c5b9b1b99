// SPDX-License-Identifier: GPL-3.0-or-later
// The pane used to be handed an RTF document built by MarkenNachRtf; this
// gives the same picture without RTF in between. It therefore follows that
// conversion step for step, quirks included: where the conversion turns to
// its chain of whole-text replacements (two markers sharing a "|"), so does
// this; a lone CR or LF reaches the RTF as a bare byte, which shows nothing;
// a CR LF split by bold markers that vanish still breaks the line; bytes
// that are not UTF-8 show as the character of their value.
#include "render/CodeAnsicht.h"

#include "app/Marken.h"
#include "app/Text.h"

#include <array>
#include <optional>

namespace cb {

namespace {

// What a marker turns into on the way to the pane, in the order of the
// conversion's chain.
enum Marke : int { Normal, Kommentar, Schluessel, Zeichenkette, FettAn, FettAus };

constexpr std::array<std::string_view, 6> MarkenTexte = {MarkeNormal, MarkeKommentar, MarkeSchluessel,
                                                         MarkeString, MarkeFettAn,    MarkeFettAus};

std::optional<FarbArt> FarbeVon(int marke) {
    switch (marke) {
    case Kommentar:
        return FarbArt::Kommentar;
    case Schluessel:
        return FarbArt::Schluessel;
    case Zeichenkette:
        return FarbArt::String;
    default:
        return std::nullopt;
    }
}

// The marker that starts at i, or -1 (all six are five bytes long).
int MarkeBei(std::string_view t, std::size_t i) {
    if (i + 5 > t.size() || t[i] != '|' || t[i + 4] != '|')
        return -1;
    auto b = [&](std::size_t k) { return static_cast<unsigned char>(t[i + k]); };
    if ((b(1) == 'n' || b(1) == 'y') && b(2) == 0xC5 && b(3) == 0xB8)
        return b(1) == 'n' ? Normal : FettAus;
    if (b(1) != 0xC5 || b(2) != 0xB8)
        return -1;
    switch (b(3)) {
    case 'k':
        return Kommentar;
    case 'f':
        return Schluessel;
    case 's':
        return Zeichenkette;
    case 'x':
        return FettAn;
    default:
        return -1;
    }
}

// ASCII that shows as itself; CR and LF alone show nothing in RTF.
constexpr std::array<bool, 256> Schlicht = [] {
    std::array<bool, 256> k{};
    for (int c = 0; c < 0x80; ++c)
        k[static_cast<std::size_t>(c)] = c != '\r' && c != '\n';
    return k;
}();

void Anfuegen(std::vector<Spanne>& v, Spanne s) {
    if (!v.empty() && v.back().Anfang + v.back().Laenge == s.Anfang)
        v.back().Laenge += s.Laenge;
    else
        v.push_back(s);
}

void Anfuegen(std::vector<FarbSpanne>& v, FarbSpanne s) {
    if (!v.empty() && v.back().Art == s.Art && v.back().Anfang + v.back().Laenge == s.Anfang)
        v.back().Laenge += s.Laenge;
    else
        v.push_back(s);
}

// Takes the document as the conversion writes it: text bytes and the
// control words between them. Text bytes are held back until the next
// control word, because a marker that vanishes (bold off) joins the bytes on
// its two sides, and a UTF-8 sequence may run across it.
class Sammler {
public:
    explicit Sammler(std::size_t groesse) {
        m_a.Text.reserve(groesse);
        m_roh.reserve(256);
    }

    void Roh(std::string_view bytes) { m_roh.append(bytes); }
    void Roh(char c) { m_roh.push_back(c); }
    bool EndetMitCr() const { return !m_roh.empty() && m_roh.back() == '\r'; }

    void Farbe(std::optional<FarbArt> art) {
        Leeren();
        if (art == m_farbe)
            return;
        FarbeSchliessen();
        m_farbe = art;
        m_farbAnfang = m_zeichen;
    }

    void Fett(bool an) {
        Leeren();
        if (an == m_fett)
            return;
        if (m_fett && m_zeichen > m_fettAnfang)
            Anfuegen(m_a.Fett, Spanne{m_fettAnfang, m_zeichen - m_fettAnfang});
        m_fett = an;
        m_fettAnfang = m_zeichen;
    }

    void Absatz() {
        Leeren();
        m_a.Text += '\n';
        ++m_zeichen;
    }

    CodeAnsicht Ende() {
        Farbe(std::nullopt);
        Fett(false);
        return std::move(m_a);
    }

private:
    void FarbeSchliessen() {
        if (m_farbe && m_zeichen > m_farbAnfang)
            Anfuegen(m_a.Farben, FarbSpanne{{m_farbAnfang, m_zeichen - m_farbAnfang}, *m_farbe});
    }

    void Leeren() {
        const std::string_view t = m_roh;
        std::string& text = m_a.Text;
        for (std::size_t i = 0; i < t.size();) {
            std::size_t von = i;
            while (i < t.size() && Schlicht[static_cast<unsigned char>(t[i])])
                ++i;
            text.append(t.data() + von, i - von);
            m_zeichen += i - von;
            if (i == t.size())
                break;
            if (t[i] == '\r' || t[i] == '\n') {
                ++i;
                continue;
            }
            std::size_t laenge;
            char32_t cp = CodepunktAn(t, i, laenge);
            if (laenge > 1)
                text.append(t.data() + i, laenge);
            else
                Utf8Anhaengen(text, cp); // a stray byte: RTF shows the character of its value
            ++m_zeichen;
            i += laenge;
        }
        m_roh.clear();
    }

    CodeAnsicht m_a;
    std::string m_roh;
    std::size_t m_zeichen = 0;
    std::optional<FarbArt> m_farbe;
    std::size_t m_farbAnfang = 0;
    bool m_fett = false;
    std::size_t m_fettAnfang = 0;
};

void MarkeAnwenden(Sammler& s, int marke, bool routinenFett) {
    if (marke == FettAn || marke == FettAus) {
        // Without bold the conversion drops these markers without a trace.
        if (routinenFett)
            s.Fett(marke == FettAn);
        return;
    }
    s.Farbe(FarbeVon(marke));
}

// The chain of whole-text replacements, for text where two markers share a
// "|" and the order of the steps decides. Escapes and tabs are left out:
// they only change how a character is written, and nothing they write can
// form or break a marker. A slot holds a byte (0..255) or a control word.
constexpr int Wort = 256;
constexpr int Absatz = Wort + 6;

void KetteErsetzen(std::vector<int>& v, std::string_view muster, std::optional<int> nach) {
    std::vector<int> aus;
    aus.reserve(v.size());
    for (std::size_t i = 0; i < v.size();) {
        bool passt = i + muster.size() <= v.size();
        for (std::size_t k = 0; passt && k < muster.size(); ++k)
            passt = v[i + k] == static_cast<unsigned char>(muster[k]);
        if (passt) {
            if (nach)
                aus.push_back(*nach);
            i += muster.size();
        } else {
            aus.push_back(v[i++]);
        }
    }
    v = std::move(aus);
}

CodeAnsicht NachKette(std::string_view t, bool routinenFett) {
    std::vector<int> v(t.begin(), t.end());
    for (int& b : v)
        b = static_cast<unsigned char>(b);
    for (int m = Normal; m <= FettAus; ++m) {
        bool verschwindet = (m == FettAn || m == FettAus) && !routinenFett;
        KetteErsetzen(v, MarkenTexte[static_cast<std::size_t>(m)],
                      verschwindet ? std::nullopt : std::optional<int>(Wort + m));
    }
    KetteErsetzen(v, "\r\n", Absatz);
    Sammler s(t.size());
    for (int x : v) {
        if (x < Wort)
            s.Roh(static_cast<char>(x));
        else if (x == Absatz)
            s.Absatz();
        else
            MarkeAnwenden(s, x - Wort, routinenFett);
    }
    return s.Ende();
}

} // namespace

CodeAnsicht CodeAnsichtBilden(std::string_view t, bool routinenFett) {
    constexpr auto npos = std::string_view::npos;
    Sammler s(t.size());
    std::size_t kopiert = 0;
    std::size_t strich = t.find('|'), lf = t.find('\n');
    while (strich != npos || lf != npos) {
        if (lf < strich) {
            // A CR LF, also one whose two halves only bold markers that
            // vanish stand between
            s.Roh(t.substr(kopiert, lf - kopiert));
            kopiert = lf;
            if (s.EndetMitCr()) {
                s.Absatz();
                kopiert = lf + 1;
            }
            lf = t.find('\n', lf + 1);
            continue;
        }
        std::size_t i = strich;
        int marke = MarkeBei(t, i);
        if (marke < 0) {
            strich = t.find('|', i + 1);
            continue;
        }
        if (MarkeBei(t, i + 4) >= 0)
            return NachKette(t, routinenFett);
        s.Roh(t.substr(kopiert, i - kopiert));
        MarkeAnwenden(s, marke, routinenFett);
        kopiert = i + 5;
        strich = t.find('|', kopiert);
    }
    s.Roh(t.substr(kopiert));
    return s.Ende();
}

} // namespace cb
