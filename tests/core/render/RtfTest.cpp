// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestHilfen.h"

#include "render/CodeMarkieren.h"
#include "render/Rtf.h"

namespace {

const std::string Kopf =
    "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss MS Sans Serif;}\r\n"
    "{\\f1\\froman\\fcharset2 Symbol;}{\\f2\\fswiss MS Sans Serif;}{\\f3\\fswiss MS Sans Serif;}"
    "{\\f4\\fswiss\\fprq2 System;}}\r\n"
    "{\\colortbl\\red0\\green0\\blue0;\\red0\\green0\\blue128;\\red0\\green128\\blue0;"
    "\\red128\\green0\\blue0;}\r\n"
    "\\deflang1031\\pard\\li105\\tx283\\tx566\\tx849\\tx1132\\tx1415\\tx1698\\tx1981\\tx2264\\tx2547\\tx2830"
    "\\plain\\f3\\fs20 ";

class RtfBuilder : public ::testing::Test {
protected:
    cb::Zustand z = cb::test::FrischerZustand();
    std::string Body(std::string code) {
        cb::CodeMarkieren(z.Opt, code);
        cb::MarkenNachRtf(z.Opt, code);
        return code;
    }
    std::string Dokument(std::string code) {
        std::string b = Body(std::move(code));
        cb::RtfDokumentBilden(z.Opt, b);
        return b;
    }
};

TEST_F(RtfBuilder, DefaultDocument) {
    EXPECT_EQ(Dokument("Dim x As Long"), Kopf + "\\cf1 Dim\\cf0  x \\cf1 As\\cf0  \\cf1 Long\\cf0 }");
    EXPECT_EQ(Dokument(""), Kopf + "}");
}

TEST_F(RtfBuilder, FontSizeFontNameAndTabs) {
    z.Opt.SchriftGroesse = 12;
    z.Opt.SchriftName = "Courier New";
    z.Opt.TabstopMm = 10;
    std::string d = Dokument("x");
    EXPECT_NE(d.find("{\\f3\\fswiss Courier New;}"), std::string::npos);
    EXPECT_NE(d.find("{\\f0\\fswiss MS Sans Serif;}"), std::string::npos);
    EXPECT_NE(d.find("\\plain\\f3\\fs24 x}"), std::string::npos);
    EXPECT_NE(d.find("\\tx567\\tx1134"), std::string::npos);
    EXPECT_NE(d.find("\\tx5670\\plain"), std::string::npos);
}

TEST(RtfFarbe, Components) {
    EXPECT_EQ(cb::FarbeNachRtf(0x800000), "\\red0\\green0\\blue128;");
    EXPECT_EQ(cb::FarbeNachRtf(0x8000), "\\red0\\green128\\blue0;");
    EXPECT_EQ(cb::FarbeNachRtf(0x123456), "\\red86\\green52\\blue18;");
    EXPECT_EQ(cb::FarbeNachRtf(0xFFFFFF), "\\red255\\green255\\blue255;");
}

TEST_F(RtfBuilder, EscapesTabsAndParagraphs) {
    EXPECT_EQ(Body("p = \"\\\\server\" ' {x}"), "p = \\cf3 \"\\\\\\\\server\"\\cf0  \\cf2 ' \\{x\\}\\cf0 ");
    EXPECT_EQ(Body("a\r\n\tb"), "a\r\n\\par \\tab b");
}

TEST_F(RtfBuilder, BoldOnlyWithTheOption) {
    EXPECT_EQ(Body("Sub A()\r\nEnd Sub"),
              "\\b \\cf1 Sub\\cf0  A()\\b0 \r\n\\par \\b \\cf1 End\\cf0  \\cf1 Sub\\cf0 \\b0 ");
    z.Opt.RoutinenFett = false;
    std::string b = Body("Sub A()\r\nEnd Sub");
    EXPECT_EQ(b.find("\\b "), std::string::npos);
    EXPECT_EQ(b.find("\\b0"), std::string::npos);
    EXPECT_EQ(b.find(cb::MarkeZeichen), std::string::npos);
}

TEST(RtfBytesTest, Windows1252AndUnicodeEscapes) {
    EXPECT_EQ(cb::RtfBytes("Gr\xC3\xB6\xC3\x9F"
                           "e \xE2\x82\xAC \xC5\xB8"),
              "Gr\xF6\xDF"
              "e \x80 \x9F");
    EXPECT_EQ(cb::RtfBytes("\xD0\x96"), "\\u1046?");                    // Cyrillic Zhe
    EXPECT_EQ(cb::RtfBytes("\xE4\xB8\xAD"), "\\u20013?");               // CJK
    EXPECT_EQ(cb::RtfBytes("\xEF\xBF\xBD"), "\\u-3?");                  // above 0x7FFF: signed
    EXPECT_EQ(cb::RtfBytes("\xF0\x9F\x98\x80"), "\\u-10179?\\u-8704?"); // surrogate pair
}

} // namespace
