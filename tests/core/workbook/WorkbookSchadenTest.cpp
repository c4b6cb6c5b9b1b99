// SPDX-License-Identifier: GPL-3.0-or-later
// Damaged, hostile and unusual workbooks: every one gives a project or a
// WorkbookError that names the file, never a crash or another exception.
#include "import/workbook/ContainerReader.h"
#include "import/workbook/OleKopf.h"
#include "import/workbook/OvbaCompression.h"
#include "import/workbook/VbaProjectReader.h"
#include "import/workbook/WorkbookError.h"
#include "import/workbook/WorkbookReader.h"
#include "import/workbook/ZipPruefsumme.h"
#include "testhilfen/ContainerWriter.h"
#include "testhilfen/OleVerzeichnis.h"
#include "testhilfen/VbaProjectWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <unistd.h>

namespace {

using namespace cb::workbook;

ProjektVorlage Klein() {
    ProjektVorlage v;
    v.name = "Klein";
    v.module = {
        {"Modul1", KomponentenArt::Standard,
         "Attribute VB_Name = \"Modul1\"\r\nSub A()\r\n    B\r\nEnd Sub\r\n"},
        {"Klasse1", KomponentenArt::Klasse, "Attribute VB_Name = \"Klasse1\"\r\nPublic X As Long\r\n"},
    };
    return v;
}

using Bauen = std::function<std::string(const ProjektVorlage&)>;
const std::vector<std::pair<std::string, Bauen>>& Container() {
    static const std::vector<std::pair<std::string, Bauen>> alle = {
        {"damaged.xlsm", XlsmBauen}, {"damaged.xls", XlsBauen}, {"vbaProject.bin", VbaProjectBin}};
    return alle;
}

// The error for the bytes, checked to name the file and to be German.
std::optional<WorkbookError> Fehler(std::string_view bytes, const std::string& name) {
    try {
        WorkbookAusBytes(bytes, name);
    } catch (const WorkbookError& e) {
        const std::string text = e.what();
        EXPECT_EQ(text.rfind("\"" + name + "\": ", 0), 0u) << text;
        EXPECT_EQ(e.Datei(), name);
        return e;
    }
    return std::nullopt;
}

TEST(WorkbookErrors, EveryDamageKindInEveryContainer) {
    const std::vector<std::pair<Beschaedigung, std::string>> faelle = {
        {Beschaedigung::ModulStream, "before the start of its chunk"},
        {Beschaedigung::ModulOffset, "lies beyond its stream"},
        {Beschaedigung::ModulAbgeschnitten, "Modul1"},
        {Beschaedigung::DirGroesse, "dir stream"},
        {Beschaedigung::DirModulAnzahl, "announces 3 modules but holds 2"},
        {Beschaedigung::StreamFehlt, "has no stream \"Modul1\""},
        {Beschaedigung::ProjectFremd, "\"Unbekannt\""},
        {Beschaedigung::ModulName, "module 1 has an empty name"},
    };
    for (const auto& [name, bauen] : Container()) {
        for (const auto& [schaden, detail] : faelle) {
            ProjektVorlage v = Klein();
            v.schaden = schaden;
            v.cache = 64;
            SCOPED_TRACE(name + " " + detail);
            const auto e = Fehler(bauen(v), name);
            ASSERT_TRUE(e.has_value());
            EXPECT_EQ(e->Art(), WorkbookFehler::Beschaedigt) << e->what();
            EXPECT_NE(e->Detail().find(detail), std::string::npos) << e->Detail();
            EXPECT_NE(std::string(e->what()).find("Das VBA-Projekt der Datei ist beschädigt."),
                      std::string::npos);
        }
        ProjektVorlage v = Klein();
        v.schaden = Beschaedigung::DateiAbgeschnitten;
        const auto e = Fehler(bauen(v), name);
        ASSERT_TRUE(e.has_value()) << name;
        EXPECT_EQ(e->Art(), WorkbookFehler::ContainerBeschaedigt) << e->what();
    }
}

// Names that the listing could not key a node by or show, nor the VBA editor take.
TEST(WorkbookErrors, NamesThatNoEditorGives) {
    for (const auto& [modul, detail] : std::vector<std::pair<std::string, std::string>>{
             {"Teil\\Zwei", "module 2 has a backslash in its name \"Teil\\Zwei\""},
             {"Mit\x01Steuer", "module 2 has a control character in its name"},
             {"Mit\x7F"
              "Del",
              "module 2 has a control character in its name"},
             {"Mit\u0085C1", "module 2 has a control character in its name"},
             {"klasse1", "two modules named \"Klasse1\""}}) {
        ProjektVorlage v = Klein();
        v.module.insert(v.module.begin() + 1, {modul, KomponentenArt::Standard, "Sub X()\r\nEnd Sub\r\n"});
        v.codepage = 65001;
        SCOPED_TRACE(detail);
        const auto e = Fehler(XlsmBauen(v), "names.xlsm");
        ASSERT_TRUE(e.has_value());
        EXPECT_EQ(e->Art(), WorkbookFehler::Beschaedigt);
        EXPECT_NE(e->Detail().find(detail), std::string::npos) << e->Detail();
    }
    // The project's own name neither drives a terminal nor forges a line of
    // the listing.
    for (const std::string name : {"Projekt\x1b[2J", "Zwei\r\n\tModul9", "Mit\u0085C1"}) {
        ProjektVorlage v = Klein();
        v.name = name;
        v.codepage = 65001;
        const auto e = Fehler(XlsmBauen(v), "projekt.xlsm");
        ASSERT_TRUE(e.has_value()) << name;
        EXPECT_EQ(e->Art(), WorkbookFehler::Beschaedigt);
        EXPECT_NE(e->Detail().find("the project has a control character in its name"), std::string::npos)
            << e->Detail();
    }
    // Letters of any script and the usual underscores stay names.
    ProjektVorlage v = Klein();
    v.codepage = 65001;
    v.module.push_back({"Übersicht_Лист", KomponentenArt::Standard, "Sub Y()\r\nEnd Sub\r\n"});
    EXPECT_EQ(WorkbookAusBytes(XlsmBauen(v), "names.xlsm").komponenten.size(), 3u);
}

TEST(WorkbookErrors, EveryCutThroughAContainerIsRefused) {
    for (const auto& [name, bauen] : Container()) {
        const std::string ganz = bauen(Klein());
        ASSERT_NO_THROW(WorkbookAusBytes(ganz, name));
        for (std::size_t n = 0; n < ganz.size(); n += 97) {
            SCOPED_TRACE(name + " cut at " + std::to_string(n));
            // A cut that keeps every stream intact (zip's trailing directory
            // aside) may still read; anything else must be refused cleanly.
            try {
                WorkbookAusBytes(std::string_view(ganz).substr(0, n), name);
            } catch (const WorkbookError& e) {
                EXPECT_NE(std::string(e.what()).find(name), std::string::npos);
            }
        }
    }
}

TEST(WorkbookErrors, FlippedBytesNeverEscapeAsAnotherError) {
    const std::string ganz = XlsBauen(Klein());
    std::size_t gelesen = 0, abgelehnt = 0;
    for (std::size_t i = 0; i < ganz.size(); i += 13) {
        std::string kaputt = ganz;
        kaputt[i] = static_cast<char>(kaputt[i] ^ 0x5A);
        try {
            WorkbookAusBytes(kaputt, "flipped.xls");
            ++gelesen;
        } catch (const WorkbookError&) {
            ++abgelehnt;
        }
    }
    // Most bytes are padding, some are not: both outcomes occur.
    EXPECT_GT(gelesen, 0u);
    EXPECT_GT(abgelehnt, 0u);
}

// One chunk of 4096 bytes in six: a literal, then a copy token of length
// 4095 at distance 1.
std::string Bombe(std::size_t chunks) {
    std::string c = "\x01";
    for (std::size_t i = 0; i < chunks; ++i)
        c += std::string("\x03\xB0\x02"
                         "a"
                         "\xFC\x0F",
                         6);
    return c;
}

// The refusal names the limit and the size of the whole project, whichever
// module it was that crossed the line.
TEST(WorkbookErrors, DecompressionBombsStopAtTheProjectLimit) {
    ASSERT_EQ(Dekomprimieren(Bombe(3)), std::string(3 * 4096, 'a'));
    // Each module alone stays below the limit, together they do not; a
    // third one after them is counted as well.
    ProjektVorlage v = Klein();
    v.module.push_back(
        {"Danach", KomponentenArt::Standard, "Attribute VB_Name = \"Danach\"\r\nSub C()\r\nEnd Sub\r\n"});
    std::vector<ContainerEintrag> s = VbaSpeicherBauen(v);
    const std::size_t chunks = MaxProjektText / 4096 / 2 + 16;
    std::uint64_t erwartet = 0;
    for (ContainerEintrag& e : s) {
        if (e.pfad == "VBA/Modul1" || e.pfad == "VBA/Klasse1")
            e.daten = Bombe(chunks);
        if (e.pfad == "VBA/dir" || e.pfad == "VBA/Modul1" || e.pfad == "VBA/Klasse1" ||
            e.pfad == "VBA/Danach")
            erwartet += Dekomprimieren(e.daten, SIZE_MAX).size();
    }
    ASSERT_GT(erwartet, MaxProjektText);
    const auto e = Fehler(OleSchreiben(s), "bomb.bin");
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->Art(), WorkbookFehler::ProjektZuGross) << e->what();
    EXPECT_EQ(e->Umfang().bytes, erwartet);
    EXPECT_FALSE(e->Umfang().mindestens);
    const std::string text = e->what();
    EXPECT_EQ(text.rfind("\"bomb.bin\": Das VBA-Projekt der Datei ist zu groß: entpackt umfasst es ", 0), 0u)
        << text;
    EXPECT_TRUE(text.ends_with(" Bytes, gelesen werden höchstens 67.108.864 Bytes (64 MiB).")) << text;
    EXPECT_EQ(text.find("Klasse1"), std::string::npos) << text;

