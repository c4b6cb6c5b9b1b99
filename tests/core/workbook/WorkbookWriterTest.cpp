// SPDX-License-Identifier: GPL-3.0-or-later
// Workbooks of every shape written by our own writer, read back, and the
// ways a file can fail to hold a readable project.
#include "app/Text.h"
#include "import/workbook/ContainerReader.h"
#include "import/workbook/DirStream.h"
#include "import/workbook/FormatError.h"
#include "import/workbook/OvbaCompression.h"
#include "import/workbook/WorkbookError.h"
#include "import/workbook/WorkbookReader.h"
#include "testhilfen/BiffMappe.h"
#include "testhilfen/ContainerWriter.h"
#include "testhilfen/OoxmlPaket.h"
#include "testhilfen/VbaProjectWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <tuple>

namespace {

using namespace cb::workbook;

ProjektVorlage Vorlage() {
    ProjektVorlage v;
    v.name = "Mappe";
    v.module = {
        {"DieseArbeitsmappe", KomponentenArt::Dokument,
         "Attribute VB_Name = \"DieseArbeitsmappe\"\r\nAttribute VB_Base = "
         "\"0{00020819-0000-0000-C000-000000000046}\"\r\nPrivate Sub Workbook_Open()\r\nEnd Sub\r\n"},
        {"Modul1", KomponentenArt::Standard,
         "Attribute VB_Name = \"Modul1\"\r\nOption Explicit\r\nPublic Function Größe() As Long\r\nAttribute "
         "Größe.VB_Description = \"Maß\"\r\n    Größe = 1\r\nEnd Function\r\n"},
        {"Klasse1", KomponentenArt::Klasse, "Attribute VB_Name = \"Klasse1\"\r\nPrivate m_x As Long\r\n"},
        {"Formular", KomponentenArt::Designer,
         "Attribute VB_Name = \"Formular\"\r\nPrivate Sub UserForm_Click()\r\nEnd Sub\r\n"},
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
    EXPECT_EQ(p.komponenten[1].code,
              "Option Explicit\r\nPublic Function Größe() As Long\r\n    Größe = 1\r\nEnd Function");
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

// Every kind of file the writer makes, and the places where Word and
// PowerPoint keep the project, read back by the container reader.
TEST(WorkbookWriter, EveryOfficeFileReadsBack) {
    const ProjektVorlage v = Vorlage();
    for (const char* endung :
         {".xlsm", ".xltm", ".xlam", ".xls", ".XLA", ".xlt", ".docm", ".dotm", ".pptm", ".doc", ".bin"}) {
        const auto art = OfficeArtAusEndung(endung);
        ASSERT_TRUE(art.has_value()) << endung;
        SCOPED_TRACE(endung);
        ErwarteVorlage(WorkbookAusBytes(OfficeDateiBauen(v, *art), std::string("a") + endung));
    }
    EXPECT_FALSE(OfficeArtAusEndung(".xlsx").has_value());
    EXPECT_FALSE(OfficeArtAusEndung("").has_value());

    // Without [Content_Types].xml naming the part, the usual paths are found.
    for (const char* pfad : {"xl/vbaProject.bin", "word/vbaProject.bin", "ppt/vbaProject.bin"})
        ErwarteVorlage(WorkbookAusBytes(ZipSchreiben({{pfad, VbaProjectBin(v)}}), pfad));
    // Word's binary documents keep the project in "Macros".
    std::vector<ContainerEintrag> doc;
    for (ContainerEintrag& e : VbaSpeicherBauen(v))
        doc.push_back({"Macros/" + e.pfad, std::move(e.daten)});
    doc.push_back({"WordDocument", std::string(512, '\0')});
    ErwarteVorlage(WorkbookAusBytes(OleSchreiben(doc), "a.doc"));
}

// The parts around vbaProject.bin: every relationship and every override
// names a part that is there, the main document has the type of its kind,
// and each document module of a workbook has its sheet.
TEST(WorkbookWriter, PackagesHoldTheirMainDocument) {
    auto attribute = [](const std::string& xml, const std::string& name) {
        std::vector<std::string> werte;
        const std::string muster = " " + name + "=\"";
        for (std::size_t p = xml.find(muster); p != std::string::npos; p = xml.find(muster, p + 1)) {
            const std::size_t a = p + muster.size();
            werte.push_back(xml.substr(a, xml.find('"', a) - a));
        }
        return werte;
    };
    const std::vector<std::tuple<PaketArt, std::string, std::string>> arten = {
        {PaketArt::Xlsm, "xl/workbook.xml", "application/vnd.ms-excel.sheet.macroEnabled.main+xml"},
        {PaketArt::Xltm, "xl/workbook.xml", "application/vnd.ms-excel.template.macroEnabled.main+xml"},
        {PaketArt::Xlam, "xl/workbook.xml", "application/vnd.ms-excel.addin.macroEnabled.main+xml"},
        {PaketArt::Docm, "word/document.xml", "application/vnd.ms-word.document.macroEnabled.main+xml"},
        {PaketArt::Dotm, "word/document.xml",
         "application/vnd.ms-word.template.macroEnabledTemplate.main+xml"},
        {PaketArt::Pptm, "ppt/presentation.xml",
         "application/vnd.ms-powerpoint.presentation.macroEnabled.main+xml"},
    };
    ExcelCodeNamen namen{"DieseArbeitsmappe", {"Tabelle1", "Übersicht"}};
    for (const auto& [art, haupt, typ] : arten) {
        SCOPED_TRACE(haupt + " " + typ);
        const std::vector<ContainerEintrag> teile = PaketTeile(art, namen, "BIN");
        std::map<std::string, std::string> nach;
        for (const ContainerEintrag& t : teile)
            nach[t.pfad] = t.daten;
        ASSERT_EQ(teile.front().pfad, "[Content_Types].xml");
        const std::string& typen = nach["[Content_Types].xml"];
        EXPECT_NE(typen.find("<Override PartName=\"/" + haupt + "\" ContentType=\"" + typ + "\"/>"),
                  std::string::npos);
        const std::string ordner = haupt.substr(0, haupt.find('/'));
        EXPECT_NE(typen.find("<Override PartName=\"/" + ordner +
                             "/vbaProject.bin\" ContentType=\"application/vnd.ms-office.vbaProject\"/>"),
                  std::string::npos);
        EXPECT_EQ(nach[ordner + "/vbaProject.bin"], "BIN");
        for (const std::string& teil : attribute(typen, "PartName"))
            EXPECT_TRUE(nach.count(teil.substr(1))) << teil;
        EXPECT_EQ(attribute(nach["_rels/.rels"], "Target"), std::vector<std::string>{haupt});

        // Targets are relative to the folder of the part that holds them.
        for (const auto& [pfad, daten] : nach) {
            if (!pfad.ends_with(".rels") || pfad == "_rels/.rels")
                continue;
            const std::string quelle = pfad.substr(0, pfad.find("/_rels/"));
            for (std::string ziel : attribute(daten, "Target")) {
                std::string basis = quelle;
                while (ziel.starts_with("../")) {
                    ziel = ziel.substr(3);
                    basis = basis.substr(0, basis.rfind('/'));
                }
                EXPECT_TRUE(nach.count(basis + "/" + ziel)) << pfad << " -> " << ziel;
            }
        }
        const std::string rels = nach[ordner + "/_rels/" + haupt.substr(ordner.size() + 1) + ".rels"];
        EXPECT_NE(rels.find("Type=\"http://schemas.microsoft.com/office/2006/relationships/vbaProject\" "
                            "Target=\"vbaProject.bin\""),
                  std::string::npos)
            << rels;
    }

    const std::vector<ContainerEintrag> xlsm = PaketTeile(PaketArt::Xlsm, namen, "BIN");
    std::map<std::string, std::string> nach;
    for (const ContainerEintrag& t : xlsm)
        nach[t.pfad] = t.daten;
    EXPECT_EQ(attribute(nach["xl/workbook.xml"], "codeName"), std::vector<std::string>{"DieseArbeitsmappe"});
    EXPECT_EQ(attribute(nach["xl/workbook.xml"], "name"),
              (std::vector<std::string>{"Tabelle1", "Übersicht"}));
    EXPECT_EQ(attribute(nach["xl/worksheets/sheet2.xml"], "codeName"), std::vector<std::string>{"Übersicht"});

    // Without document modules there is still one sheet, without a code name.
    const std::vector<ContainerEintrag> leer = PaketTeile(PaketArt::Xlsm, {}, "BIN");
    std::map<std::string, std::string> l;
    for (const ContainerEintrag& t : leer)
        l[t.pfad] = t.daten;
    EXPECT_EQ(attribute(l["xl/workbook.xml"], "name"), std::vector<std::string>{"Tabelle1"});
    EXPECT_TRUE(attribute(l["xl/workbook.xml"], "codeName").empty());
    EXPECT_TRUE(l.count("xl/worksheets/sheet1.xml"));
}

TEST(WorkbookWriter, SheetNamesFromCodeNames) {
    EXPECT_EQ(BlattNamen({}), std::vector<std::string>{"Tabelle1"});
    EXPECT_EQ(BlattNamen({"Mappe", {"Daten", "Tabelle1"}}), (std::vector<std::string>{"Daten", "Tabelle1"}));
    // A code name that no sheet may bear gives way to a number, never to a
    // name another sheet has.
    EXPECT_EQ(BlattNamen({"", {"", "Tabelle1", std::string(32, 'x')}}),
              (std::vector<std::string>{"Tabelle4", "Tabelle1", "Tabelle3"}));
}

// The Workbook stream of an .xls: records in sequence, the sheet offsets
// pointing at the sheets' BOF records, the project and code names there.
TEST(WorkbookWriter, BiffWorkbookStream) {
    struct Satz {
        std::size_t lage;
        std::uint16_t typ;
        std::string daten;
    };
    const std::string strom = BiffWorkbookStream({"DieseArbeitsmappe", {"Tabelle1", "Лист2"}}, true);
    std::vector<Satz> saetze;
    for (std::size_t p = 0; p < strom.size();) {
        ASSERT_LE(p + 4, strom.size());
        const auto u16 = [&](std::size_t i) {
            return static_cast<std::uint16_t>(static_cast<unsigned char>(strom[i]) |
                                              (static_cast<unsigned char>(strom[i + 1]) << 8));
        };
        const std::uint16_t typ = u16(p), laenge = u16(p + 2);
        ASSERT_LE(p + 4 + laenge, strom.size()) << "record at " << p;
        EXPECT_LE(laenge, 8224u);
        saetze.push_back({p, typ, strom.substr(p + 4, laenge)});
        p += 4 + laenge;
    }
    auto u16 = [](const std::string& d, std::size_t i) {
        return static_cast<std::uint16_t>(static_cast<unsigned char>(d[i]) |
                                          (static_cast<unsigned char>(d[i + 1]) << 8));
    };
    auto u32 = [&](const std::string& d, std::size_t i) {
        return static_cast<std::uint32_t>(u16(d, i)) | (static_cast<std::uint32_t>(u16(d, i + 2)) << 16);
    };
    ASSERT_GE(saetze.size(), 10u);
    EXPECT_EQ(saetze.front().typ, 0x0809);
    EXPECT_EQ(u16(saetze.front().daten, 0), 0x0600);
    EXPECT_EQ(u16(saetze.front().daten, 2), 0x0005);
    EXPECT_EQ(saetze.back().typ, 0x000A);

    std::vector<std::string> codeNamen, blaetter;
    std::size_t bofs = 0, eofs = 0, obproj = 0;
    for (const Satz& s : saetze) {
        bofs += s.typ == 0x0809;
        eofs += s.typ == 0x000A;
        obproj += s.typ == 0x00D3;
        if (s.typ == 0x01BA) {
            // XLUnicodeString: count, then one byte per character or UTF-16.
            const std::size_t n = u16(s.daten, 0);
            codeNamen.push_back(s.daten[2] == '\x01' ? cb::CodepageNachUtf8(s.daten.substr(3, 2 * n), 1200)
                                                     : s.daten.substr(3, n));
        }
        if (s.typ == 0x0085) {
            const std::size_t bof = u32(s.daten, 0);
            const auto ziel =
                std::find_if(saetze.begin(), saetze.end(), [&](const Satz& t) { return t.lage == bof; });
            ASSERT_NE(ziel, saetze.end()) << "a sheet offset points into a record";
            EXPECT_EQ(ziel->typ, 0x0809);
            EXPECT_EQ(u16(ziel->daten, 2), 0x0010) << "a worksheet";
            const std::size_t n = static_cast<unsigned char>(s.daten[6]);
            blaetter.push_back(s.daten[7] == '\x01' ? cb::CodepageNachUtf8(s.daten.substr(8, 2 * n), 1200)
                                                    : s.daten.substr(8, n));
        }
        if (s.typ == 0x020B) {
            const std::size_t breite = u32(s.daten, 12);
            const auto ziel =
                std::find_if(saetze.begin(), saetze.end(), [&](const Satz& t) { return t.lage == breite; });
            ASSERT_NE(ziel, saetze.end());
            EXPECT_EQ(ziel->typ, 0x0055) << "INDEX points at DEFCOLWIDTH";
        }
    }
    EXPECT_EQ(bofs, 3u);
    EXPECT_EQ(eofs, 3u);
    EXPECT_EQ(obproj, 1u);
    EXPECT_EQ(codeNamen, (std::vector<std::string>{"DieseArbeitsmappe", "Tabelle1", "Лист2"}));
    EXPECT_EQ(blaetter, (std::vector<std::string>{"Tabelle1", "Лист2"}));

    // Without a project there is no OBPROJ, and one sheet without a code name.
    const std::string ohne = BiffWorkbookStream({}, false);
    EXPECT_EQ(ohne.find(std::string("\xD3\x00\x00\x00", 4)), std::string::npos);
    EXPECT_EQ(ohne.find(std::string("\xBA\x01", 2)), std::string::npos);
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
        f.module = {{a, KomponentenArt::Dokument, "' Комментарий\r\n"},
                    {b, KomponentenArt::Standard, "Sub X()\r\nEnd Sub\r\n"}};
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
        lang += "    x = x + " + std::to_string(i) + " ' " +
                std::string(static_cast<std::size_t>(i % 300), 'k') + "\r\n";
    for (int m = 0; m < 40; ++m)
        v.module.push_back(
            {"M" + std::to_string(m), KomponentenArt::Standard, "Sub S()\r\n" + lang + "End Sub\r\n"});
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
    EXPECT_EQ(FehlerArt(ZipSchreiben({{"[Content_Types].xml", "<Types/>"}, {"xl/workbook.xml", "<w/>"}}),
                        "plain.xlsx"),
              WorkbookFehler::KeinVbaProjekt);
    EXPECT_EQ(FehlerArt(OleSchreiben({{"EncryptionInfo", "x"}, {"EncryptedPackage", "y"}}), "secret.xlsm"),
              WorkbookFehler::Verschluesselt);
    EXPECT_EQ(FehlerArt(OleSchreiben({{"Workbook", std::string(64, '\0')}}), "xlm.xls"),
              WorkbookFehler::KeinVbaProjekt);
    // PowerPoint 97-2003 keeps its project where this reader does not look:
    // the file is refused for its kind, whatever its name, not said to
    // hold no project.
    const std::string ppt = OfficeDateiBauen(Vorlage(), OfficeArt::Ppt);
    for (const char* name : {"folien.ppt", "folien.xls"}) {
        try {
            WorkbookAusBytes(ppt, name);
            ADD_FAILURE() << name;
        } catch (const WorkbookError& e) {
            EXPECT_EQ(e.Art(), WorkbookFehler::PowerPointAlt);
            EXPECT_EQ(std::string(e.what()), "\"" + std::string(name) +
                                                 "\": Die Datei ist eine PowerPoint-Präsentation im Format "
                                                 "97–2003; Dateien dieser Art werden nicht gelesen.");
        }
    }
    // A container's signature followed by rubbish is a damaged file, not a
    // foreign one.
    EXPECT_EQ(FehlerArt(std::string("PK\x03\x04", 4) + std::string(100, 'z'), "cut.xlsm"),
              WorkbookFehler::ContainerBeschaedigt);
    EXPECT_EQ(
        FehlerArt(std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + std::string(600, '\0'), "cut.xls"),
        WorkbookFehler::ContainerBeschaedigt);
    EXPECT_EQ(FehlerArt(ZipSchreiben({{"xl/vbaProject.bin", "not an OLE file"}}), "fake.xlsm"),
              WorkbookFehler::Beschaedigt);

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

    // A file large enough for the ratio still may not have its project
    // inflate past the member limit: a central directory claiming 200 MiB
    // beside 3 MiB of bytes that do not deflate.
    std::string rauschen(std::size_t{3} << 20, '\0');
    std::uint32_t x = 2463534242u;
    for (char& c : rauschen) {
        x ^= x << 13, x ^= x >> 17, x ^= x << 5;
        c = static_cast<char>(x);
    }
    std::string gross =
        ZipSchreiben({{"xl/media/bild.bin", rauschen}, {"xl/vbaProject.bin", VbaProjectBin(Vorlage())}});
    ASSERT_GT(gross.size(), (std::size_t{200} << 20) / MaxZipVerhaeltnis);
    ASSERT_EQ(WorkbookAusBytes(gross, "gross.xlsm").komponenten.size(), 4u);
    const std::string name = "xl/vbaProject.bin";
    std::size_t pos = 0;
    for (pos = gross.find("PK\x01\x02"); pos != std::string::npos; pos = gross.find("PK\x01\x02", pos + 4))
        if (gross.compare(pos + 46, name.size(), name) == 0)
            break;
    ASSERT_NE(pos, std::string::npos);
    const std::uint32_t behauptet = std::uint32_t{200} << 20;
    for (int i = 0; i < 4; ++i)
        gross[pos + 24 + static_cast<std::size_t>(i)] = static_cast<char>((behauptet >> (8 * i)) & 0xFF);
    try {
        WorkbookAusBytes(gross, "gross.xlsm");
        ADD_FAILURE() << "a member of 200 MiB was read";
    } catch (const WorkbookError& e) {
        EXPECT_EQ(e.Art(), WorkbookFehler::ZuGross) << e.what();
        EXPECT_NE(e.Detail().find("claims 209715200 bytes"), std::string::npos) << e.Detail();
    }
}

TEST(WorkbookErrors, DamagedStreams) {
    EXPECT_EQ(FehlerArt(OleSchreiben(MitErsetzt("VBA/dir", "garbage")), "dir.bin"),
              WorkbookFehler::Beschaedigt);
    EXPECT_EQ(FehlerArt(OleSchreiben(MitErsetzt("VBA/dir", Komprimieren("\x01\x00\x04\x00"))), "dir2.bin"),
              WorkbookFehler::Beschaedigt);
    // A copy token reaching before its chunk, in a module's source.
    EXPECT_EQ(
        FehlerArt(OleSchreiben(MitErsetzt("VBA/Modul1", std::string("\x01\x03\xB0\x02\x61\x00\x10", 7))),
                  "window.bin"),
        WorkbookFehler::Beschaedigt);
    EXPECT_EQ(FehlerArt(OleSchreiben(MitErsetzt("VBA/Klasse1", "")), "empty.bin"),
              WorkbookFehler::Beschaedigt);
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

TEST(WorkbookDir, MessagesNameRecordsInHex) {
    auto meldung = [](std::string dir) {
        try {
            DirLesen(dir);
        } catch (const FormatError& e) {
            return std::string(e.what());
        }
        return std::string("read");
    };
    // PROJECTCODEPAGE with one byte, MODULESTREAMNAME before any MODULENAME.
    EXPECT_EQ(meldung(std::string("\x03\x00\x01\x00\x00\x00\xE4", 7)),
              "dir record 0x0003 is shorter than 2 bytes");
    EXPECT_EQ(meldung(std::string("\x1A\x00\x01\x00\x00\x00x", 7)),
              "dir record 0x001A stands outside a module");
    EXPECT_EQ(meldung(std::string("\x4A\x00\x00\x00\x00\x00", 6)),
              "dir record 0x004A is shorter than 4 bytes");
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
