// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestHilfen.h"

#include "export/Html.h"
#include "render/CodeMarkieren.h"

namespace {

class HtmlFragment : public ::testing::Test {
protected:
    cb::Zustand z = cb::test::FrischerZustand();
    std::string Html(std::string code) {
        cb::CodeMarkieren(z.Opt, code);
        cb::HtmlErzeugen(z.Opt, code);
        return code;
    }
    bool Hat(const std::string& h, const std::string& teil) { return h.find(teil) != std::string::npos; }
};

TEST_F(HtmlFragment, EntitiesInCodeAndStrings) {
    std::string h = Html("If a < b And c > d Then");
    EXPECT_TRUE(Hat(h, "a &lt; b"));
    EXPECT_TRUE(Hat(h, "c &gt; d"));
    EXPECT_TRUE(Hat(Html("x = \"A&B\""), "<span style=\"color:#800000\"; >&#34;A&#38;B&#34;</span>"));
    h = Html("Debug.Print (a + b): Stop");
    for (const char* e : {"&#40;", "&#41;", "&#58;", "&#43;"})
        EXPECT_TRUE(Hat(h, e)) << e;
    std::string u = "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x84\xC3\x96\xC3\x9C\xC3\x9F \xC3\xA9";
    cb::HtmlZeichenErsetzen(u);
    EXPECT_EQ(u, "&auml;&ouml;&uuml;&Auml;&Ouml;&Uuml;&szlig; \xC3\xA9");
}

TEST_F(HtmlFragment, ColoursFontAndBold) {
    EXPECT_EQ(cb::FarbeNachHtml(128), "#800000");
    EXPECT_EQ(cb::FarbeNachHtml(8388608), "#000080");
    EXPECT_EQ(cb::FarbeNachHtml(0x0A0B0C), "#0C0B0A");
    EXPECT_EQ(Html("Dim x ' c"),
              "<pre><span style=\"font-family=MS Sans Serif,Arial; font-size=10pt\"; >"
              "<span style=\"color:#000080\"; >Dim</span> x <span style=\"color:#008000\"; >' c</span>"
              "</span></pre>");
    std::string h = Html("Sub A()\r\nEnd Sub");
    EXPECT_TRUE(Hat(h, "<b>"));
    EXPECT_TRUE(Hat(h, "\r\n"));
    EXPECT_FALSE(Hat(h, "<br>"));
    z.Opt.RoutinenFett = false;
    EXPECT_FALSE(Hat(Html("Sub A()\r\nEnd Sub"), "<b>"));
}

} // namespace
