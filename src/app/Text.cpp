// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Text.h"

#include <cerrno>
#include <charconv>
#include <clocale>
#include <cwctype>
#include <iconv.h>
#include <limits>
#include <locale.h>
#include <memory>
#include <stdexcept>
#include <wctype.h>

namespace cb {

namespace {

constexpr char32_t Cp1252Oben[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                     0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Unicode character classes come from glibc's built-in C.UTF-8 locale, so
// the class does not depend on the user's locale settings.
locale_t Utf8Locale() {
    static locale_t loc = [] {
        locale_t l = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
        return l ? l : newlocale(LC_CTYPE_MASK, "C", static_cast<locale_t>(nullptr));
    }();
    return loc;
}

char32_t Gefaltet(char32_t cp) {
    if (cp < 128)
        return (cp >= 'A' && cp <= 'Z') ? cp + 32 : cp;
    return static_cast<char32_t>(towlower_l(static_cast<wint_t>(cp), Utf8Locale()));
}

std::u32string Gefaltet(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0, n; i < text.size(); i += n)
        out.push_back(Gefaltet(CodepunktAn(text, i, n)));
    return out;
}

// Byte offset of the code point with index idx.
std::size_t ByteOffset(std::string_view text, std::size_t idx) {
    std::size_t i = 0, n;
    for (std::size_t k = 0; k < idx && i < text.size(); ++k) {
        CodepunktAn(text, i, n);
        i += n;
    }
    return i;
}

} // namespace

int HexWert(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::string IconvName(int codepage) {
    switch (codepage) {
    case 65001:
        return "UTF-8";
    case 1200:
        return "UTF-16LE";
    case 20127:
        return "ASCII";
    case 28591:
        return "ISO-8859-1";
    case 10000:
        return "MACINTOSH";
    default:
        return "CP" + std::to_string(codepage);
    }
}

char32_t CodepunktAn(std::string_view t, std::size_t pos, std::size_t& laenge) {
    auto b = [&](std::size_t k) { return static_cast<unsigned char>(t[pos + k]); };
    unsigned char c = b(0);
    laenge = 1;
    if (c < 0x80)
        return c;
    std::size_t n = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 && c < 0xE0 ? 2 : 0;
    if (n == 0 || pos + n > t.size())
        return c;
    char32_t cp = c & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
        if ((b(k) & 0xC0) != 0x80)
            return c;
        cp = (cp << 6) | (b(k) & 0x3F);
    }
    if ((n == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
        (n == 4 && (cp < 0x10000 || cp > 0x10FFFF)))
        return c;
    laenge = n;
    return cp;
}

void Utf8Anhaengen(std::string& z, char32_t cp) {
    if (cp < 0x80) {
        z += static_cast<char>(cp);
    } else if (cp < 0x800) {
        z += static_cast<char>(0xC0 | (cp >> 6));
        z += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        z += static_cast<char>(0xE0 | (cp >> 12));
        z += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        z += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        z += static_cast<char>(0xF0 | (cp >> 18));
        z += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        z += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        z += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::size_t BytePosition(std::string_view text, std::size_t n) {
    std::size_t pos = 0;
    for (; n > 0 && pos < text.size(); --n) {
        std::size_t laenge = 1;
        CodepunktAn(text, pos, laenge);
        pos += laenge;
    }
    return pos;
}

std::size_t ZeichenAnzahl(std::string_view text) {
    std::size_t anzahl = 0;
    for (unsigned char c : text)
        anzahl += (c & 0xC0) != 0x80;
    return anzahl;
}

bool IstGueltigesUtf8(std::string_view bytes) {
    for (std::size_t i = 0, n; i < bytes.size(); i += n) {
        char32_t cp = CodepunktAn(bytes, i, n);
        if (n == 1 && cp >= 0x80)
            return false;
    }
    return true;
}

std::string Cp1252NachUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (unsigned char c : bytes) {
        if (c < 0x80)
            out += static_cast<char>(c);
        else
            Utf8Anhaengen(out, c < 0xA0 ? Cp1252Oben[c - 0x80] : c);
    }
    return out;
}

std::optional<unsigned char> Cp1252Byte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<unsigned char>(cp);
    for (int k = 0; k < 32; ++k)
        if (Cp1252Oben[k] == cp)
            return static_cast<unsigned char>(0x80 + k);
    return std::nullopt;
}

namespace {

struct IconvFreigabe {
    void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};

// One conversion through a fixed buffer, so that a text full of broken
// bytes (a damaged or hostile file) still takes time linear in its length.
// ueberspringen handles a sequence iconv refuses: it appends a stand-in and
// returns how many input bytes it used.
template <class Ueberspringen>
std::string Umwandeln(const std::string& nach, const std::string& von, int codepage, std::string_view text,
                      Ueberspringen ueberspringen) {
    iconv_t roh = iconv_open(nach.c_str(), von.c_str());
    if (roh == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("Code page " + std::to_string(codepage) + " is not supported");
    const std::unique_ptr<void, IconvFreigabe> cd(roh);
    std::string out;
    out.reserve(text.size() + text.size() / 2);
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char puffer[4096];
    while (inLeft > 0) {
        char* o = puffer;
        std::size_t oLeft = sizeof puffer;
        const std::size_t r = iconv(roh, &in, &inLeft, &o, &oLeft);
        const int fehler = errno;
        out.append(puffer, static_cast<std::size_t>(o - puffer));
        if (r != static_cast<std::size_t>(-1) || fehler == E2BIG)
            continue;
        const std::size_t n = ueberspringen(std::string_view(in, inLeft), out);
        in += n;
        inLeft -= n;
        iconv(roh, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
}

} // namespace

std::string CodepageNachUtf8(std::string_view bytes, int codepage) {
    if (codepage == 1252)
        return Cp1252NachUtf8(bytes);
    // An invalid or cut sequence: keep the byte as Windows-1252 would read
    // it rather than lose the rest of the text.
    return Umwandeln("UTF-8", IconvName(codepage), codepage, bytes,
                     [](std::string_view rest, std::string& out) {
                         out += Cp1252NachUtf8(rest.substr(0, 1));
                         return std::size_t{1};
                     });
}

std::string Utf8NachCodepage(std::string_view text, int codepage) {
    // A character without a byte in the code page, or broken UTF-8: skip
    // the whole sequence and stand a "?" in for it.
    return Umwandeln(IconvName(codepage), "UTF-8", codepage, text,
                     [](std::string_view rest, std::string& out) {
                         std::size_t laenge = 1;
                         CodepunktAn(rest, 0, laenge);
                         out += '?';
                         return laenge;
                     });
}

std::string TextAusBytes(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    if (IstGueltigesUtf8(bytes))
        return std::string(bytes);
    return Cp1252NachUtf8(bytes);
}

std::string ZeilenumbruecheNachCrLf(std::string_view t) {
    std::string out;
    out.reserve(t.size() + t.size() / 16);
    for (std::size_t i = 0; i < t.size(); ++i) {
        char c = t[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < t.size() && t[i + 1] == '\n')
                ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

std::string_view Getrimmt(std::string_view text, std::string_view zeichen) {
    const std::size_t a = text.find_first_not_of(zeichen);
    if (a == std::string_view::npos)
        return {};
    return text.substr(a, text.find_last_not_of(zeichen) - a + 1);
}

std::string_view LinksGetrimmt(std::string_view text, std::string_view zeichen) {
    const std::size_t a = text.find_first_not_of(zeichen);
    return a == std::string_view::npos ? std::string_view() : text.substr(a);
}

double ZahlenWert(std::string_view text) {
    std::size_t i = text.find_first_not_of(BlanksUndTabs);
    if (i == std::string_view::npos)
        return 0;
    const bool negativ = text[i] == '-';
    if (text[i] == '+' || text[i] == '-')
        ++i;
    const std::size_t anfang = i;
    auto ziffern = [&] {
        const std::size_t von = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        return i > von;
    };
    const bool ganz = ziffern();
    const std::size_t punkt = i;
    bool bruch = false;
    if (i < text.size() && text[i] == '.') {
        ++i;
        bruch = ziffern();
    }
    if (!ganz && !bruch)
        return 0;
    // from_chars rounds correctly and, unlike strtod, ignores the decimal
    // point of the locale the Qt program switches to.
    double wert = 0;
    if (std::from_chars(text.data() + anfang, text.data() + i, wert).ec == std::errc::result_out_of_range)
        wert = text.substr(anfang, punkt - anfang).find_first_not_of('0') == std::string_view::npos
                   ? 0.0
                   : std::numeric_limits<double>::infinity(); // as strtod gives beyond the range
    return negativ ? -wert : wert;
}

bool IstBuchstabeOderZiffer(char32_t cp) {
    if (cp < 128)
        return (cp >= '0' && cp <= '9') || ((cp | 32) >= 'a' && (cp | 32) <= 'z');
    return iswalnum_l(static_cast<wint_t>(cp), Utf8Locale()) != 0;
}

std::size_t TextSuche(std::string_view text, std::string_view suche) {
    std::u32string t = Gefaltet(text), s = Gefaltet(suche);
    std::size_t idx = t.find(s);
    return idx == std::u32string::npos ? std::string::npos : ByteOffset(text, idx);
}

std::size_t TextSucheRueckwaerts(std::string_view text, std::string_view suche) {
    std::u32string t = Gefaltet(text), s = Gefaltet(suche);
    std::size_t idx = t.rfind(s);
    return idx == std::u32string::npos ? std::string::npos : ByteOffset(text, idx);
}

bool TextGleich(std::string_view a, std::string_view b) {
    return Gefaltet(a) == Gefaltet(b);
}

std::string KleinGefaltet(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t cp : Gefaltet(text))
        Utf8Anhaengen(out, cp);
    return out;
}

} // namespace cb