    // A dir stream past the limit leaves the modules unknown: its own size
    // is all that can be said, as a lower bound.
    for (ContainerEintrag& e2 : s)
        if (e2.pfad == "VBA/dir")
            e2.daten = Bombe(MaxProjektText / 4096 + 1);
    const auto dir = Fehler(OleSchreiben(s), "dir.bin");
    ASSERT_TRUE(dir.has_value());
    EXPECT_EQ(dir->Art(), WorkbookFehler::ProjektZuGross) << dir->what();
    EXPECT_EQ(dir->Umfang().bytes, MaxProjektText + 4096);
    EXPECT_TRUE(dir->Umfang().mindestens);
    EXPECT_NE(std::string(dir->what()).find("entpackt umfasst es mindestens 67.112.960 Bytes"),
              std::string::npos)
        << dir->what();
}

// Damage in a module after the limit is still damage: measuring checks the
// streams it only counts.
TEST(WorkbookErrors, DamageBeyondTheProjectLimitIsReported) {
    ProjektVorlage v = Klein();
    v.module.push_back({"Danach", KomponentenArt::Standard, "Attribute VB_Name = \"Danach\"\r\n"});
    std::vector<ContainerEintrag> s = VbaSpeicherBauen(v);
    for (ContainerEintrag& e : s) {
        if (e.pfad == "VBA/Modul1" || e.pfad == "VBA/Klasse1")
            e.daten = Bombe(MaxProjektText / 4096 / 2 + 16);
        if (e.pfad == "VBA/Danach")
            e.daten = "\x01\x19\xA0";
    }
    const auto e = Fehler(OleSchreiben(s), "bomb.bin");
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->Art(), WorkbookFehler::Beschaedigt) << e->what();
    EXPECT_NE(e->Detail().find("Danach"), std::string::npos) << e->Detail();
}

