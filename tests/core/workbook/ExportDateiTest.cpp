// SPDX-License-Identifier: GPL-3.0-or-later
// What the workbook writer makes of exported module files and of generated
// projects, and the text decoding the reader relies on.
#include "testhilfen/ExportDatei.h"
#include "import/workbook/FormatError.h"
#include "import/workbook/TextDekodierung.h"
#include "import/workbook/WorkbookReader.h"
#include "testhilfen/ProjektGenerator.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

namespace {

using namespace cb::workbook;

TEST(WorkbookExportFile, HeaderDroppedKindFromExtensionAndBase) {
    const QuellModul klasse = ModulAusExport(
        "VERSION 1.0 CLASS\nBEGIN\n  MultiUse = -1  'True\nEND\nAttribute VB_Name = \"Konto\"\n"
        "Attribute VB_Exposed = False\nPrivate m As Long\n",
        "src/Konto.cls");
    EXPECT_EQ(klasse.name, "Konto");
    EXPECT_EQ(klasse.art, KomponentenArt::Klasse);
    // LF line breaks (as git may leave them) become CR LF.
    EXPECT_EQ(klasse.quelle,
              "Attribute VB_Name = \"Konto\"\r\nAttribute VB_Exposed = False\r\nPrivate m As Long\r\n");

    const QuellModul blatt =
        ModulAusExport("VERSION 1.0 CLASS\r\nBEGIN\r\nEND\r\nAttribute VB_Name = \"Tabelle1\"\r\n"
                       "Attribute VB_Base = \"0{00020820-0000-0000-C000-000000000046}\"\r\nOption Explicit",
                       "Tabelle1.CLS");
    EXPECT_EQ(blatt.art, KomponentenArt::Dokument);
    EXPECT_EQ(blatt.quelle.substr(blatt.quelle.size() - 17), "Option Explicit\r\n");

    const QuellModul form = ModulAusExport(
        "VERSION 5.00\r\nBegin {C62A69F0-16DC-11CE-9E98-00AA00574A4F} Maske\r\n   Caption = \"x\"\r\nEnd\r\n"
        "Attribute VB_Name = \"Maske\"\r\nPrivate Sub UserForm_Click()\r\nEnd Sub\r\n",
        "Maske.frm");
    EXPECT_EQ(form.art, KomponentenArt::Designer);
    EXPECT_EQ(form.quelle, "Attribute VB_Name = \"Maske\"\r\nPrivate Sub UserForm_Click()\r\nEnd Sub\r\n");

    // A bare standard module takes its name from the file.
    const QuellModul roh = ModulAusExport("Sub Größe()\r\nEnd Sub\r\n", "/tmp/Maße.bas");
    EXPECT_EQ(roh.name, "Maße");
    EXPECT_EQ(roh.quelle, "Attribute VB_Name = \"Maße\"\r\nSub Größe()\r\nEnd Sub\r\n");
    // Windows-1252 bytes are taken as such.
    EXPECT_EQ(ModulAusExport("Attribute VB_Name = \"M\"\r\n' Gr\xF6\xDF"
                             "e\r\n",
                             "M.bas")
                  .quelle,
              "Attribute VB_Name = \"M\"\r\n' Größe\r\n");
}

TEST(WorkbookExportFile, WhatIsNoModuleIsRefusedWithItsName) {
    auto meldung = [](std::string_view inhalt, const std::string& datei) {
        try {
            ModulAusExport(inhalt, datei);
        } catch (const std::invalid_argument& e) {
            return std::string(e.what());
        }
        return std::string("accepted");
    };
    EXPECT_NE(meldung("Sub A()\r\nEnd Sub\r\n", "notes.txt").find("\"notes.txt\""), std::string::npos);
    EXPECT_NE(meldung("VERSION 1.0 CLASS\r\nBEGIN\r\nEND\r\n", "K.cls").find("VB_Name"), std::string::npos);
    EXPECT_NE(meldung("Attribute VB_Name = \"\"\r\n", "M.bas").find("empty"), std::string::npos);

    ProjektVorlage v;
    EXPECT_EQ(VorlagenFehler(v), "");
    v.module = {{"Modul1", KomponentenArt::Standard, ""}, {"MODUL1", KomponentenArt::Standard, ""}};
    EXPECT_NE(VorlagenFehler(v).find("twice"), std::string::npos);
    for (const char* falsch :
         {"1Modul", "_Modul", "Mo dul", "Mo-dul", "", "M23456789012345678901234567890123"}) {
        v.module = {{falsch, KomponentenArt::Standard, ""}};
        EXPECT_NE(VorlagenFehler(v), "") << falsch;
    }
    v.module = {{"Лист_1", KomponentenArt::Dokument, ""}};
    EXPECT_EQ(VorlagenFehler(v), "");
    v.name = "Mein Projekt";
    EXPECT_NE(VorlagenFehler(v).find("project name"), std::string::npos);
}

TEST(WorkbookGenerator, ProjectOfTheAskedSizeReadsBack) {
    const ProjektVorlage v = ProjektErzeugen(300, 100000);
    EXPECT_EQ(VorlagenFehler(v), "");
    const VbaProjekt p = WorkbookAusBytes(XlsmBauen(v), "generated.xlsm");
    ASSERT_EQ(p.komponenten.size(), 300u);
    std::size_t zeilen = 0;
    std::map<KomponentenArt, int> arten;
    for (const Komponente& k : p.komponenten) {
        zeilen += k.zeilen;
        ++arten[k.art];
        EXPECT_TRUE(k.zeilen == 333 || k.zeilen == 334) << k.name << " " << k.zeilen;
    }
    EXPECT_EQ(zeilen, 100000u);
    EXPECT_EQ(arten[KomponentenArt::Dokument], 2);
    EXPECT_GT(arten[KomponentenArt::Klasse], 10);
    EXPECT_GT(arten[KomponentenArt::Designer], 0);
    EXPECT_EQ(p.komponenten[0].name, "DieseArbeitsmappe");
    // Procedures call into other standard modules.
    EXPECT_NE(p.komponenten[2].code.find("Modul4.Wert0("), std::string::npos);
    EXPECT_NE(p.komponenten[2].code.find("Public Property Let Menge"), std::string::npos);

    // Small sizes still give well-formed modules of exactly that many lines.
    const VbaProjekt klein = WorkbookAusBytes(XlsBauen(ProjektErzeugen(3, 7)), "small.xls");
    ASSERT_EQ(klein.komponenten.size(), 3u);
    EXPECT_EQ(klein.komponenten[0].zeilen + klein.komponenten[1].zeilen + klein.komponenten[2].zeilen, 7u);
    EXPECT_EQ(ProjektErzeugen(5, 500).module[4].quelle, ProjektErzeugen(5, 500).module[4].quelle);
}

TEST(WorkbookTextDecoding, BrokenBytesStandForThemselves) {
    EXPECT_EQ(NachUtf8("A\x82\xA0\xFF"
                       "B",
                       932),
              "AあÿB");
    EXPECT_EQ(NachUtf8("\xC4\xE3\xBA\xC3", 936), "你好");
    EXPECT_EQ(NachUtf8("\xCB\xE8\xF1\xF2", 1251), "Лист");
    EXPECT_EQ(NachUtf8(std::string("a\0b\0", 4), 1200), "ab");
    // A sequence cut at the end.
    EXPECT_EQ(NachUtf8("x\x82", 932), "x‚");
    // Two million broken bytes: each is one step, however many there are.
    const std::string kaputt(2'000'000, '\xFF');
    const std::string text = NachUtf8(kaputt, 932);
    EXPECT_EQ(text.size(), 4'000'000u);
    EXPECT_EQ(text.substr(0, 4), "ÿÿ");
    EXPECT_THROW(NachUtf8("abc", 4711), FormatError);
}

} // namespace
