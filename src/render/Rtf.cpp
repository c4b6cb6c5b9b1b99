// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/Rtf.h"

#include "app/Ersetzen.h"
#include "app/Marken.h"
#include "app/Optionen.h"
#include "app/Text.h"
#include "render/CodeAnsicht.h"

#include <array>
#include <cmath>

namespace cb {

namespace {

struct Ersetzung {
    std::string_view marke;
    std::string_view rtf;
};

// Markers in the order the conversion defines; the bold pair last.
std::array<Ersetzung, 6> Ersetzungen(bool fett) {
    return {{{MarkeNormal, "\\cf0 "},
             {MarkeKommentar, "\\cf2 "},
             {MarkeSchluessel, "\\cf1 "},
             {MarkeString, "\\cf3 "},
             {MarkeFettAn, fett ? "\\b " : ""},
             {MarkeFettAus, fett ? "\\b0 " : ""}}};
}

constexpr std::array<bool, 256> Besonders = [] {
    std::array<bool, 256> k{};
    k['\\'] = k['{'] = k['}'] = k['\t'] = k['\n'] = k['|'] = true;
    return k;
}();

// The marker that starts at i, or -1: 0 normal, 1 comment, 2 keyword,
// 3 string, 4 bold on, 5 bold off (the order of Ersetzungen).
int MarkeBei(std::string_view t, std::size_t i) {
    if (i + 5 > t.size() || t[i] != '|' || t[i + 4] != '|')
        return -1;
    auto b = [&](std::size_t k) { return static_cast<unsigned char>(t[i + k]); };
    if ((b(1) == 'n' || b(1) == 'y') && b(2) == 0xC5 && b(3) == 0xB8)
        return b(1) == 'n' ? 0 : 5;
    if (b(1) != 0xC5 || b(2) != 0xB8)
        return -1;
    switch (b(3)) {
    case 'k':
        return 1;
    case 'f':
        return 2;
    case 's':
        return 3;
    case 'x':
        return 4;
    default:
        return -1;
    }
}

// The conversion as a chain of whole-text replacements. It decides only
// where two markers share a "|", which literal marker characters in the
// source can produce.
std::string ErsetzungsKette(std::string t, const std::array<Ersetzung, 6>& e) {
    AllesErsetzen(t, "\\", "\\\\");
    AllesErsetzen(t, "{", "\\{");
    AllesErsetzen(t, "}", "\\}");
    for (int k = 0; k < 4; ++k)
        AllesErsetzen(t, e[k].marke, e[k].rtf);
    AllesErsetzen(t, "\t", "\\tab ");
    AllesErsetzen(t, e[4].marke, e[4].rtf);
    AllesErsetzen(t, e[5].marke, e[5].rtf);
    AllesErsetzen(t, "\r\n", "\r\n\\par ");
    return t;
}

} // namespace

void MarkenNachRtf(const Optionen& o, std::string& text) {
    const auto e = Ersetzungen(o.RoutinenFett);
    std::string_view t = text;
    std::string out;
    out.reserve(t.size() + t.size() / 4 + 64);
    std::size_t kopiert = 0;
    for (std::size_t i = 0; i < t.size();) {
        while (i < t.size() && !Besonders[static_cast<unsigned char>(t[i])])
            ++i;
        if (i == t.size())
            break;
        char c = t[i];
        std::string_view nach;
        std::size_t laenge = 1;
        switch (c) {
        case '\\':
            nach = "\\\\";
            break;
        case '{':
            nach = "\\{";
            break;
        case '}':
            nach = "\\}";
            break;
        case '\t':
            nach = "\\tab ";
            break;
        case '\n':
            // A CR LF, also one that meets once a bold marker has gone
            if (!(i > 0 && t[i - 1] == '\r') && !(out.size() && kopiert == i && out.back() == '\r')) {
                ++i;
                continue;
            }
            nach = "\n\\par ";
            break;
        case '|': {
            int k = MarkeBei(t, i);
            if (k < 0) {
                ++i;
                continue;
            }
            laenge = e[k].marke.size();
            if (MarkeBei(t, i + laenge - 1) >= 0) {
                text = ErsetzungsKette(std::move(text), e);
                return;
            }
            nach = e[k].rtf;
            break;
        }
        default:
            ++i;
            continue;
        }
        out.append(t.data() + kopiert, i - kopiert);
        out += nach;
        i += laenge;
        kopiert = i;
    }
    out.append(t.data() + kopiert, t.size() - kopiert);
    text = std::move(out);
}

std::string FarbeNachRtf(std::int32_t farbe) {
    std::int64_t v = farbe;
    std::int64_t rot = v % 256, gruen = (v % 65536 - rot) / 256, blau = (v - v % 65536) / 65536;
    return "\\red" + std::to_string(rot) + "\\green" + std::to_string(gruen) + "\\blue" +
           std::to_string(blau) + ";";
}

std::string AnsichtNachRtf(const CodeAnsicht& code, std::size_t anfang, std::size_t laenge) {
    const std::string_view t = code.Text;
    const std::size_t ende = anfang + laenge;
    // The spans as events at code-point positions, walked along the text
    auto farbe = code.Farben.begin();
    auto fett = code.Fett.begin();
    auto bisEnde = [](const Spanne& s) { return s.Anfang + s.Laenge; };
    while (farbe != code.Farben.end() && bisEnde(*farbe) <= anfang)
        ++farbe;
    while (fett != code.Fett.end() && bisEnde(*fett) <= anfang)
        ++fett;
    static constexpr std::string_view Farbe[] = {"\\cf1 ", "\\cf2 ", "\\cf3 "};
    std::string out;
    bool farbeAn = false, fettAn = false;
    std::size_t pos = 0, n = 0;
    for (; pos < t.size() && n < anfang; ++n) {
        std::size_t l = 1;
        CodepunktAn(t, pos, l);
        pos += l;
    }
    for (; pos < t.size() && n < ende; ++n) {
        if (farbeAn && n == bisEnde(*farbe)) {
            out += "\\cf0 ";
            farbeAn = false;
            ++farbe;
        }
        if (fettAn && n == bisEnde(*fett)) {
            out += "\\b0 ";
            fettAn = false;
            ++fett;
        }
        if (!fettAn && fett != code.Fett.end() && n >= fett->Anfang) {
            out += "\\b ";
            fettAn = true;
        }
        if (!farbeAn && farbe != code.Farben.end() && n >= farbe->Anfang) {
            out += Farbe[static_cast<int>(farbe->Art)];
            farbeAn = true;
        }
        std::size_t l = 1;
        CodepunktAn(t, pos, l);
        switch (const char c = t[pos]; l == 1 ? c : '\0') {
        case '\\':
        case '{':
        case '}':
            out += '\\';
            out += c;
            break;
        case '\t':
            out += "\\tab ";
            break;
        case '\n':
            out += "\r\n\\par ";
            break;
        default:
            out.append(t.data() + pos, l);
        }
        pos += l;
    }
    if (farbeAn)
        out += "\\cf0 ";
    if (fettAn)
        out += "\\b0 ";
    return out;
}

void RtfDokumentBilden(const Optionen& o, std::string& body) {
    std::string kopf = "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss MS Sans Serif;}\r\n"
                       "{\\f1\\froman\\fcharset2 Symbol;}{\\f2\\fswiss MS Sans Serif;}{\\f3\\fswiss Arial;}"
                       "{\\f4\\fswiss\\fprq2 System;}}\r\n";
    kopf += "{\\colortbl\\red0\\green0\\blue0;" + FarbeNachRtf(o.FarbeSchluessel) +
            FarbeNachRtf(o.FarbeKommentar) + FarbeNachRtf(o.FarbeString) + "}\r\n";
    kopf += "\\deflang1031\\pard\\li105";
    std::int64_t T = static_cast<std::int64_t>(std::floor(o.TabstopMm / 10.0 * 567));
    for (int i = 1; i <= 10; ++i)
        kopf += "\\tx" + std::to_string(T * i);
    AllesErsetzen(kopf, "Arial", o.SchriftName);
    std::string dokument;
    dokument.reserve(kopf.size() + body.size() + 32);
    dokument += kopf;
    dokument += "\\plain\\f3\\fs" + std::to_string(2 * static_cast<std::int64_t>(o.SchriftGroesse)) + " ";
    dokument += body;
    dokument += "}";
    body = std::move(dokument);
}

std::string RtfBytes(const std::string& dokument) {
    std::string out;
    out.reserve(dokument.size());
    const std::size_t n = dokument.size();
    for (std::size_t i = 0; i < n;) {
        std::size_t ascii = i;
        while (ascii < n && static_cast<unsigned char>(dokument[ascii]) < 0x80)
            ++ascii;
        out.append(dokument, i, ascii - i);
        if (ascii == n)
            break;
        std::size_t laenge;
        char32_t cp = CodepunktAn(dokument, ascii, laenge);
        i = ascii + laenge;
        if (auto b = Cp1252Byte(cp)) {
            out += static_cast<char>(*b);
            continue;
        }
        // RTF's \u takes a signed 16-bit value; characters beyond the
        // basic plane go as a surrogate pair.
        auto einheit = [&](unsigned v) {
            out += "\\u" + std::to_string(static_cast<std::int16_t>(static_cast<std::uint16_t>(v))) + "?";
        };
        if (cp >= 0x10000) {
            einheit(0xD800 + ((cp - 0x10000) >> 10));
            einheit(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            einheit(cp);
        }
    }
    return out;
}

} // namespace cb
