// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Ersetzen.h"
#include "app/Marken.h"
#include "app/Optionen.h"
#include "render/CodeMarkieren.h"
#include "render/RoutinenZeile.h"
#include "render/Schluesselwoerter.h"

#include <cstring>
#include <vector>

namespace cb {

namespace {

class Hervorheber {
public:
    Hervorheber(const Optionen& o, std::string_view K) : m_folge(K), m_rle(o.LeerzeileVorRoutinen) {}

    enum Art { Unveraendert, Ende, Kopf };

    // What the walk makes of a line: a one-line routine is a header that
    // leaves no routine open.
    Art Entscheiden(std::string_view zeile) {
        switch (m_folge.Entscheiden(zeile)) {
        case RoutinenZeilenArt::Keine:
        case RoutinenZeilenArt::OhneArt:
            return Unveraendert;
        case RoutinenZeilenArt::Ende:
            return Ende;
        case RoutinenZeilenArt::Kopf:
        case RoutinenZeilenArt::Einzeiler:
            return Kopf;
        }
        return Unveraendert;
    }

    // Appends the decorated line.
    void Zeile(std::string& out, std::string_view zeile) {
        Art a = Entscheiden(zeile);
        if (a == Kopf && m_rle)
            out += "\r\n";
        if (a != Unveraendert)
            out += MarkeFettAn;
        out += zeile;
        if (a != Unveraendert)
            out += MarkeFettAus;
    }

    bool Innen() const { return m_folge.Innen(); }

private:
    RoutinenFolge m_folge;

public:
    const bool m_rle;
};

} // namespace

std::size_t LogischerZeilenanfang(std::string_view t, std::size_t pos, std::size_t von) {
    while (pos > von) {
        const void* f = memrchr(t.data() + von, '\n', pos - von);
        if (!f)
            return von;
        std::size_t i = static_cast<std::size_t>(static_cast<const char*>(f) - t.data());
        if (i >= 1 && t[i - 1] == '\r' && !(i >= 2 && FortsetzungsStrich(t, i - 2)))
            return i + 1;
        pos = i;
    }
    return von;
}

void RoutinenHervorhebenZusammen(const Optionen& o, std::string& text,
                                 const std::vector<std::size_t>& routinenWorte) {
    if (routinenWorte.empty())
        return;
    // Without body tabs the three walks only touch the lines that hold
    // their keyword, and each walk wraps the line the one before left:
    // so one walk over those lines, with the three decisions in order,
    // gives the same text.
    Hervorheber h[3] = {
        {o, MarkiertesWort("Sub")}, {o, MarkiertesWort("Function")}, {o, MarkiertesWort("Property")}};
    std::string_view t = text;
    std::string out;
    out.reserve(text.size() + routinenWorte.size() * 16 + 64);
    std::size_t kopiert = 0;
    for (std::size_t k : routinenWorte) {
        if (k < kopiert)
            continue; // another routine keyword of a line already done
        std::size_t anfang = LogischerZeilenanfang(t, k, kopiert);
        std::size_t ende = LogischesZeilenende(t, k);
        std::string_view zeile = t.substr(anfang, ende - anfang);
        int huellen = 0, leerzeilen = 0;
        for (Hervorheber& walk : h) {
            Hervorheber::Art a = walk.Entscheiden(zeile);
            huellen += a != Hervorheber::Unveraendert;
            leerzeilen += a == Hervorheber::Kopf && walk.m_rle;
        }
        out.append(t.data() + kopiert, anfang - kopiert);
        for (int i = 0; i < leerzeilen; ++i)
            out += "\r\n";
        for (int i = 0; i < huellen; ++i)
            out += MarkeFettAn;
        out += zeile;
        for (int i = 0; i < huellen; ++i)
            out += MarkeFettAus;
        kopiert = ende;
    }
    out.append(t.data() + kopiert, t.size() - kopiert);
    text = std::move(out);
}

void RoutinenHervorheben(const Optionen& o, std::string& text, std::string_view K) {
    if (Finden(text, K) == std::string::npos)
        return;
    const bool tabs = o.Einruecken && o.RoutinenEinruecken;
    std::string_view t = text;
    std::string out;
    out.reserve(text.size() + text.size() / 8 + 64);
    Hervorheber h(o, K);

    if (!tabs) {
        // Only lines that hold K can change: jump from one to the next.
        std::size_t kopiert = 0;
        for (std::size_t k = Finden(t, K); k != std::string_view::npos; k = Finden(t, K, kopiert)) {
            std::size_t anfang = LogischerZeilenanfang(t, k, kopiert);
            std::size_t ende = LogischesZeilenende(t, k);
            out.append(t.data() + kopiert, anfang - kopiert);
            h.Zeile(out, t.substr(anfang, ende - anfang));
            kopiert = ende;
        }
        out.append(t.data() + kopiert, t.size() - kopiert);
        text = std::move(out);
        return;
    }

    for (std::size_t pos = 0;;) {
        std::size_t ende = LogischesZeilenende(t, pos);
        std::string_view zeile = t.substr(pos, ende - pos);
        bool letzte = ende == t.size();
        std::size_t zeilenStart = out.size();
        h.Zeile(out, zeile);
        std::string_view neu = std::string_view(out).substr(zeilenStart);
        // The framing's empty last line stays empty: a tab there would be
        // left behind when the framing is dropped.
        if (h.Innen() && !neu.starts_with(MarkeFettAn) && !(letzte && neu.empty()))
            out.insert(zeilenStart, 1, '\t');
        if (letzte)
            break;
        out += "\r\n";
        pos = ende + 2;
    }
    text = std::move(out);
}

} // namespace cb
