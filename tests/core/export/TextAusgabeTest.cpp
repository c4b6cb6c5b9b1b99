// SPDX-License-Identifier: GPL-3.0-or-later
// Plain text to the clipboard and the text a code pane shows.
#include "ExportHilfen.h"

#include "export/RtfKopieren.h"
#include "export/TextAusgabe.h"
#include "render/Rtf.h"
#include "store/ModulText.h"

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
    z.Opt.MeldungNachClip = false;
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

TEST_F(TextAusgabeTest, RichTextCopiesTheModuleOrZoomAsDocumentAndPlainText) {
    Oeffnen({{"Modul1", ModulStandard, "Sub Größe() ' Привет\r\nEnd Sub"}});
    const std::string gespeichert = ModulTextLesen(projekt.ProjektPfad(), 1);
    auto k = K();
    mnuBearbeiten_Kopieren_Modul_Click(k, true, gespeichert);
    ASSERT_EQ(Texte(meldungen), std::vector<std::string>{"Steht im Zoom Modus nicht zur Verfügung"});
    EXPECT_EQ(meldungen.Gezeigt()[0].Symbol, MeldungsSymbol::Information);
    EXPECT_EQ(ablage.MalGeleert(), 0) << "nothing copied in zoom mode";

    mnuBearbeiten_Kopieren_Modul_Click(k, false, gespeichert);
    EXPECT_EQ(ablage.MalGeleert(), 1);
    std::string erwartet = gespeichert;
    MarkenNachRtf(z.Opt, erwartet);
    RtfDokumentBilden(z.Opt, erwartet);
    EXPECT_EQ(ablage.RtfLesen(), RtfBytes(erwartet));
    EXPECT_NE(ablage.RtfLesen().find("Gr\xF6\xDF"
                                     "e"),
              std::string::npos)
        << "Windows-1252 bytes";
    EXPECT_NE(ablage.RtfLesen().find("\\u1055?"), std::string::npos) << "Cyrillic survives";
    EXPECT_EQ(ablage.TextLesen(), AnzeigeText(gespeichert));
    EXPECT_EQ(meldungen.Gezeigt().size(), 1u) << "a copy says nothing";

    mnuPopUp_Zoom_Copy_Click(k, "Sub X()");
    EXPECT_EQ(ablage.MalGeleert(), 2);
    EXPECT_EQ(ablage.TextLesen(), "Sub X()");
    EXPECT_TRUE(ablage.RtfLesen().starts_with("{\\rtf1")) << ablage.RtfLesen();
}

TEST_F(TextAusgabeTest, PaneTextIsTheStoredTextWithoutMarkers) {
    const std::string code = "Sub A() ' Kommentar\r\n    s = \"Text\"\r\nEnd Sub";
    Oeffnen({{"Modul1", ModulStandard, code}});
    std::string gespeichert = ModulTextLesen(projekt.ProjektPfad(), 1);
    ASSERT_NE(gespeichert.find(MarkeKommentar), std::string::npos);
    std::string text = AnzeigeText(gespeichert);
    EXPECT_TRUE(text.starts_with(code + "\r\n")) << text;
    EXPECT_EQ(text.find(MarkeZeichen), std::string::npos);
    EXPECT_EQ(AnzeigeText("a " + std::string(MarkeZeichen) + " b"), "a " + std::string(MarkeZeichen) + " b")
        << "a literal marker character stays";
}

} // namespace
} // namespace cb::test
