// SPDX-License-Identifier: GPL-3.0-or-later
// Workbooks of every shape written by our own writer, read back, and the
// ways a file can fail to hold a readable project.
#include "import/workbook/ContainerWriter.h"
#include "import/workbook/DirStream.h"
#include "import/workbook/FormatError.h"
#include "import/workbook/OvbaCompression.h"
#include "import/workbook/VbaProjectWriter.h"
#include "import/workbook/WorkbookError.h"
#include "import/workbook/WorkbookReader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

using namespace cb::workbook;

ProjektVorlage Vorlage() {
    ProjektVorlage v;
    v.name = "Mappe";
    v.module = {
        {"DieseArbeitsmappe", KomponentenArt::Dokument, "Attribute VB_Name = \"DieseArbeitsmappe\"\r\nAttribute VB_Base = \"0{00020819-0000-0000-C000-000000000046}\"\r\nPrivate Sub Workbook_Open()\r\nEnd Sub\r\n"},
        {"Modul1", KomponentenArt::Standard, "Attribute VB_Name = \"Modul1\"\r\nOption Explicit\r\nPublic Function Größe() As Long\r\nAttribute Größe.VB_Description = \"Maß\"\r\n    Größe = 1\r\nEnd Function\r\n"},
        {"Klasse1", KomponentenArt::Klasse, "Attribute VB_Name = \"Klasse1\"\r\nPrivate m_x As Long\r\n"},
        {"Formular", KomponentenArt::Designer, "Attribute VB_Name = \"Formular\"\r\nPrivate Sub UserForm_Click()\r\nEnd Sub\r\n"},
    };
    return v;
}

WorkbookFehler FehlerArt(std::string_view bytes, const std::string& name) {
    try {
        WorkbookAusBytes(bytes, name);
    } catch (const WorkbookError& e) {
        EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
        return e.Art();
    }
    ADD_FAILURE() << name << " was read";
    return WorkbookFehler::NichtGefunden;
}

void ErwarteVorlage(const VbaProjekt& p) {
    EXPECT_EQ(p.name, "Mappe");
    EXPECT_EQ(p.codepage, 1252);
    EXPECT_FALSE(p.gesperrt);
    ASSERT_EQ(p.komponenten.size(), 4u);
    EXPECT_EQ(p.komponenten[0].name, "DieseArbeitsmappe");
    EXPECT_EQ(p.komponenten[0].art, KomponentenArt::Dokument);
    EXPECT_EQ(p.komponenten[1].art, KomponentenArt::Standard);
    EXPECT_EQ(p.komponenten[1].code, "Option Explicit\r\nPublic Function Größe() As Long\r\n    Größe = 1\r\nEnd Function");
    EXPECT_EQ(p.komponenten[1].zeilen, 4u);
    EXPECT_EQ(p.komponenten[1].gespeicherteZeilen, 6u);
    EXPECT_EQ(p.komponenten[2].art, KomponentenArt::Klasse);
    EXPECT_EQ(p.komponenten[3].art, KomponentenArt::Designer);
    ASSERT_EQ(p.referenzen.size(), 1u);
    EXPECT_EQ(p.referenzen[0].name, "stdole");
    EXPECT_EQ(p.referenzen[0].art, ReferenzArt::Registriert);
}

