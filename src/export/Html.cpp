// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/Html.h"

#include "app/Ersetzen.h"
#include "app/Marken.h"
#include "app/Optionen.h"

#include <cstdio>

namespace cb {

namespace {

// The entity of a character, or empty for one that stays. The characters
// are all distinct and no entity holds one of them except "&", which is
// replaced first, so one pass gives the result of the replacements in turn.
std::string_view EntitaetAscii(char c) {
    switch (c) {
    case '&':
        return "&#38;";
    case '<':
        return "&lt;";
    case '>':
        return "&gt;";
    case '"':
        return "&#34;";
    case ':':
        return "&#58;";
    case ')':
        return "&#41;";
    case '(':
        return "&#40;";
    case '+':
        return "&#43;";
    default:
        return {};
    }
}

std::string_view EntitaetLatin(unsigned char zweites) {
    // Second bytes of the UTF-8 forms C3 xx of the umlauts and sharp s
    switch (zweites) {
    case 0xA4:
        return "&auml;";
    case 0xB6:
        return "&ouml;";
    case 0xBC:
        return "&uuml;";
    case 0x84:
        return "&Auml;";
    case 0x96:
        return "&Ouml;";
    case 0x9C:
        return "&Uuml;";
    case 0x9F:
        return "&szlig;";
    default:
        return {};
    }
}

std::string FarbSpan(std::int32_t farbe) {
    return "<span style=\"color:" + FarbeNachHtml(farbe) + "\"; >";
}

} // namespace

void HtmlZeichenErsetzen(std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        std::string_view e;
        if (c == 0xC3 && i + 1 < text.size())
            e = EntitaetLatin(static_cast<unsigned char>(text[i + 1]));
        else if (c < 0x80)
            e = EntitaetAscii(static_cast<char>(c));
        if (e.empty()) {
            out += static_cast<char>(c);
            continue;
        }
        out += e;
        if (c == 0xC3)
            ++i;
    }
    text = std::move(out);
}

std::string FarbeNachHtml(std::int32_t farbe) {
    auto v = static_cast<std::uint32_t>(farbe);
    char puffer[8];
    std::snprintf(puffer, sizeof puffer, "#%02X%02X%02X", v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
    return puffer;
}

void HtmlErzeugen(const Optionen& o, std::string& text) {
    HtmlZeichenErsetzen(text);
    AllesErsetzen(text, MarkeNormal, "</span>");
    AllesErsetzen(text, MarkeKommentar, FarbSpan(o.FarbeKommentar));
    AllesErsetzen(text, MarkeSchluessel, FarbSpan(o.FarbeSchluessel));
    AllesErsetzen(text, MarkeString, FarbSpan(o.FarbeString));
    AllesErsetzen(text, MarkeFettAn, o.RoutinenFett ? "<b>" : "");
    AllesErsetzen(text, MarkeFettAus, o.RoutinenFett ? "</b>" : "");
    text = "<pre><span style=\"font-family=" + o.SchriftName +
           ",Arial; font-size=" + std::to_string(o.SchriftGroesse) + "pt\"; >" + text + "</span></pre>";
}

} // namespace cb
