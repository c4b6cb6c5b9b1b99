// SPDX-License-Identifier: GPL-3.0-or-later
#include "steuerung/Suche.h"

#include "app/Text.h"
#include "render/WortAnPosition.h"
#include "steuerung/Zoom.h"

#include <limits>

namespace cb {

namespace {

// Code points of the text with letter case folded. KleinGefaltet folds code
// point by code point, so the folded text has as many characters as the
// original and offsets carry over.
std::u32string Zeichen(std::string_view text) {
    std::string gefaltet = KleinGefaltet(text);
    std::u32string out;
    out.reserve(gefaltet.size());
    for (std::size_t i = 0, n; i < gefaltet.size(); i += n)
        out.push_back(CodepunktAn(gefaltet, i, n));
    return out;
}

bool AlleinStehend(const std::u32string& t, std::size_t pos, std::size_t laenge) {
    if (pos > 0 && IstWortZeichen(t[pos - 1]))
        return false;
    return pos + laenge >= t.size() || !IstWortZeichen(t[pos + laenge]);
}

std::optional<std::size_t> Finden(const std::u32string& t, const std::u32string& s, std::size_t start,
                                  bool ganzesWort) {
    if (s.empty())
        return std::nullopt;
    for (std::size_t pos = start; pos < t.size(); ++pos) {
        pos = t.find(s, pos);
        if (pos == std::u32string::npos)
            return std::nullopt;
        if (!ganzesWort || AlleinStehend(t, pos, s.size()))
            return pos;
    }
    return std::nullopt;
}

std::string Meldungstext(SuchArt art, bool projektweit) {
    if (projektweit)
        return art == SuchArt::VomAnfang ? "Der Suchtext wurde im gesamten Projekt nicht gefunden"
                                         : "Der Suchtext wurde nicht gefunden";
    if (art == SuchArt::VomAnfang)
        return "Der Suchtext\r\nwurde im Modul nicht gefunden .\r\n";
    return "Der Suchtext\r\nwurde ausgehend von  der letzten Position \r\nim Modul nicht gefunden .\r\n";
}

class PaneSuche {
public:
    PaneSuche(const SuchEingabe& e, std::u32string suche) : m_e(e), m_suche(std::move(suche)) {}

    std::optional<SuchTreffer> In(std::size_t bereich, std::size_t start) const {
        if (bereich >= m_e.Texte.size())
            return std::nullopt;
        const std::string& text = m_e.Texte[bereich];
        std::optional<std::size_t> pos = Finden(Zeichen(text), m_suche, start, m_e.GanzesWort);
        if (!pos)
            return std::nullopt;
        return SuchTreffer{bereich, *pos, m_suche.size(), ZeileAnOffset(text, *pos)};
    }

    /// Panes von..bis (inclusive) from the start offset every pane but the
    /// visible one is searched from.
    std::optional<SuchTreffer> Reihe(std::size_t von, std::size_t bis) const {
        for (std::size_t i = von; i <= bis && i < m_e.Texte.size(); ++i)
            if (auto t = In(i, ErsterStart))
                return t;
        return std::nullopt;
    }

    // The first character of a module is deliberately never searched: both
    // commands start at offset 1.
    static constexpr std::size_t ErsterStart = 1;

private:
    const SuchEingabe& m_e;
    std::u32string m_suche;
};

std::optional<SuchTreffer> Durchsuchen(SuchArt art, const SuchEingabe& e, const PaneSuche& s) {
    const std::size_t sichtbar = e.Sichtbar;
    if (art == SuchArt::VomAnfang) {
        if (!e.Projektweit)
            return s.In(sichtbar, PaneSuche::ErsterStart);
        return e.Texte.empty() ? std::nullopt : s.Reihe(0, e.Texte.size() - 1);
    }
    // A caret at the very end cannot step past itself.
    constexpr std::size_t grenze = std::numeric_limits<std::size_t>::max();
    const std::size_t start = e.Caret < grenze ? e.Caret + 1 : e.Caret;
    if (auto t = s.In(sichtbar, start))
        return t;
    if (!e.Projektweit || e.Texte.empty())
        return std::nullopt;
    if (auto t = sichtbar < e.Texte.size() ? s.Reihe(sichtbar + 1, e.Texte.size() - 1) : std::nullopt)
        return t;
    // The wrap-around includes the visible module from its start, which
    // finds what lies before the caret.
    return s.Reihe(0, sichtbar);
}

} // namespace

std::optional<std::size_t> TextFinden(std::string_view text, std::string_view suche, std::size_t start,
                                      bool ganzesWort) {
    return Finden(Zeichen(text), Zeichen(suche), start, ganzesWort);
}

std::string SuchtextGetrimmt(std::string_view text) {
    std::size_t a = text.find_first_not_of(' ');
    if (a == std::string_view::npos)
        return {};
    std::size_t b = text.find_last_not_of(' ');
    return std::string(text.substr(a, b - a + 1));
}

std::optional<std::string> AuswahlNachSuche(std::string_view auswahl) {
    if (auswahl.empty())
        return std::nullopt;
    return SuchtextGetrimmt(auswahl);
}

SuchErgebnis Suchen(SuchArt art, const SuchEingabe& e) {
    SuchErgebnis r;
    if (auto sperre =
            ZoomSperre(art == SuchArt::VomAnfang ? Befehl::Suchen : Befehl::SuchenWeiter, e.ZoomAn)) {
        r.Feld = std::string(e.Feld);
        r.Meldung = std::move(sperre);
        return r;
    }
    r.Feld = SuchtextGetrimmt(e.Feld);
    if (r.Feld.empty())
        return r;
    PaneSuche suche(e, Zeichen(r.Feld));
    r.Treffer = Durchsuchen(art, e, suche);
    if (!r.Treffer)
        r.Meldung = Hinweis{Meldungstext(art, e.Projektweit), MeldungsSymbol::Warnung};
    return r;
}

} // namespace cb
