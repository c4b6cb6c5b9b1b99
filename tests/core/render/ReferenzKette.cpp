// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReferenzKette.h"

#include "app/Ersetzen.h"
#include "app/Marken.h"
#include "app/Zustand.h"
#include "render/CodeMarkieren.h"
#include "render/Einruecken.h"
#include "render/Schluesselwoerter.h"

#include <map>
#include <regex>
#include <vector>

namespace cb::referenz {

namespace {

std::vector<std::string> Teilen(const std::string& t, const std::string& trenner) {
    std::vector<std::string> teile;
    std::size_t pos = 0;
    for (;;) {
        std::size_t f = t.find(trenner, pos);
        if (f == std::string::npos) {
            teile.push_back(t.substr(pos));
            return teile;
        }
        teile.push_back(t.substr(pos, f - pos));
        pos = f + trenner.size();
    }
}

std::string Verbinden(const std::vector<std::string>& teile, const std::string& trenner) {
    std::string t;
    for (std::size_t i = 0; i < teile.size(); ++i) {
        if (i)
            t += trenner;
        t += teile[i];
    }
    return t;
}

std::string Leer(std::string s) {
    return AllesErsetzt(s, " ", MarkeLeer);
}

std::string ZeileMarkieren(const std::string& zeile) {
    std::size_t q = zeile.find('"'), a = zeile.find('\'');
    if (q == std::string::npos || (a != std::string::npos && a < q)) {
        if (a == std::string::npos)
            return zeile;
        return zeile.substr(0, a) + std::string(MarkeKommentar) + Leer(zeile.substr(a)) +
               std::string(MarkeNormal);
    }
    if (a != std::string::npos)
        return ZeileMitStringsMarkieren(zeile);
    std::vector<std::string> teile = Teilen(zeile, "\"");
    for (std::size_t k = 0; k < teile.size(); ++k) {
        if (k % 2 == 1) {
            teile[k] = Leer(teile[k]);
        } else if (k == 0) {
            teile[k] += MarkeString;
        } else {
            teile[k] = std::string(MarkeNormal) + teile[k];
            if (k + 1 < teile.size())
                teile[k] += MarkeString;
        }
    }
    std::string out = Verbinden(teile, "\"");
    if (teile.size() % 2 == 0)
        out += MarkeNormal;
    return out;
}

bool Hat(const std::string& s, const std::string& t) {
    return s.find(t) != std::string::npos;
}

std::string RegexWoertlich(std::string_view s) {
    std::string r;
    for (char c : s) {
        if (std::string_view("\\^$.|?*+()[]{}").find(c) != std::string_view::npos)
            r += '\\';
        r += c;
    }
    return r;
}

// The End statement of K at the end of a line's code, matched as a whole.
// Its first group is the colon in front of it when there is one.
const std::regex& EndeMuster(const std::string& K) {
    static std::map<std::string, std::regex> muster;
    auto it = muster.find(K);
    if (it == muster.end()) {
        const std::string zwischen = "(?:[ \\t]|" + RegexWoertlich(MarkeFortsetzung) + ")*";
        const std::string end = RegexWoertlich(MarkiertesWort("End"));
        it =
            muster
                .emplace(K, std::regex("(?:(:)" + zwischen + end + "|(:)End|" + end + ")" + zwischen +
                                       RegexWoertlich(K) + zwischen + "(?:" + RegexWoertlich(MarkeKommentar) +
                                       ".*)?(?:" + RegexWoertlich(MarkeFettAus) + ")*$"))
                .first;
    }
    return it->second;
}

void Hervorheben(const Zustand& z, std::string& text, const std::string& K) {
    if (!Hat(text, K))
        return;
    std::vector<std::string> zeilen = Teilen(text, "\r\n");
    bool innen = false;
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        std::string& zeile = zeilen[i];
        std::smatch ende;
        const bool endeDa = Hat(zeile, K) && std::regex_search(zeile, ende, EndeMuster(K));
        if (Hat(zeile, K) && (!Hat(zeile, MarkiertesWort("Exit")) || endeDa)) {
            if (innen) {
                zeile = std::string(MarkeFettAn) + zeile + std::string(MarkeFettAus);
                innen = false;
            } else {
                bool kopf = true;
                if (!Hat(zeile, MarkiertesWort("Declare"))) {
                    const int gruppe = !endeDa ? 0 : ende[1].matched ? 1 : ende[2].matched ? 2 : 0;
                    const bool einzeiler =
                        gruppe > 0 &&
                        Hat(zeile.substr(0, static_cast<std::size_t>(ende.position(gruppe))), K);
                    if (K == MarkiertesWort("Property") && !Hat(zeile, MarkiertesWort("Get")) &&
                        !Hat(zeile, MarkiertesWort("Set")) && !Hat(zeile, MarkiertesWort("Let")))
                        kopf = false;
                    else if (!einzeiler)
                        innen = true;
                }
                if (kopf)
                    zeile = (z.Opt.LeerzeileVorRoutinen ? "\r\n" : "") + std::string(MarkeFettAn) + zeile +
                            std::string(MarkeFettAus);
            }
        }
        bool letzteLeer = i + 1 == zeilen.size() && zeile.empty();
        if (z.Opt.Einruecken && z.Opt.RoutinenEinruecken && innen && zeile.rfind(MarkeFettAn, 0) != 0 &&
            !letzteLeer)
            zeile = "\t" + zeile;
    }
    text = Verbinden(zeilen, "\r\n");
}

} // namespace