TEST(WorkbookErrors, ContentTypesBombAndOddPackages) {
    // A huge [Content_Types].xml is refused before it is inflated.
    const std::string typen(std::size_t{8} << 20, ' ');
    const auto bombe = Fehler(ZipSchreiben({{"[Content_Types].xml", typen}}), "types.xlsm");
    ASSERT_TRUE(bombe.has_value());
    EXPECT_EQ(bombe->Art(), WorkbookFehler::ZuGross);

    // The project found where the content types say, not at the usual place.
    const std::string bin = VbaProjectBin(Klein());
    const std::string anderswo = "<Types><Override PartName=\"/xl/vbaProjectSignature.bin\" "
                                 "ContentType=\"application/vnd.ms-office.vbaProjectSignature\"/>"
                                 "<Override PartName=\"/macros/code.bin\" "
                                 "ContentType=\"application/vnd.ms-office.vbaProject\"/></Types>";
    const VbaProjekt p = WorkbookAusBytes(ZipSchreiben({{"[Content_Types].xml", anderswo},
                                                        {"xl/vbaProjectSignature.bin", "sig"},
                                                        {"macros/code.bin", bin}}),
                                          "moved.xlsm");
    EXPECT_EQ(p.name, "Klein");

    // Text that makes a backward search from every match quadratic: a
    // megabyte of matches with no "<" before them and no ">" until the end.
    std::string viele;
    while (viele.size() + 400 < MaxInhaltsTypen)
        viele += "\"application/vnd.ms-office.vbaProject\" ";
    const VbaProjekt q = WorkbookAusBytes(
        ZipSchreiben({{"[Content_Types].xml", viele + anderswo}, {"macros/code.bin", bin}}), "many.xlsm");
    EXPECT_EQ(q.name, "Klein");

    // A Word document keeps it in word/.
    EXPECT_EQ(WorkbookAusBytes(ZipSchreiben({{"word/vbaProject.bin", bin}}), "a.docm").komponenten.size(),
              2u);
    // A folder where the project should be is no project.
    const auto ordner = Fehler(ZipSchreiben({{"xl/vbaProject.bin/x", bin}}), "folder.xlsm");
    ASSERT_TRUE(ordner.has_value());
    EXPECT_EQ(ordner->Art(), WorkbookFehler::KeinVbaProjekt);
}

