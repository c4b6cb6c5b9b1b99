// SPDX-License-Identifier: GPL-3.0-or-later
#include "testhilfen/ExportDatei.h"

#include "app/Text.h"

#include <filesystem>
#include <set>
#include <stdexcept>
#include <vector>

namespace cb::workbook {

namespace {

std::vector<std::string> Zeilen(std::string_view text) {
    std::vector<std::string> out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t ende = text.find_first_of("\r\n", pos);
        if (ende == std::string_view::npos)
            ende = text.size();
        out.emplace_back(text.substr(pos, ende - pos));
        pos = ende + 1;
        if (ende + 1 < text.size() && text[ende] == '\r' && text[ende + 1] == '\n')
            ++pos;
    }
    return out;
}

// The value of `Attribute VB_Xxx = "value"`, without its quotes.
std::string AttributWert(const std::string& zeile) {
    const std::size_t a = zeile.find('"');
    const std::size_t b = zeile.rfind('"');
    if (a == std::string::npos || b <= a)
        return {};
    return zeile.substr(a + 1, b - a - 1);
}

std::size_t GuidAnzahl(const std::string& wert) {
    std::size_t n = 0;
    for (char c : wert)
        n += c == '{';
    return n;
}

bool IstBezeichner(const std::string& name) {
    if (name.empty())
        return false;
    std::size_t laenge = 0;
    const char32_t erstes = CodepunktAn(name, 0, laenge);
    if (erstes == '_' || (erstes >= '0' && erstes <= '9') || !IstBuchstabeOderZiffer(erstes))
        return false;
    for (std::size_t i = 0; i < name.size(); i += laenge) {
        const char32_t c = CodepunktAn(name, i, laenge);
        if (c != '_' && !IstBuchstabeOderZiffer(c))
            return false;
    }
    return true;
}

} // namespace

QuellModul ModulAusExport(std::string_view inhalt, const std::string& dateiname) {
    const std::filesystem::path pfad(dateiname);
    const std::string endung = KleinGefaltet(pfad.extension().string());
    QuellModul m;
    if (endung == ".bas")
        m.art = KomponentenArt::Standard;
    else if (endung == ".cls")
        m.art = KomponentenArt::Klasse;
    else if (endung == ".frm")
        m.art = KomponentenArt::Designer;
    else
        throw std::invalid_argument("\"" + dateiname + "\": only .bas, .cls and .frm files are VBA modules");

    const std::vector<std::string> zeilen = Zeilen(TextAusBytes(inhalt));
    std::size_t erste = 0;
    while (erste < zeilen.size() && !zeilen[erste].starts_with("Attribute VB_Name"))
        ++erste;
    std::string quelle;
    if (erste == zeilen.size()) {
        // A bare standard module may come without its attribute; a class or
        // form export always has one after its header.
        if (m.art != KomponentenArt::Standard)
            throw std::invalid_argument("\"" + dateiname + "\": the line \"Attribute VB_Name\" is missing");
        m.name = pfad.stem().string();
        quelle = "Attribute VB_Name = \"" + m.name + "\"\r\n";
        erste = 0;
    } else {
        m.name = AttributWert(zeilen[erste]);
    }
    for (std::size_t i = erste; i < zeilen.size(); ++i) {
        const std::string& z = zeilen[i];
        if (m.art == KomponentenArt::Klasse && z.starts_with("Attribute VB_Base")) {
            const std::size_t guids = GuidAnzahl(AttributWert(z));
            m.art = guids >= 2 ? KomponentenArt::Designer : guids == 1 ? KomponentenArt::Dokument : m.art;
        }
        quelle += z + "\r\n";
    }
    m.quelle = std::move(quelle);
    if (m.name.empty())
        throw std::invalid_argument("\"" + dateiname +
                                    "\": the module name in \"Attribute VB_Name\" is empty");
    return m;
}

std::string VorlagenFehler(const ProjektVorlage& v) {
    if (!IstBezeichner(v.name) || ZeichenAnzahl(v.name) > 31)
        return "project name \"" + v.name +
               "\" is no VBA name (a letter, then letters, digits or _, 31 at most)";
    if (v.module.size() > 32000)
        return "a project holds 32000 modules at most";
    std::set<std::string> namen;
    for (const QuellModul& m : v.module) {
        if (!IstBezeichner(m.name) || ZeichenAnzahl(m.name) > 31)
            return "module name \"" + m.name +
                   "\" is no VBA name (a letter, then letters, digits or _, 31 at most)";
        if (!namen.insert(KleinGefaltet(m.name)).second)
            return "module name \"" + m.name + "\" occurs twice";
    }
    return {};
}

} // namespace cb::workbook