TEST(WorkbookWriter, EveryContainerReadsBack) {
    const ProjektVorlage v = Vorlage();
    ErwarteVorlage(WorkbookAusBytes(XlsmBauen(v), "a.xlsm"));
    ErwarteVorlage(WorkbookAusBytes(XlsBauen(v), "a.xls"));
    ErwarteVorlage(WorkbookAusBytes(VbaProjectBin(v), "vbaProject.bin"));

    const auto pfad = std::filesystem::temp_directory_path() / "cb_workbook_writer_test.xlsm";
    {
        std::ofstream out(pfad, std::ios::binary);
        const std::string bytes = XlsmBauen(v);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    ErwarteVorlage(WorkbookLesen(pfad));
    std::filesystem::remove(pfad);
}

TEST(WorkbookWriter, LockedProjectAndForeignScripts) {
    ProjektVorlage v = Vorlage();
    v.gesperrt = true;
    const VbaProjekt gesperrt = WorkbookAusBytes(XlsmBauen(v), "locked.xlsm");
    EXPECT_TRUE(gesperrt.gesperrt);
    EXPECT_TRUE(gesperrt.passwort);
    EXPECT_EQ(gesperrt.komponenten.size(), 4u); // the source is still stored in clear

    for (auto [cp, a, b] : {std::tuple{1251, "Лист1", "Лист2"}, std::tuple{932, "シート1", "シート2"},
                            std::tuple{936, "工作表1", "工作表2"}}) {
        ProjektVorlage f;
        f.codepage = cp;
        f.module = {{a, KomponentenArt::Dokument, "' Комментарий\r\n"}, {b, KomponentenArt::Standard, "Sub X()\r\nEnd Sub\r\n"}};
        const VbaProjekt p = WorkbookAusBytes(XlsBauen(f), "cp.xls");
        EXPECT_EQ(p.codepage, cp);
        ASSERT_EQ(p.komponenten.size(), 2u);
        EXPECT_EQ(p.komponenten[0].name, a);
        EXPECT_EQ(p.komponenten[1].name, b);
        EXPECT_EQ(p.komponenten[0].art, KomponentenArt::Dokument);
        EXPECT_EQ(p.komponenten[1].art, KomponentenArt::Standard);
    }
}

TEST(WorkbookWriter, ManyLargeModules) {
    ProjektVorlage v;
    std::string lang;
    for (int i = 0; i < 3000; ++i)
        lang += "    x = x + " + std::to_string(i) + " ' " + std::string(static_cast<std::size_t>(i % 300), 'k') + "\r\n";
    for (int m = 0; m < 40; ++m)
        v.module.push_back({"M" + std::to_string(m), KomponentenArt::Standard, "Sub S()\r\n" + lang + "End Sub\r\n"});
    const VbaProjekt p = WorkbookAusBytes(XlsmBauen(v), "big.xlsm");
    ASSERT_EQ(p.komponenten.size(), 40u);
    EXPECT_EQ(p.komponenten[39].name, "M39");
    EXPECT_EQ(p.komponenten[39].zeilen, 3002u);
}

std::vector<ContainerEintrag> MitErsetzt(std::string pfad, std::string daten) {
    std::vector<ContainerEintrag> s = VbaSpeicherBauen(Vorlage());
    for (ContainerEintrag& e : s)
        if (e.pfad == pfad)
            e.daten = std::move(daten);
    return s;
}

TEST(WorkbookErrors, FilesWithoutReadableProject) {
    EXPECT_EQ(FehlerArt("Sub Main()\r\nEnd Sub\r\n", "renamed.xlsm"), WorkbookFehler::KeinContainer);
    EXPECT_EQ(FehlerArt("", "empty.xlsm"), WorkbookFehler::KeinContainer);
    EXPECT_EQ(FehlerArt(ZipSchreiben({{"[Content_Types].xml", "<Types/>"}, {"xl/workbook.xml", "<w/>"}}), "plain.xlsx"),
              WorkbookFehler::KeinVbaProjekt);
    EXPECT_EQ(FehlerArt(OleSchreiben({{"EncryptionInfo", "x"}, {"EncryptedPackage", "y"}}), "secret.xlsm"),
              WorkbookFehler::Verschluesselt);
    EXPECT_EQ(FehlerArt(OleSchreiben({{"Workbook", std::string(64, '\0')}}), "xlm.xls"), WorkbookFehler::KeinVbaProjekt);
    // A container's signature followed by rubbish is a damaged file, not a
    // foreign one.
    EXPECT_EQ(FehlerArt(std::string("PK\x03\x04", 4) + std::string(100, 'z'), "cut.xlsm"),
              WorkbookFehler::ContainerBeschaedigt);
    EXPECT_EQ(FehlerArt(std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + std::string(600, '\0'), "cut.xls"),
              WorkbookFehler::ContainerBeschaedigt);
    EXPECT_EQ(FehlerArt(ZipSchreiben({{"xl/vbaProject.bin", "not an OLE file"}}), "fake.xlsm"), WorkbookFehler::Beschaedigt);

    try {
        WorkbookLesen("/nonexistent/folder/Mappe.xlsm");
        ADD_FAILURE();
    } catch (const WorkbookError& e) {
        EXPECT_EQ(e.Art(), WorkbookFehler::NichtGefunden);
        EXPECT_NE(std::string(e.what()).find("Mappe.xlsm"), std::string::npos);
    }
}

TEST(WorkbookErrors, ZipBombIsRefusedBeforeInflating) {
    const std::string bombe = ZipSchreiben({{"xl/vbaProject.bin", std::string(std::size_t{16} << 20, '\0')}});
    ASSERT_LT(bombe.size(), std::size_t{1} << 20);
    EXPECT_EQ(FehlerArt(bombe, "bomb.xlsm"), WorkbookFehler::ZuGross);
}

TEST(WorkbookErrors, DamagedStreams) {
    EXPECT_EQ(FehlerArt(OleSchreiben(MitErsetzt("VBA/dir", "garbage")), "dir.bin"), WorkbookFehler::Beschaedigt);
    EXPECT_EQ(FehlerArt(OleSchreiben(MitErsetzt("VBA/dir", Komprimieren("\x01\x00\x04\x00"))), "dir2.bin"),
              WorkbookFehler::Beschaedigt);
    // A copy token reaching before its chunk, in a module's source.
    EXPECT_EQ(FehlerArt(OleSchreiben(MitErsetzt("VBA/Modul1", std::string("\x01\x03\xB0\x02\x61\x00\x10", 7))), "window.bin"),
              WorkbookFehler::Beschaedigt);
    EXPECT_EQ(FehlerArt(OleSchreiben(MitErsetzt("VBA/Klasse1", "")), "empty.bin"), WorkbookFehler::Beschaedigt);
    std::vector<ContainerEintrag> ohneModul = VbaSpeicherBauen(Vorlage());
    std::erase_if(ohneModul, [](const ContainerEintrag& e) { return e.pfad == "VBA/Formular"; });
    EXPECT_EQ(FehlerArt(OleSchreiben(ohneModul), "missing.bin"), WorkbookFehler::Beschaedigt);
    EXPECT_EQ(FehlerArt(OleSchreiben(MitErsetzt("PROJECT", "Module=Unbekannt\r\n")), "project.bin"),
              WorkbookFehler::Beschaedigt);
}

TEST(WorkbookDir, TruncatedOrInconsistentDirStreams) {
    const std::vector<ContainerEintrag> s = VbaSpeicherBauen(Vorlage());
    const std::string dir = Dekomprimieren(s[3].daten);
    ASSERT_EQ(s[3].pfad, "VBA/dir");
    const DirInfo info = DirLesen(dir);
    EXPECT_EQ(info.module.size(), 4u);
    EXPECT_EQ(info.compatVersion, 2u);
    EXPECT_EQ(info.lcid, 0x409u);
    EXPECT_EQ(info.versionMajor, 1u);
    // Every cut through the stream is refused, never misread.
    for (std::size_t n = 0; n + 6 < dir.size(); n += 7)
        EXPECT_THROW(DirLesen(dir.substr(0, n)), FormatError) << n;
}

TEST(WorkbookDir, OptionalRecordsMayBeMissing) {
    // Office 97 style: no PROJECTCOMPATVERSION, no Unicode names, no doc strings.
    auto satz = [](std::string& d, std::uint16_t id, std::string daten) {
        d += static_cast<char>(id & 0xFF);
        d += static_cast<char>(id >> 8);
        for (int k = 0; k < 4; ++k)
            d += static_cast<char>((daten.size() >> (8 * k)) & 0xFF);
        d += daten;
    };
    std::string d;
    satz(d, 0x0001, std::string("\x01\0\0\0", 4));
    satz(d, 0x0003, std::string("\xE4\x04", 2));
    satz(d, 0x0004, "Alt");
    satz(d, 0x000F, std::string("\x01\0", 2));
    satz(d, 0x0013, std::string("\xFF\xFF", 2));
    satz(d, 0x0019, "Sheet15");
    satz(d, 0x001A, "Sheet15");
    satz(d, 0x0031, std::string("\x10\0\0\0", 4));
    satz(d, 0x0022, "");
    satz(d, 0x002B, std::string(4, '\0'));
    satz(d, 0x0010, "");
    const DirInfo info = DirLesen(d);
    EXPECT_FALSE(info.compatVersion.has_value());
    EXPECT_EQ(info.name, "Alt");
    ASSERT_EQ(info.module.size(), 1u);
    EXPECT_EQ(info.module[0].name, "Sheet15");
    EXPECT_EQ(info.module[0].textOffset, 16u);
    EXPECT_FALSE(info.module[0].prozedural);
}

} // namespace
