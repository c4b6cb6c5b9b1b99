// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/vb/VbAnwendungsBaum.h"

#include "app/Allgemein.h"
#include "app/Dateien.h"
#include "app/Text.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace cb {

namespace fs = std::filesystem;

namespace {

// Every file of one reading belongs to one project, as the ticks of the
// application tree require.
constexpr std::string_view ProjektPraefix = "A1\\";

std::string_view OhneAnfuehrungszeichen(std::string_view s) {
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"')
        return s.substr(1, s.size() - 2);
    return s;
}

std::string Bild(int typ) {
    return "M" + std::to_string(typ == 0 ? 32 : typ);
}

// The module name a file gives itself; its file name when it names none or
// cannot be read now (the reading reports that file later).
std::string ModulNameAusDatei(const fs::path& datei, int codepage) {
    try {
        std::string name = VbNameAus(ModulDateiText(DateiLesen(datei.string()), codepage));
        if (!name.empty())
            return name;
    } catch (const std::exception&) {
    }
    return datei.stem().string();
}

void BlattHinzufuegen(Baum& baum, const std::string& relativ, std::string name, int typ,
                      const std::string& eltern) {
    std::string schluessel = VbDateiSchluessel(relativ, typ);
    if (baum.Finden(schluessel))
        return; // the same file named twice is read once
    BaumKnoten& k = baum.Hinzufuegen(std::move(schluessel), std::move(name), Bild(typ), eltern);
    k.Haken = true;
}

struct VbpEintrag {
    std::string_view schluessel;
    int typ;
};
constexpr VbpEintrag VbpEintraege[] = {{"Form", 1},        {"Module", 2},       {"Class", 3},
                                       {"UserControl", 4}, {"UserDocument", 6}, {"Designer", 7},
                                       {"PropertyPage", 0}};

// A path of the .vbp (Windows separators, relative to the .vbp's folder)
// below that folder. A path with a drive or a server cannot be followed on
// this system; the module is looked for beside the .vbp then.
std::string VbpPfadNachRelativ(std::string_view roh) {
    std::string p(OhneAnfuehrungszeichen(Getrimmt(roh, BlanksUndTabs)));
    std::replace(p.begin(), p.end(), '\\', '/');
    const bool absolut = p.starts_with('/') || (p.size() >= 2 && p[1] == ':');
    if (absolut) {
        std::size_t strich = p.rfind('/');
        p = strich == std::string::npos ? p.substr(2) : p.substr(strich + 1);
    }
    return fs::path(p).lexically_normal().generic_string();
}

// Windows does not tell letter cases apart in file names, so a .vbp may
// name Module1.BAS for module1.bas; the file that differs only in case is
// taken then.
std::string MitDateiAufDerPlatte(const fs::path& ordner, const std::string& relativ) {
    std::error_code ec;
    fs::path voll = ordner / relativ;
    if (fs::exists(voll, ec))
        return relativ;
    fs::path eltern = voll.parent_path();
    const std::string gesucht = voll.filename().string();
    for (fs::directory_iterator it(eltern, ec), ende; !ec && it != ende; it.increment(ec)) {
        std::string kandidat = it->path().filename().string();
        if (TextGleich(kandidat, gesucht))
            return (fs::path(relativ).parent_path() / kandidat).generic_string();
    }
    return relativ;
}

fs::path Absolut(const std::string& pfad) {
    std::error_code ec;
    fs::path p = fs::absolute(pfad, ec);
    return (ec ? fs::path(pfad) : p).lexically_normal();
}

fs::path GemeinsamerOrdner(const std::vector<fs::path>& dateien) {
    fs::path gemeinsam = dateien.front().parent_path();
    for (const fs::path& d : dateien) {
        fs::path ordner = d.parent_path();
        fs::path neu;
        auto a = gemeinsam.begin(), b = ordner.begin();
        for (; a != gemeinsam.end() && b != ordner.end() && *a == *b; ++a, ++b)
            neu /= *a;
        gemeinsam = neu;
    }
    return gemeinsam;
}

} // namespace

std::string VbDateiSchluessel(std::string_view relativerPfad, int typ) {
    if (typ < 0 || typ > 9)
        throw std::invalid_argument("Modultyp " + std::to_string(typ) + " passt in keinen Schlüssel");
    return std::string(ProjektPraefix) + std::string(relativerPfad) + ":" + std::to_string(typ);
}

std::string DateiAusSchluessel(std::string_view schluessel) {
    std::size_t strich = schluessel.rfind('\\');
    std::string_view datei = strich == std::string_view::npos ? schluessel : schluessel.substr(strich + 1);
    // The type stands after the last colon: a colon is an ordinary character
    // of a file name here, so the path before it may hold one.
    datei = datei.substr(0, datei.rfind(':'));
    return std::string(Getrimmt(datei));
}

