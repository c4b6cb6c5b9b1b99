// SPDX-License-Identifier: GPL-3.0-or-later
// The real workbooks of the shared test data, checked against its manifest
// and against the exported sources that sit beside them.
#include "app/Text.h"
#include "import/workbook/WorkbookError.h"
#include "import/workbook/WorkbookReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

namespace {

using namespace cb::workbook;
namespace fs = std::filesystem;

struct ManifestZeile {
    std::string datei, container, projekt, codepage, gesperrt, modul, art, zeilen, export_, vergleich;
};

fs::path Daten() {
    return fs::path(CB_TESTDATA_DIR);
}

std::vector<ManifestZeile> Manifest() {
    std::ifstream in(Daten() / "MANIFEST.tsv");
    std::vector<ManifestZeile> out;
    std::string zeile;
    std::getline(in, zeile); // column names
    while (std::getline(in, zeile)) {
        std::vector<std::string> f;
        std::stringstream ss(zeile);
        for (std::string feld; std::getline(ss, feld, '\t');)
            f.push_back(feld);
        f.resize(10);
        out.push_back({f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9]});
    }
    return out;
}

std::string ArtName(KomponentenArt a) {
    switch (a) {
    case KomponentenArt::Dokument:
        return "document";
    case KomponentenArt::Standard:
        return "standard";
    case KomponentenArt::Klasse:
        return "class";
    case KomponentenArt::Designer:
        return "userform";
    }
    return "?";
}

// Lines of a file: each ends with a line break (CR LF, or LF where git
// changed it); a rest after the last break is a line too.
std::vector<std::string> DateiZeilen(const std::string& text) {
    std::vector<std::string> out;
    std::stringstream ss(text);
    for (std::string z; std::getline(ss, z);) {
        if (!z.empty() && z.back() == '\r')
            z.pop_back();
        out.push_back(z);
    }
    return out;
}

// Lines of the code a component gives: joined by CR LF, so an empty last
// line leaves the text ending in CR LF.
std::vector<std::string> CodeZeilen(const std::string& code, std::size_t zeilen) {
    std::vector<std::string> out;
    if (zeilen == 0)
        return out;
    std::size_t pos = 0;
    for (std::size_t ende; (ende = code.find("\r\n", pos)) != std::string::npos; pos = ende + 2)
        out.push_back(code.substr(pos, ende - pos));
    out.push_back(code.substr(pos));
    return out;
}

std::string DateiInhalt(const fs::path& datei) {
    std::ifstream in(datei, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// The editor exports in the project's code page.
std::vector<std::string> ExportZeilen(const fs::path& datei, int codepage) {
    return DateiZeilen(cb::CodepageNachUtf8(DateiInhalt(datei), codepage));
}

// The editor's view of an exported file: no header before "Attribute
// VB_Name", no Attribute lines at all.
std::vector<std::string> ExportCode(const std::vector<std::string>& zeilen) {
    std::vector<std::string> out;
    bool kopf = true;
    for (const std::string& z : zeilen) {
        if (z.starts_with("Attribute VB_Name"))
            kopf = false;
        if (!kopf && !z.starts_with("Attribute "))
            out.push_back(z);
    }
    return out;
}

// The stored source of an EXACT export: the file from its VB_Name line on.
std::size_t GespeicherteStuecke(const std::vector<std::string>& zeilen, const std::string& text) {
    std::size_t erste = 0;
    while (erste < zeilen.size() && !zeilen[erste].starts_with("Attribute VB_Name"))
        ++erste;
    // The manifest counts the pieces between line breaks, the empty one
    // after the final break included.
    const bool endetMitUmbruch = !text.empty() && text.back() == '\n';
    return zeilen.size() - erste + (endetMitUmbruch ? 1 : 0);
}

class WorkbookTestdata : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(Daten() / "MANIFEST.tsv"))
            GTEST_SKIP() << "no test data at " << Daten();
    }
};

