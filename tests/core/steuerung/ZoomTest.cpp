// SPDX-License-Identifier: GPL-3.0-or-later
#include "steuerung/Zoom.h"

#include <gtest/gtest.h>

namespace {

using cb::Befehl;

TEST(Zoom, RefusesOnlyTheCommandsOnTheHiddenPane) {
    for (Befehl b : {Befehl::Suchen, Befehl::SuchenWeiter, Befehl::KopierenModul, Befehl::Definition}) {
        auto h = cb::ZoomSperre(b, true);
        ASSERT_TRUE(h) << static_cast<int>(b);
        EXPECT_EQ(h->Text, "Steht im Zoom Modus nicht zur Verfügung");
        EXPECT_EQ(h->Symbol, cb::MeldungsSymbol::Information);
        EXPECT_FALSE(cb::ZoomSperre(b, false));
    }
    // Leaving zoom mode, copying the zoom pane and the selection commands stay
    for (Befehl b : {Befehl::Zoom, Befehl::ZoomKopieren, Befehl::ZoomNachHtml, Befehl::KopierenAuswahl,
                     Befehl::HtmlAuswahl, Befehl::RoutineZurueck, Befehl::RoutineAufrufe})
        EXPECT_FALSE(cb::ZoomSperre(b, true)) << static_cast<int>(b);
}

TEST(Zoom, TogglesAndResets) {
    cb::ZoomModus z;
    EXPECT_FALSE(z.An());
    EXPECT_TRUE(z.Umschalten());
    EXPECT_TRUE(z.An());
    EXPECT_FALSE(z.Umschalten());
    EXPECT_FALSE(z.Aus());
    z.Umschalten();
    EXPECT_TRUE(z.Aus());
    EXPECT_FALSE(z.An());
}

TEST(Zoom, LineIsTheCaretLinePlusOne) {
    const std::string text = "Sub A()\nEnd Sub\n\nSub B()";
    EXPECT_EQ(cb::ZoomModus::ZoomZeile(text, 0), 1u);
    EXPECT_EQ(cb::ZoomModus::ZoomZeile(text, 7), 1u); // on the line break itself
    EXPECT_EQ(cb::ZoomModus::ZoomZeile(text, 8), 2u);
    EXPECT_EQ(cb::ZoomModus::ZoomZeile(text, 16), 3u); // the empty line
    EXPECT_EQ(cb::ZoomModus::ZoomZeile(text, 17), 4u);
    EXPECT_EQ(cb::ZoomModus::ZoomZeile(text, 1000), 4u);
    EXPECT_EQ(cb::ZoomModus::ZoomZeile("", 0), 1u);
}

TEST(Zoom, LineCountsCharactersNotBytes) {
    // Two characters in: after "ä" and the break, on "b"
    EXPECT_EQ(cb::ZeileAnOffset("ä\nb", 2), 1u);
    EXPECT_EQ(cb::ZeileAnOffset("' Größe\nx\ny", 10), 2u);
}

} // namespace