TEST(WorkbookErrors, DuplicateModuleNamesAreRefused) {
    ProjektVorlage v = Klein();
    v.module.push_back({"MODUL1", KomponentenArt::Standard, "Attribute VB_Name = \"MODUL1\"\r\n"});
    // OLE names compare without case too, so the stream must differ.
    std::vector<ContainerEintrag> s = VbaSpeicherBauen(v);
    const auto e = Fehler(OleSchreiben(s), "twice.bin");
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->Art(), WorkbookFehler::Beschaedigt);
}

TEST(OleDirectory, EachEntryCountedOnceAndTheWalkStopsPastTheLimits) {
    const std::string kette = OleMitVerzeichnis(100, VerzeichnisForm::Kette);
    const OleVerzeichnisMass ganz = OleVerzeichnisMessen(kette, 1000, 1000);
    EXPECT_EQ(ganz.eintraege, 101u); // the root and its streams
    EXPECT_EQ(ganz.tiefe, 101u);
    const OleVerzeichnisMass kreis =
        OleVerzeichnisMessen(OleMitVerzeichnis(100, VerzeichnisForm::Kreis), 1000, 1000);
    EXPECT_EQ(kreis.eintraege, 101u);
    EXPECT_EQ(kreis.tiefe, 101u);
    const OleVerzeichnisMass baum =
        OleVerzeichnisMessen(OleMitVerzeichnis(100, VerzeichnisForm::Ausgewogen), 1000, 1000);
    EXPECT_EQ(baum.eintraege, 101u);
    EXPECT_EQ(baum.tiefe, 8u); // the root above a tree of 100 in 7 levels
    // Past a limit by one, the walk ends there.
    EXPECT_EQ(OleVerzeichnisMessen(kette, 1000, 100).tiefe, 101u);
    EXPECT_EQ(OleVerzeichnisMessen(kette, 50, 1000).eintraege, 51u);
}