TEST_F(WorkbookTestdata, EveryFileAsTheManifestSays) {
    std::map<std::string, std::vector<ManifestZeile>> proDatei;
    std::vector<std::string> reihenfolge;
    for (ManifestZeile& z : Manifest()) {
        if (!proDatei.contains(z.datei))
            reihenfolge.push_back(z.datei);
        proDatei[z.datei].push_back(z);
    }
    ASSERT_GE(reihenfolge.size(), 14u);
    for (const std::string& datei : reihenfolge) {
        SCOPED_TRACE(datei);
        const std::vector<ManifestZeile>& module = proDatei[datei];
        const fs::path pfad = Daten() / datei;
        if (module[0].vergleich.starts_with("NO-VBA")) {
            try {
                WorkbookLesen(pfad);
                ADD_FAILURE() << "read although it has no readable VBA";
            } catch (const WorkbookError& e) {
                EXPECT_NE(std::string(e.what()).find(pfad.string()), std::string::npos);
                const bool verschluesselt = module[0].vergleich.find("encrypted") != std::string::npos;
                EXPECT_EQ(e.Art(),
                          verschluesselt ? WorkbookFehler::Verschluesselt : WorkbookFehler::KeinVbaProjekt)
                    << e.what();
            }
            continue;
        }
        VbaProjekt p;
        try {
            p = WorkbookLesen(pfad);
        } catch (const std::exception& e) {
            ADD_FAILURE() << e.what();
            continue;
        }
        EXPECT_EQ(p.name, module[0].projekt);
        EXPECT_EQ(std::to_string(p.codepage), module[0].codepage);
        EXPECT_EQ(p.gesperrt, module[0].gesperrt == "yes");
        // The manifest lists the modules in the dir stream's order; the
        // components come in the PROJECT stream's, so they pair up by name.
        ASSERT_EQ(p.komponenten.size(), module.size());
        for (const ManifestZeile& m : module) {
            SCOPED_TRACE(m.modul);
            const auto k = std::find_if(p.komponenten.begin(), p.komponenten.end(),
                                        [&](const Komponente& c) { return c.name == m.modul; });
            ASSERT_NE(k, p.komponenten.end());
            EXPECT_EQ(ArtName(k->art), m.art);
            // VBA ends every stored line with CR LF; the manifest counts the
            // empty rest after the last one as a line as well.
            EXPECT_EQ(std::to_string(k->gespeicherteZeilen + 1), m.zeilen);
            const std::vector<std::string> code = CodeZeilen(k->code, k->zeilen);
            EXPECT_EQ(code.size(), k->zeilen);
            if (k->zeilen == 0) {
                EXPECT_EQ(k->code, "");
            }
            if (m.export_.empty())
                continue;
            const std::string roh = DateiInhalt(Daten() / m.export_);
            const std::vector<std::string> export_ = ExportZeilen(Daten() / m.export_, p.codepage);
            EXPECT_EQ(code, ExportCode(export_));
            if (m.vergleich == "EXACT") {
                EXPECT_EQ(std::to_string(GespeicherteStuecke(export_, roh)), m.zeilen);
            }
        }
    }
}

TEST_F(WorkbookTestdata, ForeignScriptNamesStayDistinct) {
    const VbaProjekt p = WorkbookLesen(Daten() / "tafia__calamine/tests/any_sheets.xls");
    ASSERT_EQ(p.komponenten.size(), 4u);
    EXPECT_EQ(p.komponenten[0].name, "Лист1");
    EXPECT_EQ(p.komponenten[3].name, "Диаграмма4");
    EXPECT_NE(p.komponenten[0].name, p.komponenten[1].name);
    EXPECT_EQ(p.referenzen.at(0).name, "stdole");

    const VbaProjekt alt = WorkbookLesen(Daten() / "tafia__calamine/tests/optional_records.xls");
    ASSERT_EQ(alt.komponenten.size(), 1u);
    EXPECT_EQ(alt.referenzen.size(), 3u);
}

// An OLE file cut short loses the storages whose sectors are gone; what is
// left must read as damaged, not as a file without a project.
TEST_F(WorkbookTestdata, CutOleFilesAreDamagedNotEmpty) {
    for (const char* datei :
         {"tafia__calamine/tests/any_sheets.xls", "tafia__calamine/tests/optional_records.xls",
          "liteninkiran__excel-interface/xl/vbaProject.bin", "felipepodolan__Git2Office/xl/vbaProject.bin"}) {
        std::ifstream in(Daten() / datei, std::ios::binary);
        const std::string ganz((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        ASSERT_FALSE(ganz.empty()) << datei;
        ASSERT_NO_THROW(WorkbookAusBytes(ganz, datei));
        for (int prozent = 5; prozent < 100; prozent += 5) {
            SCOPED_TRACE(std::string(datei) + " cut at " + std::to_string(prozent) + "%");
            try {
                WorkbookAusBytes(std::string_view(ganz).substr(0, ganz.size() * prozent / 100), datei);
                ADD_FAILURE() << "a cut file was read";
            } catch (const WorkbookError& e) {
                EXPECT_NE(e.Art(), WorkbookFehler::KeinVbaProjekt) << e.what();
            }
        }
    }
    // A sound file without a project still says so.
    std::ifstream in(Daten() / "decalage2__oletools/tests/test-data/excel4-macros/excel4_sample_macro.xls",
                     std::ios::binary);
    const std::string excel4((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    try {
        WorkbookAusBytes(excel4, "excel4.xls");
        ADD_FAILURE() << "an Excel 4 macro sheet has no VBA project";
    } catch (const WorkbookError& e) {
        EXPECT_EQ(e.Art(), WorkbookFehler::KeinVbaProjekt) << e.what();
    }
}

} // namespace
