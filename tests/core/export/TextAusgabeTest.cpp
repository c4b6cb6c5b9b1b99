// SPDX-License-Identifier: GPL-3.0-or-later
// Plain text to the clipboard and the text a code pane shows.
#include "ExportHilfen.h"

#include "export/TextAusgabe.h"
#include "render/ModulText.h"

namespace cb::test {
namespace {

class TextAusgabeTest : public ExportTest {};

TEST_F(TextAusgabeTest, SelectionGoesToTheClipboardWithTheMessage) {
    auto k = K();
    mnuText_Auswahl_Click(k, "");
    ASSERT_EQ(meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(meldungen.Gezeigt()[0].Text, "Bitte markieren Sie den gewünschten Text");
    EXPECT_EQ(meldungen.Gezeigt()[0].Symbol, MeldungsSymbol::Warnung);
    EXPECT_EQ(ablage.MalGeleert(), 0);

    mnuText_Auswahl_Click(k, "x = 1");
    EXPECT_EQ(ablage.TextLesen(), "x = 1");
    EXPECT_EQ(ablage.MalGeleert(), 1);
    ASSERT_EQ(meldungen.Gezeigt().size(), 2u);
    EXPECT_EQ(meldungen.Gezeigt()[1].Text, "Text in Zwischenablage");
    EXPECT_EQ(meldungen.Gezeigt()[1].Knoepfe, MeldungsKnoepfe::Ok);
}

TEST_F(TextAusgabeTest, ModuleTextWithoutMessageOptionIsCopiedSilently) {
    z.MeldungNachClip = false;
    auto k = K();
    mnuText_Modul_Click(k, "");
    EXPECT_EQ(ablage.MalGeleert(), 0) << "an empty pane copies nothing";
    mnuText_Modul_Click(k, "Sub A()\r\nEnd Sub");
    EXPECT_EQ(ablage.TextLesen(), "Sub A()\r\nEnd Sub");
    mnuText_Auswahl_Click(k, "y");
    EXPECT_TRUE(meldungen.Gezeigt().empty());
    mnuExtras_ClearClip_Click(k);
    EXPECT_EQ(ablage.TextLesen(), "");
    EXPECT_TRUE(meldungen.Gezeigt().empty());
}

TEST_F(TextAusgabeTest, PaneTextIsTheStoredTextWithoutMarkers) {
    const std::string code = "Sub A() ' Kommentar\r\n    s = \"Text\"\r\nEnd Sub";
    Oeffnen({{"Modul1", ModulStandard, code}});
    std::string gespeichert = ModulTextLesen(z, 1);
    ASSERT_NE(gespeichert.find(MarkeKommentar), std::string::npos);
    std::string text = AnzeigeText(gespeichert);
    EXPECT_TRUE(text.starts_with(code + "\r\n")) << text;
    EXPECT_EQ(text.find(MarkeZeichen), std::string::npos);
    EXPECT_EQ(AnzeigeText("a " + std::string(MarkeZeichen) + " b"), "a " + std::string(MarkeZeichen) + " b")
        << "a literal marker character stays";
}

} // namespace
} // namespace cb::test
