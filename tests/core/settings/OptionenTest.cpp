// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/Optionen.h"
#include "app/EinstellungsSpeicher.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cb {
namespace {

const std::string App = "QX_Brindle\\Co_Brindle_Excel";

std::vector<std::string> Schluessel(const EinstellungsPaare& paare) {
    std::vector<std::string> s;
    for (const auto& [k, w] : paare)
        s.push_back(k);
    return s;
}

TEST(OptionKeys, SavedInTheDialogsOrderWithoutTheLayout) {
    SpeicherImArbeitsspeicher s;
    OptionenSpeichern(Optionen{}, s, App);
    EXPECT_EQ(Schluessel(s.Alle(App, "optionen")),
              (std::vector<std::string>{"fkey", "fkom", "fstr", "rouf", "aufk", "leer", "vor", "rer", "rle",
                                        "meld", "einr", "stapro", "tab", "font", "usb"}));
    EXPECT_EQ(s.Lesen(App, "optionen", "font"), "MS Sans Serif,10");
    EXPECT_EQ(s.Lesen(App, "optionen", "rouf"), "-1");
    EXPECT_EQ(s.Lesen(App, "optionen", "fkey"), "8388608");
}

TEST(OptionKeys, EveryKeyRoundTripsThroughItsStoredForm) {
    Optionen geaendert;
    for (const OptionsSchluessel& k : OptionsTabelle()) {
        // A value other than the default of each kind
        const std::string wert = k.Art == OptionsArt::Schalter
                                     ? (OptionWert(geaendert, k.Schluessel) == "-1" ? "0" : "-1")
                                 : k.Art == OptionsArt::Schrift ? "Courier New,12"
                                 : k.Art == OptionsArt::Text    ? "1;2;3;4"
                                                                : "17";
        ASSERT_TRUE(OptionSetzen(geaendert, k.Schluessel, wert)) << k.Schluessel;
        EXPECT_EQ(OptionWert(geaendert, k.Schluessel), wert) << k.Schluessel;
    }
    EXPECT_NE(geaendert, Optionen{});

    // Saved and loaded over the defaults, every key but the layout comes back
    SpeicherImArbeitsspeicher s;
    OptionenSpeichern(geaendert, s, App);
    Optionen geladen;
    OptionenLaden(geladen, s, App);
    geladen.WindowLayout = geaendert.WindowLayout;
    EXPECT_EQ(geladen, geaendert);
}

TEST(OptionKeys, LoadingKeepsDefaultsForEmptyValuesAndTakesTheLayout) {
    SpeicherImArbeitsspeicher s;
    s.Schreiben(App, "optionen", "bis", "1200;900;12000;8000");
    s.Schreiben(App, "optionen", "tab", "");
    s.Schreiben(App, "optionen", "meld", "0");
    Optionen o;
    OptionenLaden(o, s, App);
    EXPECT_EQ(o.WindowLayout, "1200;900;12000;8000");
    EXPECT_EQ(o.TabstopMm, 5);
    EXPECT_FALSE(o.MeldungNachClip);
    EXPECT_FALSE(OptionSetzen(o, "gibtsnicht", "1"));
    EXPECT_EQ(OptionWert(o, "gibtsnicht"), "");
    EXPECT_EQ(OptionsSchluesselFinden("bis")->Gespeichert, false);
}

TEST(OptionKeys, TheKeysThatShapeTheOutputAreMarked) {
    std::vector<std::string> darstellung;
    for (const OptionsSchluessel& k : OptionsTabelle())
        if (k.Darstellung)
            darstellung.push_back(k.Schluessel);
    // The window's own switches (message, preview, tree, layout) change no
    // byte of a colouring or an export.
    EXPECT_EQ(darstellung, (std::vector<std::string>{"fkey", "fkom", "fstr", "einr", "rouf", "rer", "rle",
                                                     "leer", "tab", "font"}));
}

} // namespace
} // namespace cb
