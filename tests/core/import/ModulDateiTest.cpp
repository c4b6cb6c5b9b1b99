// SPDX-License-Identifier: GPL-3.0-or-later
// What of a Visual Basic module file is code, how its bytes are decoded,
// and the keys that carry a file into the reader.
#include "import/vb/ModulDatei.h"
#include "import/vb/VbAnwendungsBaum.h"

#include <gtest/gtest.h>

namespace cb {
namespace {

TEST(ModulDatei, OhneAttributblockGanzAttributblockAmEndeLeer) {
    EXPECT_EQ(CodeAusModulDatei("Sub A()\r\nEnd Sub\r\n"), "Sub A()\r\nEnd Sub");
    EXPECT_EQ(CodeAusModulDatei("Attribute VB_Name = \"Leer\""), "")
        << "a module without code, not a failure";
    EXPECT_EQ(CodeAusModulDatei("Attribute VB_Name = \"Leer\"\r\n"), "");
    EXPECT_EQ(CodeAusModulDatei("Attribute VB_Name = \"X\"\r\nSub A()\r\n\r\n"), "Sub A()\r\n")
        << "only the one line break that ends the last line goes";
    EXPECT_EQ(CodeAusModulDatei(""), "");
    EXPECT_FALSE(IstAttributZeile("Attributes = 1"));
    EXPECT_FALSE(IstAttributZeile("\tAttribute VB_Name = \"X\"")) << "only blanks are skipped";
    EXPECT_TRUE(IstAttributZeile("ATTRIBUTE VB_Name = \"X\""));
}

TEST(ModulDatei, NameAusVbNameOderNichts) {
    EXPECT_EQ(VbNameAus("Attribute VB_Name = \"Módulo1\"\r\nSub A()\r\nEnd Sub"), "Módulo1");
    EXPECT_EQ(VbNameAus("attribute   vb_name=Ohne\r\n"), "Ohne");
    EXPECT_EQ(VbNameAus("Attribute VB_Exposed = False\r\nSub A()"), "");
    EXPECT_EQ(VbNameAus("Sub A()\r\n' Attribute VB_Name = \"Falsch\""), "");
}

TEST(ModulDatei, Utf8WennGueltigSonstDieCodepage) {
    EXPECT_EQ(ModulDateiText("\xEF\xBB\xBFx = \"Gr\xC3\xB6\xC3\x9F"
                             "e\"\n"),
              "x = \"Größe\"\r\n");
    EXPECT_EQ(ModulDateiText("x = \"Gr\xF6\xDF"
                             "e\"\r\n"),
              "x = \"Größe\"\r\n")
        << "Windows-1252";
    EXPECT_EQ(ModulDateiText("' \xCF\xF0\xE8\xE2\xE5\xF2\r", 1251), "' Привет\r\n");
    EXPECT_EQ(ModulDateiText("' \xC3\xA4", 1251), "' ä")
        << "valid UTF-8 is read as UTF-8 whatever the code page";
    EXPECT_THROW(ModulDateiText("\xFF", 4711), std::runtime_error);
    EXPECT_EQ(ModulDateiText("\xEF\xBB\xBF' \xCF\xF0\xE8\xE2\xE5\xF2", 1251), "' Привет")
        << "a mark in front of bytes that are no UTF-8 leaves the code page to the caller";
}

TEST(ModulDatei, TypNachEndung) {
    EXPECT_EQ(ModulTypNachEndung("a/Form1.FRM"), 1);
    EXPECT_EQ(ModulTypNachEndung("Modul.bas"), 2);
    EXPECT_EQ(ModulTypNachEndung("Klasse.cls"), 3);
    EXPECT_EQ(ModulTypNachEndung("Steuer.ctl"), 4);
    EXPECT_EQ(ModulTypNachEndung("Dok.dob"), 6);
    EXPECT_EQ(ModulTypNachEndung("Umgebung.Dsr"), 7);
    EXPECT_EQ(ModulTypNachEndung("Seite.pag"), 0);
    EXPECT_FALSE(ModulTypNachEndung("Mappe.xlsm"));
    EXPECT_FALSE(ModulTypNachEndung("bas"));
}

TEST(VbSchluessel, DateiUndTypAusDemSchluessel) {
    EXPECT_EQ(DateiAusSchluessel(VbDateiSchluessel("sub/Modul1.bas", 2)), "sub/Modul1.bas");
    EXPECT_EQ(TypAusSchluessel(VbDateiSchluessel("sub/Modul1.bas", 2)), 2);
    EXPECT_EQ(DateiAusSchluessel("A1\\ Modul1.bas :2"), "Modul1.bas");
    EXPECT_EQ(DateiAusSchluessel("C:\\vb\\Form1.frm"), "Form1.frm");
    EXPECT_EQ(DateiAusSchluessel(VbDateiSchluessel("d:1/Mod.bas", 2)), "d:1/Mod.bas");
    EXPECT_EQ(TypAusSchluessel("A1\\Seite.pag:0"), 32);
    EXPECT_EQ(TypAusSchluessel("A1\\x.bas:b"), 32);
    EXPECT_EQ(TypAusSchluessel("A1\\x.bas:9"), 9);
    EXPECT_EQ(TypAusSchluessel(""), 32);
    EXPECT_THROW(VbDateiSchluessel("x.bas", 32), std::invalid_argument);
}

} // namespace
} // namespace cb
