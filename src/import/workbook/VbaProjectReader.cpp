// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/workbook/VbaProjectReader.h"

#include "app/Text.h"
#include "import/workbook/EditorSource.h"
#include "import/workbook/FormatError.h"
#include "import/workbook/OvbaCompression.h"
#include "import/workbook/TextDekodierung.h"

#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace cb::workbook {

namespace {

const std::string& Stream(const VbaSpeicher& s, const std::string& name) {
    auto it = s.vba.find(KleinGefaltet(name));
    if (it == s.vba.end())
        throw FormatError("the VBA storage has no stream \"" + name + "\"");
    return it->second;
}

// The whole project's allowance for decompressed text: a few kilobytes of
// compressed stream can stand for megabytes, and every module could be such
// a stream. Past the allowance the streams that follow are only measured, so
// that the refusal can name the project's size rather than the module that
// happened to cross the line.
class Budget {
public:
    std::string Dekomprimiert(std::string_view container) {
        if (!m_ueberschritten) {
            try {
                std::string out = Dekomprimieren(container, MaxProjektText - m_summe);
                m_summe += out.size();
                return out;
            } catch (const GroessenFehler&) {
                m_ueberschritten = true;
            }
        }
        m_summe += DekomprimierteGroesse(container);
        return {};
    }
    bool Ueberschritten() const { return m_ueberschritten; }
    std::uint64_t Summe() const { return m_summe; }

private:
    std::uint64_t m_summe = 0;
    bool m_ueberschritten = false;
};

Komponente KomponenteLesen(const VbaSpeicher& s, const DirModul& m, KomponentenArt art, int codepage,
                           Budget& budget) {
    const std::string& stream = Stream(s, m.streamName);
    if (m.textOffset >= stream.size())
        throw FormatError("module \"" + m.name + "\": source offset " + std::to_string(m.textOffset) +
                          " lies beyond its stream of " + std::to_string(stream.size()) + " bytes");
    std::string quelle;
    try {
        quelle = budget.Dekomprimiert(std::string_view(stream).substr(m.textOffset));
        // Past the allowance the text is not there to convert.
        if (budget.Ueberschritten())
            return {m.name, art, {}, 0, 0};
        quelle = NachUtf8(quelle, codepage);
    } catch (const FormatError& e) {
        throw FormatError("module \"" + m.name + "\": " + e.what());
    }
    EditorText text = EditorTextAus(quelle);
    return {m.name, art, std::move(text.code), text.zeilen, text.gespeichert};
}

// A control character (C0, DEL or C1) in a name would reach a terminal as a
// command and split a listing's lines; the VBA editor takes none.
void SteuerzeichenPruefen(std::string_view name, const std::string& wer) {
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        const bool c1 = c == 0xC2 && i + 1 < name.size() && static_cast<unsigned char>(name[i + 1]) < 0xA0;
        if (c < 0x20 || c == 0x7F || c1)
            throw FormatError(wer + " has a control character in its name");
    }
}

// A name the VBA editor would never accept: none at all, a control
// character, or the backslash that the listing uses to join a project's key
// to a module's name.
void NamePruefen(std::string_view name, std::size_t nummer) {
    const std::string modul = "module " + std::to_string(nummer);
    if (name.empty())
        throw FormatError(modul + " has an empty name");
    SteuerzeichenPruefen(name, modul);
    if (name.find('\\') != std::string_view::npos)
        throw FormatError(modul + " has a backslash in its name \"" + std::string(name) + "\"");
}

// VBA keeps module names unique without regard to case; two alike would
// make every lookup by name ambiguous. The result finds a module by either
// of its names, folded; where names of two modules meet, the earlier module
// in the dir stream wins.
std::unordered_map<std::string, std::size_t> NamenPruefen(const DirInfo& dir) {
    std::unordered_set<std::string> namen;
    std::unordered_map<std::string, std::size_t> index;
    namen.reserve(dir.module.size());
    index.reserve(dir.module.size() * 2);
    for (std::size_t i = 0; i < dir.module.size(); ++i) {
        const DirModul& m = dir.module[i];
        NamePruefen(m.name, i + 1);
        std::string gefaltet = KleinGefaltet(m.name);
        if (!namen.insert(gefaltet).second)
            throw FormatError("the dir stream holds two modules named \"" + m.name + "\"");
        index.emplace(KleinGefaltet(m.nameMbcs), i);
        index.emplace(std::move(gefaltet), i);
    }
    return index;
}

} // namespace

VbaProjekt ProjektAusSpeicher(const VbaSpeicher& s) {
    Budget budget;
    std::string dirRoh;
    try {
        dirRoh = budget.Dekomprimiert(Stream(s, "dir"));
    } catch (const FormatError& e) {
        throw FormatError(std::string("dir stream: ") + e.what());
    }
    if (budget.Ueberschritten())
        throw ProjektGroessenFehler(budget.Summe(), true);
    DirInfo dir = DirLesen(dirRoh);
    SteuerzeichenPruefen(dir.name, "the project");
    const auto modulIndex = NamenPruefen(dir);
    ProjektText text = ProjektTextLesen(s.project, dir.codepage);

    VbaProjekt p;
    p.name = dir.name;
    p.codepage = dir.codepage;
    p.gesperrt = text.schutz.sichtbar.has_value() && !*text.schutz.sichtbar;
    p.passwort = text.schutz.passwort.value_or(false);
    p.referenzen = std::move(dir.referenzen);

    std::vector<bool> genommen(dir.module.size(), false);
    for (const ProjektEintrag& e : text.eintraege) {
        const auto gefunden = modulIndex.find(KleinGefaltet(e.name));
        if (gefunden == modulIndex.end())
            throw FormatError("the PROJECT stream lists \"" + e.name +
                              "\", which the dir stream does not hold");
        const std::size_t idx = gefunden->second;
        const DirModul* m = &dir.module[idx];
        if (genommen[idx])
            continue;
        genommen[idx] = true;
        p.komponenten.push_back(KomponenteLesen(s, *m, e.art, dir.codepage, budget));
    }
    // A module missing from the PROJECT stream is still code of the project;
    // its kind then comes from the dir stream alone.
    for (std::size_t i = 0; i < dir.module.size(); ++i)
        if (!genommen[i])
            p.komponenten.push_back(
                KomponenteLesen(s, dir.module[i],
                                dir.module[i].prozedural ? KomponentenArt::Standard : KomponentenArt::Klasse,
                                dir.codepage, budget));
    if (budget.Ueberschritten())
        throw ProjektGroessenFehler(budget.Summe(), false);
    return p;
}

} // namespace cb::workbook