int TypAusSchluessel(std::string_view schluessel) {
    if (schluessel.empty())
        return 32;
    char c = schluessel.back();
    return c >= '1' && c <= '9' ? c - '0' : 32;
}

Baum VbpBaum(const std::string& vbpPfad, int ersatzCodepage) {
    const std::string text = ModulDateiText(DateiLesen(vbpPfad), ersatzCodepage);
    const fs::path vbp = Absolut(vbpPfad);
    const fs::path ordner = vbp.parent_path();

    struct Modul {
        std::string relativ, name;
        int typ;
    };
    std::vector<Modul> module;
    std::string projektName;
    for (std::size_t pos = 0; pos <= text.size();) {
        std::size_t cr = text.find("\r\n", pos);
        std::string_view zeile =
            std::string_view(text).substr(pos, cr == std::string::npos ? std::string::npos : cr - pos);
        pos = cr == std::string::npos ? text.size() + 1 : cr + 2;
        zeile = Getrimmt(zeile, BlanksUndTabs);
        if (zeile.starts_with('['))
            break; // the sections after the project's own lines belong to add-ins
        std::size_t gleich = zeile.find('=');
        if (gleich == std::string_view::npos)
            continue;
        std::string_view schluessel = Getrimmt(zeile.substr(0, gleich), BlanksUndTabs);
        std::string_view wert = Getrimmt(zeile.substr(gleich + 1), BlanksUndTabs);
        if (TextGleich(schluessel, "Name")) {
            projektName = std::string(OhneAnfuehrungszeichen(wert));
            continue;
        }
        for (const VbpEintrag& e : VbpEintraege) {
            if (!TextGleich(schluessel, e.schluessel))
                continue;
            std::string name;
            std::size_t semikolon = wert.find(';');
            if (semikolon != std::string_view::npos) {
                name = std::string(Getrimmt(wert.substr(0, semikolon), BlanksUndTabs));
                wert = wert.substr(semikolon + 1);
            }
            std::string relativ = MitDateiAufDerPlatte(ordner, VbpPfadNachRelativ(wert));
            if (name.empty())
                name = ModulNameAusDatei(ordner / relativ, ersatzCodepage);
            module.push_back({std::move(relativ), std::move(name), e.typ});
        }
    }

    // A project node without leaves would itself count as a ticked file.
    if (module.empty())
        throw std::invalid_argument("Die Projektdatei " + vbpPfad + " nennt keine Moduldatei");
    Baum baum;
    baum.Tag = MitTrenner(ordner.string());
    if (projektName.empty())
        projektName = vbp.stem().string();
    BaumKnoten& projekt = baum.Hinzufuegen(std::string(ProjektPraefix),
                                           projektName + " [" + vbp.filename().string() + "]", "Fahne");
    projekt.Haken = true;
    projekt.Aufgeklappt = true;
    for (Modul& m : module)
        BlattHinzufuegen(baum, m.relativ, std::move(m.name), m.typ, std::string(ProjektPraefix));
    return baum;
}

Baum ModulDateienBaum(const std::vector<std::string>& dateien, int ersatzCodepage) {
    Baum baum;
    if (dateien.empty())
        return baum;
    std::vector<fs::path> absolut;
    for (const std::string& d : dateien) {
        if (!ModulTypNachEndung(d))
            throw std::invalid_argument("Keine Visual-Basic-Moduldatei: " + d);
        absolut.push_back(Absolut(d));
    }
    const fs::path ordner = GemeinsamerOrdner(absolut);
    baum.Tag = MitTrenner(ordner.string());
    for (const fs::path& d : absolut)
        BlattHinzufuegen(baum, d.lexically_relative(ordner).generic_string(),
                         ModulNameAusDatei(d, ersatzCodepage), *ModulTypNachEndung(d.string()), {});
    return baum;
}

Baum VbDateienBaum(const std::vector<std::string>& dateien, int ersatzCodepage) {
    const auto vbp = [](const std::string& d) {
        return TextGleich(fs::path(d).extension().string(), ".vbp");
    };
    if (std::any_of(dateien.begin(), dateien.end(), vbp)) {
        if (dateien.size() > 1)
            throw std::invalid_argument("Eine .vbp-Projektdatei wird allein eingelesen");
        return VbpBaum(dateien.front(), ersatzCodepage);
    }
    const Baum module = ModulDateienBaum(dateien, ersatzCodepage);
    Baum baum;
    baum.Tag = module.Tag;
    const std::string ordner = fs::path(module.Tag).parent_path().filename().string();
    BaumKnoten& projekt =
        baum.Hinzufuegen(std::string(ProjektPraefix),
                         (ordner.empty() ? std::string("Module") : ordner) + " [Moduldateien]", "Fahne");
    projekt.Haken = true;
    projekt.Aufgeklappt = true;
    for (BaumKnoten k : module.Knoten()) {
        k.Eltern = std::string(ProjektPraefix);
        baum.Hinzufuegen(std::move(k));
    }
    return baum;
}

} // namespace cb
