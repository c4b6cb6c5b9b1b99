// SPDX-License-Identifier: GPL-3.0-or-later
// The example workbook: built by cbwb from examples/, read back as the VBA
// editor would show it.
#include "import/workbook/WorkbookReader.h"
#include "testhilfen/ExportDatei.h"
#include "testhilfen/VbaProjectWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

using namespace cb::workbook;
namespace fs = std::filesystem;

const std::vector<std::pair<std::string, KomponentenArt>> Erwartet = {
    {"ThisWorkbook", KomponentenArt::Dokument}, {"Tabelle1", KomponentenArt::Dokument},
    {"ModStart", KomponentenArt::Standard},     {"ModRechnen", KomponentenArt::Standard},
    {"ModTexte", KomponentenArt::Standard},     {"KlsKunde", KomponentenArt::Klasse},
    {"KlsRechnung", KomponentenArt::Klasse},    {"FrmEingabe", KomponentenArt::Designer},
};

void ErwarteBeispiel(const VbaProjekt& p) {
    EXPECT_EQ(p.name, "Beispiel");
    EXPECT_FALSE(p.gesperrt);
    ASSERT_EQ(p.komponenten.size(), Erwartet.size());
    for (std::size_t i = 0; i < Erwartet.size(); ++i) {
        EXPECT_EQ(p.komponenten[i].name, Erwartet[i].first);
        EXPECT_EQ(p.komponenten[i].art, Erwartet[i].second) << Erwartet[i].first;
        // Every module holds code worth listing (more than two lines).
        EXPECT_GT(p.komponenten[i].zeilen, 2u) << Erwartet[i].first;
        EXPECT_EQ(p.komponenten[i].code.find("Attribute "), std::string::npos) << Erwartet[i].first;
    }
    const Komponente& start = p.komponenten[2];
    EXPECT_NE(start.code.find("Private Declare PtrSafe Function GetTickCount"), std::string::npos);
    // An Attribute line inside a procedure is hidden like those at the top.
    const Komponente& kunde = p.komponenten[5];
    EXPECT_NE(kunde.code.find("Public Property Get Name() As String\r\n    Name = m_name"),
              std::string::npos);
    EXPECT_NE(kunde.code.find("Public Property Set Rechnung"), std::string::npos);
    // Windows-1252 characters survive the round trip.
    EXPECT_NE(p.komponenten[4].code.find("\" €\""), std::string::npos);
}

TEST(WorkbookExample, SourcesWriteAReadableWorkbook) {
    const fs::path ordner = fs::path(CB_SOURCE_DIR) / "examples";
    ProjektVorlage v;
    v.name = "Beispiel";
    for (const auto& [name, art] : Erwartet) {
        const std::string endung = art == KomponentenArt::Standard   ? ".bas"
                                   : art == KomponentenArt::Designer ? ".frm"
                                                                     : ".cls";
        const fs::path datei = ordner / (name + endung);
        std::ifstream in(datei, std::ios::binary);
        ASSERT_TRUE(in) << datei;
        std::stringstream ss;
        ss << in.rdbuf();
        v.module.push_back(ModulAusExport(ss.str(), datei.string()));
    }
    EXPECT_EQ(VorlagenFehler(v), "");
    ErwarteBeispiel(WorkbookAusBytes(XlsmBauen(v), "Beispiel.xlsm"));
    ErwarteBeispiel(WorkbookAusBytes(XlsBauen(v), "Beispiel.xls"));
}

TEST(WorkbookExample, BuiltWorkbookReadsBack) {
    // Built with the tests (the target beispiel); absent in builds without tools.
    const fs::path datei = fs::path(CB_BIN_DIR).parent_path() / "examples" / "Beispiel.xlsm";
    if (!fs::exists(datei))
        GTEST_SKIP() << datei << " was not built";
    ErwarteBeispiel(WorkbookLesen(datei));
}

} // namespace