TEST(WorkbookErrors, OleDirectoriesBeyondTheLimitsAreRefusedBeforeGsfReadsThem) {
    const auto pruefen = [](const std::string& bytes, const std::string& name, const std::string& detail) {
        SCOPED_TRACE(name);
        const auto e = Fehler(bytes, name);
        ASSERT_TRUE(e.has_value());
        EXPECT_EQ(e->Art(), WorkbookFehler::VerzeichnisZuGross) << e->what();
        EXPECT_NE(e->Detail().find(detail), std::string::npos) << e->Detail();
        EXPECT_NE(std::string(e->what()).find("Inhaltsverzeichnis der Datei ist unplausibel groß"),
                  std::string::npos);
    };
    // A chain of siblings that gsf's recursion would follow off the stack,
    // deflated into a workbook of a few hundred kilobytes.
    const std::string kette =
        ZipSchreiben({{"xl/vbaProject.bin", OleMitVerzeichnis(50000, VerzeichnisForm::Kette)}});
    pruefen(kette, "chain.xlsm", "chain more than " + std::to_string(MaxOleTiefe));
    pruefen(OleMitVerzeichnis(100000, VerzeichnisForm::Ausgewogen), "wide.bin",
            "more than " + std::to_string(MaxOleEintraege) + " entries");
    // Within the limits, gsf reads the directory and finds no project.
    const auto innen = Fehler(OleMitVerzeichnis(2000, VerzeichnisForm::Kette), "inside.bin");
    ASSERT_TRUE(innen.has_value());
    EXPECT_EQ(innen->Art(), WorkbookFehler::KeinVbaProjekt) << innen->what();
}

// The offset and length of a member's deflated bytes, from its entry in
// the central directory and its local header.
std::pair<std::size_t, std::size_t> Gepackt(const std::string& zip, const std::string& name) {
    std::size_t pos = zip.find("PK\x01\x02");
    while (pos != std::string::npos && zip.compare(pos + 46, name.size(), name) != 0)
        pos = zip.find("PK\x01\x02", pos + 4);
    EXPECT_NE(pos, std::string::npos) << name;
    if (pos == std::string::npos)
        return {0, 0};
    const auto le = [&](std::size_t p, int n) {
        std::size_t v = 0;
        for (int k = n - 1; k >= 0; --k)
            v = v << 8 | static_cast<unsigned char>(zip[p + static_cast<std::size_t>(k)]);
        return v;
    };
    const std::size_t lokal = le(pos + 42, 4);
    return {lokal + 30 + le(lokal + 26, 2) + le(lokal + 28, 2), le(pos + 20, 4)};
}