// "_" + CR LF becomes the continuation marker where a blank, a tab or the
// line's start stands before the "_".
static void FortsetzungenErsetzen(std::string& t) {
    std::string out;
    for (std::size_t p = 0;;) {
        std::size_t f = t.find("_\r\n", p);
        if (f == std::string::npos) {
            out.append(t, p);
            break;
        }
        const bool fortsetzung = f == 0 || t[f - 1] == ' ' || t[f - 1] == '\t' || t[f - 1] == '\n';
        out.append(t, p, f - p);
        out += fortsetzung ? std::string(MarkeFortsetzung) : std::string("_\r\n");
        p = f + 3;
    }
    t = std::move(out);
}

std::string CodeMarkierenTransient(const Zustand& z, std::string text) {
    std::string t = "\r\n" + text + "\r\n";
    if (z.Opt.Einruecken)
        t = CodeEinruecken(t);
    if (z.Opt.LeerzeilenEntfernen)
        while (Hat(t, "\r\n\r\n"))
            AllesErsetzen(t, "\r\n\r\n", "\r\n");
    AllesErsetzen(t, MarkeZeichen, MarkeEscape);
    AllesErsetzen(t, "\"\"", MarkeDoppelQuote);
    // The framing's closing line break never continues a statement
    bool offenesEnde = t.ends_with("_\r\n");
    if (offenesEnde)
        t.resize(t.size() - 2);
    FortsetzungenErsetzen(t);
    if (offenesEnde)
        t += "\r\n";
    AllesErsetzen(t, "(", " ( ");
    AllesErsetzen(t, ")", " ) ");
    AllesErsetzen(t, ",", " , ");
    AllesErsetzen(t, "\t", " \t ");

    std::vector<std::string> zeilen = Teilen(t, "\r\n");
    for (std::string& zeile : zeilen)
        zeile = ZeileMarkieren(zeile);
    t = Verbinden(zeilen, "\r\n");

    AllesErsetzen(t, "\r\n", " \r\n ");
    for (std::string_view eintrag : Schluesselwoerter()) {
        std::string w(eintrag);
        std::string e = " " + w + " ";
        std::string markiert =
            " " + std::string(MarkeSchluessel) +
            AllesErsetzt(w, " ", std::string(MarkeNormal) + " " + std::string(MarkeSchluessel)) +
            std::string(MarkeNormal) + " ";
        t = Verbinden(Teilen(t, e), markiert);
    }
    AllesErsetzen(t, MarkeLeer, " ");
    AllesErsetzen(t, " \t ", "\t");
    AllesErsetzen(t, " \r\n ", "\r\n");
    AllesErsetzen(t, " ) ", ")");
    AllesErsetzen(t, " ( ", "(");
    AllesErsetzen(t, " , ", ",");

    Hervorheben(z, t, MarkiertesWort("Sub"));
    Hervorheben(z, t, MarkiertesWort("Function"));
    Hervorheben(z, t, MarkiertesWort("Property"));
    AllesErsetzen(t, MarkeFortsetzung, "_\r\n");
    AllesErsetzen(t, MarkeDoppelQuote, "\"\"");
    t = t.size() >= 4 ? t.substr(2, t.size() - 4) : std::string();
    AllesErsetzen(t, MarkeEscape, MarkeZeichen);
    return t;
}

std::string MarkenNachRtf(const Zustand& z, std::string t) {
    AllesErsetzen(t, "\\", "\\\\");
    AllesErsetzen(t, "{", "\\{");
    AllesErsetzen(t, "}", "\\}");
    AllesErsetzen(t, MarkeNormal, "\\cf0 ");
    AllesErsetzen(t, MarkeKommentar, "\\cf2 ");
    AllesErsetzen(t, MarkeSchluessel, "\\cf1 ");
    AllesErsetzen(t, MarkeString, "\\cf3 ");
    AllesErsetzen(t, "\t", "\\tab ");
    AllesErsetzen(t, MarkeFettAn, z.Opt.RoutinenFett ? "\\b " : "");
    AllesErsetzen(t, MarkeFettAus, z.Opt.RoutinenFett ? "\\b0 " : "");
    AllesErsetzen(t, "\r\n", "\r\n\\par ");
    return t;
}

} // namespace cb::referenz
