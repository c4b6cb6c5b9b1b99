// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/Einruecken.h"

#include "app/Text.h"

#include <vector>

namespace cb {

namespace {

bool EndetMitFortsetzung(std::string_view z) {
    return z.ends_with(" _");
}

// The statement without a trailing comment: the first apostrophe outside a
// string, from the left, starts it (an apostrophe inside the comment, as in
// "it's", must not be taken for its start).
std::string_view OhneKommentar(std::string_view anweisung) {
    bool imString = false;
    for (std::size_t i = 0; i < anweisung.size(); ++i) {
        char c = anweisung[i];
        if (c == '"')
            imString = !imString;
        else if (c == '\'' && !imString)
            return Getrimmt(anweisung.substr(0, i));
    }
    return anweisung;
}

std::vector<std::string_view> Zeilen(std::string_view t) {
    std::vector<std::string_view> z;
    for (std::size_t pos = 0;;) {
        std::size_t f = t.find("\r\n", pos);
        if (f == std::string_view::npos) {
            z.push_back(t.substr(pos));
            return z;
        }
        z.push_back(t.substr(pos, f - pos));
        pos = f + 2;
    }
}

bool IstEinzeiligesIf(const std::vector<std::string_view>& zeilen, std::size_t i, std::string_view L) {
    std::string anweisung;
    if (!EndetMitFortsetzung(L)) {
        anweisung = L;
    } else {
        for (std::size_t k = i; k < zeilen.size(); ++k) {
            std::string_view z = k == i ? L : zeilen[k];
            bool weiter = EndetMitFortsetzung(z);
            anweisung += z;
            if (!weiter)
                break;
        }
        std::string ohne;
        for (std::size_t p = 0; p < anweisung.size();) {
            if (anweisung.compare(p, 2, " _") == 0) {
                p += 2;
            } else {
                ohne += anweisung[p++];
            }
        }
        anweisung = std::move(ohne);
    }
    std::string_view a = anweisung;
    if (a.find('\'', 2) != std::string_view::npos)
        a = OhneKommentar(a);
    return !a.ends_with("Then");
}

bool BeginntMitWort(std::string_view L, std::string_view wort) {
    // The word alone or followed by a blank ("Do", "Do While", not "DoEvents").
    return L.starts_with(wort) && (L.size() == wort.size() || L[wort.size()] == ' ');
}

} // namespace

void EbeneBestimmen(std::string_view L, EinrueckStand& s) {
    s.Versatz = 0;
    auto beginnt = [&](std::string_view p) { return L.starts_with(p); };
    if (beginnt("Case ")) {
        s.Versatz = 1;
    } else if (BeginntMitWort(L, "Do")) {
        ++s.Ebene;
        s.Versatz = 1;
    } else if (L == "Else") {
        s.Versatz = 1;
    } else if (beginnt("End With") || beginnt("End If") || beginnt("End Type")) {
        --s.Ebene;
    } else if (beginnt("End Select")) {
        s.Ebene -= 2;
    } else if (beginnt("End Sub") || beginnt("End Function") || beginnt("End Property")) {
        s.Ebene = 0;
    } else if (beginnt("For ") || beginnt("If ")) {
        ++s.Ebene;
        s.Versatz = 1;
    } else if (BeginntMitWort(L, "Loop") || BeginntMitWort(L, "Next")) {
        --s.Ebene;
    } else if (beginnt("Public Type") || beginnt("Private Type")) {
        ++s.Ebene;
        s.Versatz = 1;
    } else if (beginnt("Select Case ")) {
        s.Ebene += 2;
        s.Versatz = 2;
    } else if (beginnt("Type") || beginnt("While ") || beginnt("With ")) {
        ++s.Ebene;
        s.Versatz = 1;
    } else if (BeginntMitWort(L, "Wend")) {
        --s.Ebene;
    }
}

std::string CodeEinruecken(std::string_view text) {
    std::string ohneTabs;
    ohneTabs.reserve(text.size());
    for (char c : text)
        if (c != '\t')
            ohneTabs += c;
    std::vector<std::string_view> zeilen = Zeilen(ohneTabs);

    std::string out;
    out.reserve(ohneTabs.size() + ohneTabs.size() / 4);
    EinrueckStand s;
    bool vorigeFortgesetzt = false; // the last non-empty line ends with " _"
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        if (i > 0)
            out += "\r\n";
        std::string_view zeile = zeilen[i];
        if (i + 1 == zeilen.size()) {
            out += zeile;
            break;
        }
        std::string_view L = LinksGetrimmt(zeile);
        if (L.empty())
            continue; // blank lines become empty
        if (vorigeFortgesetzt) {
            s.Versatz = -1;
        } else if (L.starts_with("If ") && !L.ends_with("Then") && IstEinzeiligesIf(zeilen, i, L)) {
            s.Versatz = 0;
        } else {
            EbeneBestimmen(L, s);
        }
        if (s.Ebene - s.Versatz > 0)
            out.append(static_cast<std::size_t>(s.Ebene - s.Versatz), '\t');
        out += L;
        // The tabs in front never make " _", so L alone decides
        vorigeFortgesetzt = EndetMitFortsetzung(L);
    }
    return out;
}

} // namespace cb
