// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestHilfen.h"

#include "render/CodeMarkieren.h"
#include "render/ModulText.h"

#include <fstream>
#include <sstream>

namespace {

// Records what store mode hands to the parser, and does what the parser
// does to the routine lines of this test's code: nothing (no routines).
class Aufzeichnung : public cb::RoutinenErfassung {
public:
    std::vector<std::string> schluessel;
    std::string beimZeilennummern;
    void RoutinenErmitteln(std::string& text, std::string_view K) override {
        schluessel.emplace_back(K);
        EXPECT_TRUE(text.starts_with("\r\n"));
    }
    void ZeilenNummernSetzen(std::string& text) override { beimZeilennummern = text; }
};

TEST(StoreMode, KeepsTheTrailingLineBreakAndWritesTheModuleFile) {
    cb::Zustand z = cb::test::FrischerZustand();
    z.ModulNummer = 7;
    Aufzeichnung parser;
    std::string text = "x = \"\xC5\xB8\" ' \xC3\xA4\r\nDim a As _\r\n  Long";
    cb::CodeMarkieren(z, text, parser);
    EXPECT_EQ(parser.schluessel,
              (std::vector<std::string>{cb::test::M("~KSub~N"), cb::test::M("~KFunction~N"),
                                        cb::test::M("~KProperty~N")}));
    const std::string erwartet =
        cb::test::M("x = ~S\"\xC5\xB8\"~N ~C' \xC3\xA4~N\r\n~KDim~N a ~KAs~N _\r\n  ~KLong~N\r\n");
    EXPECT_EQ(text, erwartet);
    // The parser reads the anchors while literal marker characters are protected
    EXPECT_NE(parser.beimZeilennummern.find(cb::MarkeEscape), std::string::npos);
    EXPECT_FALSE(parser.beimZeilennummern.starts_with("\r\n"));
    EXPECT_EQ(cb::ModulTextPfad(z, 7), z.ProjektPfad + "M7.txt");
    EXPECT_EQ(cb::ModulTextLesen(z, 7), erwartet + "\r\n");
}

TEST(StoreMode, UnwritableModuleFileIsAnError) {
    cb::Zustand z = cb::test::FrischerZustand();
    z.ProjektPfad = "/proc/nicht/da/";
    z.ModulNummer = 1;
    Aufzeichnung parser;
    std::string text = "x";
    try {
        cb::CodeMarkieren(z, text, parser);
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("/proc/nicht/da/M1.txt"), std::string::npos);
    }
    EXPECT_THROW(cb::ModulTextLesen(z, 1), std::runtime_error);
}

} // namespace