TEST(WorkbookErrors, AFlippedBitInADeflatedMemberIsRefused) {
    const std::string ganz = XlsmBauen(Klein());
    const auto [anfang, laenge] = Gepackt(ganz, "xl/vbaProject.bin");
    ASSERT_GT(laenge, 100u);
    const VbaProjekt original = WorkbookAusBytes(ganz, "flip.xlsm");
    const auto codes = [](const VbaProjekt& p) {
        std::vector<std::string> out{p.name};
        for (const Komponente& k : p.komponenten)
            out.push_back(k.name + "\n" + k.code);
        return out;
    };
    std::size_t pruefsumme = 0;
    // The last byte's spare bits after the end of the data change nothing.
    for (std::size_t i = 0; i + 1 < laenge; i += 7) {
        std::string kaputt = ganz;
        kaputt[anfang + i] = static_cast<char>(kaputt[anfang + i] ^ (1 << (i % 8)));
        SCOPED_TRACE("bit flipped at " + std::to_string(anfang + i));
        try {
            // A flip may change a copy's distance between two runs of equal
            // bytes; what inflates unchanged may read.
            EXPECT_EQ(codes(WorkbookAusBytes(kaputt, "flip.xlsm")), codes(original));
        } catch (const WorkbookError& e) {
            if (e.Detail().find("xl/vbaProject.bin fails its CRC-32 check") != std::string::npos) {
                EXPECT_EQ(e.Art(), WorkbookFehler::ContainerBeschaedigt);
                ++pruefsumme;
            }
        }
    }
    // Most flips still inflate; only the checksum tells them.
    EXPECT_GT(pruefsumme, 0u);
    EXPECT_EQ(Crc32("123456789"), 0xCBF43926u);
}

std::string Ersetzt(std::string text, const std::string& alt, const std::string& neu) {
    const std::size_t pos = text.find(alt);
    EXPECT_NE(pos, std::string::npos) << alt;
    if (pos != std::string::npos)
        text.replace(pos, alt.size(), neu);
    return text;
}

TEST(WorkbookWriter, ComponentsFollowTheProjectStream) {
    std::vector<ContainerEintrag> s = VbaSpeicherBauen(Klein());
    ASSERT_EQ(s[0].pfad, "PROJECT");
    // Klasse1 before Modul1 in the PROJECT stream, the other way in dir.
    s[0].daten =
        Ersetzt(s[0].daten, "Module=Modul1\r\nClass=Klasse1\r\n", "Class=Klasse1\r\nModule=Modul1\r\n");
    const VbaProjekt p = WorkbookAusBytes(OleSchreiben(s), "order.bin");
    ASSERT_EQ(p.komponenten.size(), 2u);
    EXPECT_EQ(p.komponenten[0].name, "Klasse1");
    EXPECT_EQ(p.komponenten[0].art, KomponentenArt::Klasse);
    EXPECT_EQ(p.komponenten[1].name, "Modul1");

    // A module that the PROJECT stream forgets comes last, its kind from dir.
    s[0].daten = Ersetzt(s[0].daten, "Module=Modul1\r\n", "");
    const VbaProjekt q = WorkbookAusBytes(OleSchreiben(s), "forgotten.bin");
    ASSERT_EQ(q.komponenten.size(), 2u);
    EXPECT_EQ(q.komponenten[1].name, "Modul1");
    EXPECT_EQ(q.komponenten[1].art, KomponentenArt::Standard);
    EXPECT_EQ(q.komponenten[1].code, "Sub A()\r\n    B\r\nEnd Sub");
}

TEST(WorkbookWriter, SourcesBehindACacheAndInOtherCodePages) {
    ProjektVorlage v = Klein();
    v.cache = 1000;
    const VbaProjekt p = WorkbookAusBytes(XlsmBauen(v), "cache.xlsm");
    ASSERT_EQ(p.komponenten.size(), 2u);
    EXPECT_EQ(p.komponenten[0].code, "Sub A()\r\n    B\r\nEnd Sub");
    EXPECT_EQ(p.komponenten[0].zeilen, 3u);
    EXPECT_EQ(p.komponenten[0].gespeicherteZeilen, 4u);

    ProjektVorlage k;
    k.codepage = 1251;
    k.name = "Проект";
    k.module = {{"Модуль1", KomponentenArt::Standard,
                 "Attribute VB_Name = \"Модуль1\"\r\n' Привет, мир\r\nSub Пуск()\r\n    MsgBox "
                 "\"Здравствуйте\"\r\nEnd Sub\r\n"}};
    const VbaProjekt c = WorkbookAusBytes(XlsBauen(k), "cp1251.xls");
    EXPECT_EQ(c.name, "Проект");
    ASSERT_EQ(c.komponenten.size(), 1u);
    EXPECT_EQ(c.komponenten[0].name, "Модуль1");
    EXPECT_EQ(c.komponenten[0].code, "' Привет, мир\r\nSub Пуск()\r\n    MsgBox \"Здравствуйте\"\r\nEnd Sub");
}

} // namespace

