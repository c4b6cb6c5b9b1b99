// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/RoutinenZeile.h"

#include "app/Ersetzen.h"
#include "app/Marken.h"
#include "render/Schluesselwoerter.h"

#include <algorithm>

namespace cb {

namespace {

bool Enthaelt(std::string_view zeile, std::string_view teil) {
    return Finden(zeile, teil) != std::string_view::npos;
}

// Moves e back over blanks, tabs and continuations ("_" CR LF), which may
// stand between the words of a statement.
std::size_t ZwischenraumZurueck(std::string_view z, std::size_t e) {
    for (;;) {
        if (e > 0 && (z[e - 1] == ' ' || z[e - 1] == '\t'))
            --e;
        else if (e >= 3 && z.substr(e - 3, 3) == "_\r\n")
            e -= 3;
        else
            return e;
    }
}

} // namespace

const MarkierteWoerter& Woerter() {
    static const MarkierteWoerter m;
    return m;
}

RoutinenFolge::RoutinenFolge(std::string_view K) : m_K(K), m_property(K == Woerter().property) {}

RoutinenZeilenArt RoutinenFolge::Entscheiden(std::string_view zeile) {
    const MarkierteWoerter& w = Woerter();
    if (!Enthaelt(zeile, m_K))
        return RoutinenZeilenArt::Keine;
    const auto ende = EndeAmSchluss(zeile, m_K);
    // An Exit line is no routine line, unless the routine's End follows it
    if (!ende && Enthaelt(zeile, w.exitWort))
        return RoutinenZeilenArt::Keine;
    if (m_innen) {
        // Whatever line holds the keyword closes the routine; End is not checked.
        m_innen = false;
        return RoutinenZeilenArt::Ende;
    }
    if (Enthaelt(zeile, w.declare))
        return RoutinenZeilenArt::Kopf;
    if (m_property && !Enthaelt(zeile, w.get) && !Enthaelt(zeile, w.set) && !Enthaelt(zeile, w.let))
        return RoutinenZeilenArt::OhneArt;
    if (ende && ende->Doppelpunkt != std::string_view::npos &&
        Enthaelt(zeile.substr(0, ende->Doppelpunkt), m_K))
        return RoutinenZeilenArt::Einzeiler;
    m_innen = true;
    return RoutinenZeilenArt::Kopf;
}

std::optional<EndeAnweisung> EndeAmSchluss(std::string_view z, std::string_view K) {
    std::size_t e = Finden(z, MarkeKommentar);
    if (e == std::string_view::npos) {
        // A line an earlier pass took ends with its bold marker
        e = z.size();
        while (z.substr(0, e).ends_with(MarkeFettAus))
            e -= MarkeFettAus.size();
    }
    e = ZwischenraumZurueck(z, e);
    if (!z.substr(0, e).ends_with(K))
        return std::nullopt;
    e = ZwischenraumZurueck(z, e - K.size());
    EndeAnweisung a;
    const std::string_view vorher = z.substr(0, e);
    if (vorher.ends_with(Woerter().endWort)) {
        a.Anfang = e - Woerter().endWort.size();
        const std::size_t d = ZwischenraumZurueck(z, a.Anfang);
        if (d > 0 && z[d - 1] == ':')
            a.Doppelpunkt = d - 1;
        return a;
    }
    // Right after a colon End is glued to it and stays unmarked
    if (vorher.ends_with(":End")) {
        a.Anfang = e - 3;
        a.Doppelpunkt = e - 4;
        return a;
    }
    return std::nullopt;
}

RoutinenZeilenRumpf RumpfDerRoutinenZeile(std::string_view z) {
    const MarkierteWoerter& w = Woerter();
    const std::string* woerter[] = {&w.sub, &w.function, &w.property};
    RoutinenZeilenRumpf r{0, z.size()};
    for (const std::string* K : woerter)
        if (const auto ende = EndeAmSchluss(z, *K)) {
            r.Bis = ende->Doppelpunkt != std::string_view::npos ? ende->Doppelpunkt : 0;
            break;
        }
    std::size_t kopf = std::string_view::npos;
    for (const std::string* K : woerter)
        kopf = std::min(kopf, Finden(z.substr(0, r.Bis), *K));
    if (kopf == std::string_view::npos)
        return r;
    // The header ends at the first colon outside its brackets and strings.
    r.Von = r.Bis;
    int tiefe = 0;
    bool klammer = false;
    for (std::size_t i = kopf; i < r.Bis; ++i) {
        if (z.substr(i).starts_with(MarkeString)) {
            const std::size_t s = Finden(z, MarkeNormal, i);
            if (s == std::string_view::npos || s >= r.Bis)
                break;
            i = s + MarkeNormal.size() - 1;
        } else if (z[i] == '(') {
            ++tiefe;
            klammer = true;
        } else if (z[i] == ')') {
            --tiefe;
        } else if (z[i] == ':' && tiefe == 0 && klammer) {
            r.Von = i + 1;
            break;
        }
    }
    return r;
}

} // namespace cb
