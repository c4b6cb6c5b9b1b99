// SPDX-License-Identifier: GPL-3.0-or-later
// cbwb: writes an Office file (.xlsm, .xls, .docm, .pptm, .doc...) or a
// bare vbaProject.bin from exported VBA module sources (.bas, .cls, .frm)
// or from a generated project, with options for locked, foreign-code-page
// and damaged projects.
#include "app/Text.h"
#include "testhilfen/ExportDatei.h"
#include "testhilfen/ProjektGenerator.h"
#include "testhilfen/VbaProjectWriter.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace cb::workbook;

constexpr const char* Hilfe =
    "usage: cbwb [options] OUTPUT [SOURCE.bas|.cls|.frm ...]\n"
    "  OUTPUT ends in .xlsm/.xltm/.xlam (a workbook package), .xls/.xla/.xlt (a BIFF8\n"
    "  workbook), .docm/.dotm (Word), .pptm (PowerPoint), .doc (an OLE file with only\n"
    "  the Macros storage, for testing readers; Word does not open it), .ppt (PowerPoint\n"
    "  97-2003, the project inside its document stream, for testing the refusal;\n"
    "  PowerPoint does not open it) or .bin (a bare vbaProject.bin). Workbooks get one\n"
    "  empty sheet per document module.\n"
    "options:\n"
    "  --name NAME            project name (default VBAProject)\n"
    "  --locked               lock the project for viewing\n"
    "  --codepage N           store names and code in code page N (sources are UTF-8)\n"
    "  --document NAME        module NAME is a document module (workbook, sheet)\n"
    "  --cache N              N bytes before each module's source, as a compiled cache\n"
    "  --generate MODULES LINES  a synthetic project of that size instead of sources\n"
    "  --damage KIND          write a fault on purpose: ";

class FalscherAufruf : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::size_t Zahl(const std::string& text, const char* was) {
    std::size_t wert = 0;
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
    if (fehler != std::errc{} || ende != text.data() + text.size())
        throw FalscherAufruf(std::string(was) + " needs a whole number, not '" + text + "'");
    return wert;
}

std::string Lesen(const fs::path& datei) {
    std::ifstream in(datei, std::ios::binary);
    if (!in)
        throw std::runtime_error("\"" + datei.string() + "\": cannot be read");
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void Schreiben(const fs::path& datei, const std::string& bytes) {
    std::ofstream out(datei, std::ios::binary | std::ios::trunc);
    if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) || !out.flush())
        throw std::runtime_error("\"" + datei.string() + "\": cannot be written");
}

OfficeArt ZielAus(const fs::path& ausgabe) {
    if (auto art = OfficeArtAusEndung(ausgabe.extension().string()))
        return *art;
    throw FalscherAufruf("OUTPUT must end in one of " + OfficeEndungen() + ", not '" +
                         ausgabe.filename().string() + "'");
}

int Ausfuehren(const std::vector<std::string>& args) {
    ProjektVorlage v;
    std::set<std::string> dokumente;
    std::optional<std::pair<std::size_t, std::size_t>> erzeugen;
    std::vector<std::string> frei;
    std::optional<std::string> name;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto wert = [&]() -> const std::string& {
            if (i + 1 >= args.size())
                throw FalscherAufruf(a + " needs a value");
            return args[++i];
        };
        if (a == "--help" || a == "-h") {
            std::cout << Hilfe << BeschaedigungsNamen() << "\n";
            return 0;
        } else if (a == "--name") {
            name = wert();
        } else if (a == "--locked") {
            v.gesperrt = true;
        } else if (a == "--codepage") {
            v.codepage = static_cast<int>(Zahl(wert(), "--codepage"));
        } else if (a == "--document") {
            dokumente.insert(cb::KleinGefaltet(wert()));
        } else if (a == "--cache") {
            v.cache = Zahl(wert(), "--cache");
            if (v.cache > (std::size_t{1} << 24))
                throw FalscherAufruf("--cache takes 16777216 bytes at most");
        } else if (a == "--damage") {
            const std::string& k = wert();
            const auto schaden = BeschaedigungAusName(k);
            if (!schaden)
                throw FalscherAufruf("unknown --damage '" + k + "'; known: " + BeschaedigungsNamen());
            v.schaden = *schaden;
        } else if (a == "--generate") {
            const std::size_t module = Zahl(wert(), "--generate MODULES");
            const std::size_t zeilen = Zahl(wert(), "--generate LINES");
            if (module == 0 || module > 32000)
                throw FalscherAufruf("--generate takes 1 to 32000 modules");
            if (zeilen > 10'000'000)
                throw FalscherAufruf("--generate takes 10000000 lines at most");
            erzeugen = std::pair{module, zeilen};
        } else if (a.starts_with("--")) {
            throw FalscherAufruf("unknown option '" + a + "'");
        } else {
            frei.push_back(a);
        }
    }
    if (frei.empty())
        throw FalscherAufruf("OUTPUT is missing");
    const fs::path ausgabe = frei.front();
    const OfficeArt ziel = ZielAus(ausgabe);
    if (erzeugen && frei.size() > 1)
        throw FalscherAufruf("--generate takes no SOURCE files");
    if (!erzeugen && frei.size() == 1)
        throw FalscherAufruf("give SOURCE files or --generate");

    if (erzeugen) {
        ProjektVorlage g = ProjektErzeugen(erzeugen->first, erzeugen->second);
        v.module = std::move(g.module);
        v.name = g.name;
    }
    for (std::size_t i = 1; i < frei.size(); ++i)
        v.module.push_back(ModulAusExport(Lesen(frei[i]), frei[i]));
    for (QuellModul& m : v.module)
        if (dokumente.erase(cb::KleinGefaltet(m.name)))
            m.art = KomponentenArt::Dokument;
    if (!dokumente.empty())
        throw FalscherAufruf("--document names no module: '" + *dokumente.begin() + "'");
    if (name)
        v.name = *name;
    if (const std::string fehler = VorlagenFehler(v); !fehler.empty())
        throw std::runtime_error(fehler);
    // Every code page the reader knows must take the names, or the file
    // would hold names it cannot give back.
    for (const QuellModul& m : v.module)
        if (cb::CodepageNachUtf8(cb::Utf8NachCodepage(m.name, v.codepage), v.codepage) != m.name)
            throw std::runtime_error("module name \"" + m.name + "\" has characters that code page " +
                                     std::to_string(v.codepage) + " lacks");

    Schreiben(ausgabe, OfficeDateiBauen(v, ziel));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    try {
        return Ausfuehren(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const FalscherAufruf& e) {
        std::cerr << "cbwb: " << e.what() << "\n" << Hilfe << BeschaedigungsNamen() << "\n";
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "cbwb: " << e.what() << "\n";
        return 1;
    }
}
