// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Marken.h"
#include "app/Zustand.h"
#include "render/CodeMarkieren.h"
#include "render/Ersetzen.h"
#include "render/Schluesselwoerter.h"

#include <cstring>

namespace cb {

namespace {

bool Enthaelt(std::string_view zeile, std::string_view teil) {
    return Finden(zeile, teil) != std::string_view::npos;
}

struct Markierte {
    std::string exitWort = MarkiertesWort("Exit");
    std::string declare = MarkiertesWort("Declare");
    std::string get = MarkiertesWort("Get");
    std::string set = MarkiertesWort("Set");
    std::string let = MarkiertesWort("Let");
};

const Markierte& Woerter() {
    static const Markierte m;
    return m;
}

// Start of the logical line that holds pos, not before von.
std::size_t ZeilenAnfang(std::string_view t, std::size_t pos, std::size_t von) {
    while (pos > von) {
        const void* f = memrchr(t.data() + von, '\n', pos - von);
        if (!f)
            return von;
        std::size_t i = static_cast<std::size_t>(static_cast<const char*>(f) - t.data());
        if (i >= 1 && t[i - 1] == '\r' && !(i >= 2 && t[i - 2] == '_'))
            return i + 1;
        pos = i;
    }
    return von;
}

class Hervorheber {
public:
    Hervorheber(const Zustand& z, std::string_view K)
        : m_K(K), m_rle(z.LeerzeileVorRoutinen), m_property(K == MarkiertesWort("Property")) {}

    // Appends the decorated line; the flag is the walk's inside-routine state.
    void Zeile(std::string& out, std::string_view zeile) {
        const Markierte& w = Woerter();
        if (!Enthaelt(zeile, m_K) || Enthaelt(zeile, w.exitWort)) {
            out += zeile;
            return;
        }
        if (m_innen) {
            m_innen = false;
            Fett(out, zeile);
            return;
        }
        if (!Enthaelt(zeile, w.declare)) {
            if (m_property && !Enthaelt(zeile, w.get) && !Enthaelt(zeile, w.set) && !Enthaelt(zeile, w.let)) {
                out += zeile;
                return;
            }
            m_innen = true;
        }
        if (m_rle)
            out += "\r\n";
        Fett(out, zeile);
    }

    bool Innen() const { return m_innen; }

private:
    static void Fett(std::string& out, std::string_view zeile) {
        out += MarkeFettAn;
        out += zeile;
        out += MarkeFettAus;
    }

    std::string m_K;
    bool m_rle;
    bool m_property;
    bool m_innen = false;
};

} // namespace

void RoutinenHervorheben(const Zustand& z, std::string& text, std::string_view K) {
    if (Finden(text, K) == std::string::npos)
        return;
    const bool tabs = z.Einruecken && z.RoutinenEinruecken;
    std::string_view t = text;
    std::string out;
    out.reserve(text.size() + text.size() / 8 + 64);
    Hervorheber h(z, K);

    if (!tabs) {
        // Only lines that hold K can change: jump from one to the next.
        std::size_t kopiert = 0;
        for (std::size_t k = Finden(t, K); k != std::string_view::npos; k = Finden(t, K, kopiert)) {
            std::size_t anfang = ZeilenAnfang(t, k, kopiert);
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
