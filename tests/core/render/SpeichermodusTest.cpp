// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestHilfen.h"

#include "render/CodeMarkieren.h"
#include "store/ModulText.h"

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

TEST(StoreMode, KeepsTheTrailingLineBreakAndWritesNothing) {
    cb::Zustand z = cb::test::FrischerZustand();
    Aufzeichnung parser;
    std::string text = "x = \"\xC5\xB8\" ' \xC3\xA4\r\nDim a As _\r\n  Long";
    cb::CodeMarkieren(z.Opt, text, parser);
    EXPECT_EQ(parser.schluessel,
              (std::vector<std::string>{cb::test::M("~KSub~N"), cb::test::M("~KFunction~N"),
                                        cb::test::M("~KProperty~N")}));
    const std::string erwartet =
        cb::test::M("x = ~S\"\xC5\xB8\"~N ~C' \xC3\xA4~N\r\n~KDim~N a ~KAs~N _\r\n  ~KLong~N\r\n");
    EXPECT_EQ(text, erwartet);
    // The parser reads the anchors while literal marker characters are protected
    EXPECT_NE(parser.beimZeilennummern.find(cb::MarkeEscape), std::string::npos);
    EXPECT_FALSE(parser.beimZeilennummern.starts_with("\r\n"));
    // The module text file is the read's to write, once the rows are stored
    EXPECT_TRUE(std::filesystem::is_empty(z.Arbeitsbereich));
    cb::ModulTextSchreiben(z.Arbeitsbereich, 7, text);
    EXPECT_EQ(cb::ModulTextPfad(z.Arbeitsbereich, 7), z.Arbeitsbereich + "M7.txt");
    EXPECT_EQ(cb::ModulTextLesen(z.Arbeitsbereich, 7), erwartet + "\r\n");
}

TEST(StoreMode, UnwritableModuleFileIsAnError) {
    const std::string ordner = "/proc/nicht/da/";
    try {
        cb::ModulTextSchreiben(ordner, 1, "x");
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("/proc/nicht/da/M1.txt"), std::string::npos);
    }
    EXPECT_THROW(cb::ModulTextLesen(ordner, 1), std::runtime_error);
}

} // namespace
