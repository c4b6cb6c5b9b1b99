// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/workbook/DataEncryption.h"
#include "import/workbook/EditorSource.h"
#include "import/workbook/FormatError.h"
#include "import/workbook/ProjectStream.h"

#include <gtest/gtest.h>

namespace {

using namespace cb::workbook;

constexpr const char* Id = "{917DED54-440B-4FD1-A5C1-74ACF261E600}";

TEST(OvbaEncryption, RoundTripsEverySeedAndLength) {
    for (unsigned seed = 0; seed < 256; seed += 17)
        for (const std::string& daten : {std::string(1, '\0'), std::string(1, '\xFF'),
                                         std::string("geheim\x01\x02", 8), std::string(29, 'x')}) {
            const std::string hex = Verschluesseln(daten, Id, static_cast<std::uint8_t>(seed));
            EXPECT_EQ(Entschluesseln(hex), daten);
        }
}

TEST(OvbaEncryption, BrokenFieldsAreRefused) {
    const std::string gut = Verschluesseln(std::string(1, '\xFF'), Id, 0x20);
    EXPECT_THROW(Entschluesseln(gut.substr(1)), FormatError);                 // odd digit count
    EXPECT_THROW(Entschluesseln(gut.substr(0, gut.size() - 2)), FormatError); // data shorter than its length
    EXPECT_THROW(Entschluesseln("ZZ" + gut.substr(2)), FormatError);          // no hex
    EXPECT_THROW(Entschluesseln("0000"), FormatError);                        // too short
    std::string andereVersion = gut;
    andereVersion[3] = andereVersion[3] == '0' ? '1' : '0'; // version byte no longer 2
    EXPECT_THROW(Entschluesseln(andereVersion), FormatError);
}

std::string Projekt(const std::string& gc, const std::string& dpb) {
    return std::string("ID=\"") + Id +
           "\"\r\nDocument=DieseArbeitsmappe/&H00000000\r\nModule=Modul1\r\n"
           "Package={AC9F2F90-E877-11CE-9F68-00AA00574A4F}\r\nBaseClass=Formular\r\nClass=Klasse1\r\n"
           "Document=Tabelle1/&H00000000\r\nName=\"Projekt\"\r\n"
           "CMG=\"" +
           Verschluesseln(std::string(4, '\0'), Id, 3) +
           "\"\r\n"
           "DPB=\"" +
           Verschluesseln(dpb, Id, 5) +
           "\"\r\n"
           "GC=\"" +
           gc + "\"\r\n\r\n[Workspace]\r\nModule=Fake\r\nDieseArbeitsmappe=0, 0, 0, 0, C\r\n";
}

TEST(OvbaProjectStream, KindsOrderAndProtection) {
    const ProjektText t =
        ProjektTextLesen(Projekt(Verschluesseln(std::string(1, '\xFF'), Id, 9), std::string(1, '\0')), 1252);
    ASSERT_EQ(t.eintraege.size(), 5u); // the [Workspace] section adds nothing
    EXPECT_EQ(t.eintraege[0].name, "DieseArbeitsmappe");
    EXPECT_EQ(t.eintraege[0].art, KomponentenArt::Dokument);
    EXPECT_EQ(t.eintraege[1].art, KomponentenArt::Standard);
    EXPECT_EQ(t.eintraege[2].name, "Formular");
    EXPECT_EQ(t.eintraege[2].art, KomponentenArt::Designer);
    EXPECT_EQ(t.eintraege[3].art, KomponentenArt::Klasse);
    EXPECT_EQ(t.eintraege[4].name, "Tabelle1");
    EXPECT_EQ(t.packages.size(), 1u);
    EXPECT_EQ(t.name, "Projekt");
    EXPECT_EQ(t.schutz.schutzZustand, 0u);
    EXPECT_EQ(t.schutz.passwort, false);
    EXPECT_EQ(t.schutz.sichtbar, true);

    // A password alone does not hide the project; only GC = 0 does.
    const std::string hash = std::string("\xFF\x10\0\0", 4) + std::string(25, 'h');
    const ProjektText mitPasswort =
        ProjektTextLesen(Projekt(Verschluesseln(std::string(1, '\xFF'), Id, 9), hash), 1252);
    EXPECT_EQ(mitPasswort.schutz.passwort, true);
    EXPECT_EQ(mitPasswort.schutz.sichtbar, true);
    const ProjektText gesperrt =
        ProjektTextLesen(Projekt(Verschluesseln(std::string(1, '\0'), Id, 9), hash), 1252);
    EXPECT_EQ(gesperrt.schutz.sichtbar, false);

    EXPECT_THROW(ProjektTextLesen(Projekt("0102", hash), 1252), FormatError);
}

TEST(OvbaProjectStream, NamesInTheProjectCodePage) {
    const std::string t = "Document=\xCB\xE8\xF1\xF2\x31/&H00000000\r\nModule=\xCC\xEE\xE4\xF3\xEB\xFC\r\n";
    const ProjektText p = ProjektTextLesen(t, 1251);
    ASSERT_EQ(p.eintraege.size(), 2u);
    EXPECT_EQ(p.eintraege[0].name, "Лист1");
    EXPECT_EQ(p.eintraege[1].name, "Модуль");
}

TEST(OvbaEditorSource, AttributeLinesAreHiddenEverywhere) {
    const EditorText t =
        EditorTextAus("Attribute VB_Name = \"M\"\r\nOption Explicit\r\nSub A()\r\n"
                      "Attribute A.VB_Description = \"x\"\r\n  Attribute = 1\r\nEnd Sub\r\n");
    EXPECT_EQ(t.code, "Option Explicit\r\nSub A()\r\n  Attribute = 1\r\nEnd Sub");
    EXPECT_EQ(t.zeilen, 4u);
    EXPECT_EQ(t.gespeichert, 6u);

    EXPECT_EQ(EditorTextAus("a\nb\rc\r\n\r\nd").code, "a\r\nb\r\nc\r\n\r\nd");
    EXPECT_EQ(EditorTextAus("a\nb\rc\r\n\r\nd").zeilen, 5u);
    EXPECT_EQ(EditorTextAus("").zeilen, 0u);
    EXPECT_EQ(EditorTextAus("Attribute VB_Name = \"M\"\r\n").code, "");
}

} // namespace