// The end record may be followed by a comment of up to 65,535 bytes, and an
// archiver may have written one. gsf looks for the end record in somewhat
// less than that; and a comment may hold what looks like the signatures of
// a header, a directory entry and another end record.
TEST(WorkbookZip, TheLongestCommentIsRead) {
    const std::string zip = XlsmBauen(Klein());
    ASSERT_GE(zip.size(), 22u);
    ASSERT_EQ(zip.substr(zip.size() - 22, 4), std::string("PK\x05\x06", 4));
    ASSERT_EQ(zip.substr(zip.size() - 2), std::string(2, '\0')) << "written without a comment";
    const std::string signaturen = std::string("PK\x03\x04", 4) + std::string("PK\x01\x02", 4) +
                                   std::string("PK\x05\x06", 4) + " Kommentar ";
    for (const std::string& muster : {std::string(" "), signaturen}) {
        std::string kommentar;
        while (kommentar.size() < 0xFFFF)
            kommentar += muster;
        kommentar.resize(0xFFFF);
        std::string mitKommentar = zip.substr(0, zip.size() - 2) + "\xff\xff" + kommentar;
        const VbaProjekt p = WorkbookAusBytes(mitKommentar, "comment.xlsm");
        EXPECT_EQ(p.name, "Klein");
        EXPECT_EQ(p.komponenten.size(), 2u);
        const auto summen = ZipPruefsummen(mitKommentar);
        ASSERT_TRUE(summen.has_value());
        EXPECT_EQ(summen->size(), ZipPruefsummen(zip)->size());
    }
}

// gsf complains about much of what it finds wrong in a damaged file on
// standard error, and the command line's standard error is its users'. The
// reader's own error says it, so nothing else may reach the terminal.
TEST(WorkbookErrors, GsfSaysNothingOnStandardError) {
    std::fflush(stderr);
    char name[] = "/tmp/cbtests-stderr-XXXXXX";
    const int datei = ::mkstemp(name);
    ASSERT_GE(datei, 0);
    const int vorher = ::dup(2);
    ASSERT_GE(vorher, 0);
    ::dup2(datei, 2);
    std::size_t abgelehnt = 0;
    for (const auto& [art, bauen] : Container()) {
        const std::string ganz = bauen(Klein());
        for (std::size_t i = 0; i < ganz.size(); i += 11) {
            std::string kaputt = ganz;
            kaputt[i] = static_cast<char>(kaputt[i] ^ 0xA5);
            for (std::string_view probe : {std::string_view(kaputt), std::string_view(ganz).substr(0, i)})
                try {
                    WorkbookAusBytes(probe, art);
                } catch (const WorkbookError&) {
                    ++abgelehnt;
                }
        }
    }
    std::fflush(stderr);
    ::dup2(vorher, 2);
    ::close(vorher);
    const off_t groesse = ::lseek(datei, 0, SEEK_END);
    std::string gesagt(static_cast<std::size_t>(std::min<off_t>(groesse, 2000)), '\0');
    ::pread(datei, gesagt.data(), gesagt.size(), 0);
    ::close(datei);
    ::unlink(name);
    EXPECT_GT(abgelehnt, 0u);
    EXPECT_EQ(groesse, 0) << gesagt;
}
