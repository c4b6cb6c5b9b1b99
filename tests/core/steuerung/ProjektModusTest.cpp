// SPDX-License-Identifier: GPL-3.0-or-later
#include "steuerung/ProjektModus.h"

#include "steuerung/Verlauf.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>
#include <variant>

namespace {

using cb::Befehl;
using cb::Knopf;
using cb::ProjektModus;

constexpr ProjektModus AlleModi[] = {ProjektModus::KeinProjekt, ProjektModus::Eingelesen,
                                     ProjektModus::Gespeichert};

using Element = std::variant<Befehl, Knopf, cb::Menue>;

// Checks each element's state and names the one that is wrong by its kind
// (0 command, 1 button, 2 menu) and number.
void ErwarteFreigaben(const cb::Freigaben& f, std::initializer_list<Element> an,
                      std::initializer_list<Element> aus) {
    for (auto [liste, erwartet] : {std::pair{an, true}, std::pair{aus, false}})
        for (const Element& e : liste)
            std::visit(
                [&](auto x) { EXPECT_EQ(f.An(x), erwartet) << e.index() << ":" << static_cast<int>(x); }, e);
}

TEST(ProjektModus, NeuAndRefreshAreNeverEnabledTogether) {
    cb::Freigaben f;
    for (ProjektModus m : AlleModi) {
        f.ModusSetzen(m);
        EXPECT_NE(f.An(Knopf::Neu), f.An(Knopf::Aktualisieren)) << static_cast<int>(m);
        EXPECT_NE(f.An(Befehl::Neu), f.An(Befehl::AppAktualisieren)) << static_cast<int>(m);
        EXPECT_NE(f.An(Befehl::CodeEinlesen), f.An(Befehl::Neu)) << static_cast<int>(m);
    }
}

TEST(ProjektModus, WithoutProjectOnlyReadingIsOffered) {
    cb::Freigaben f;
    f.ModusSetzen(ProjektModus::KeinProjekt);
    EXPECT_FALSE(f.ProjektAktiv());
    ErwarteFreigaben(f,
                     {Befehl::CodeEinlesen, Knopf::CodeLesen, Befehl::AppAktualisieren,
                      // The clipboard conversion works without a project
                      Befehl::HtmlZwischenablage, Knopf::HtmlZwischenablage, cb::Menue::Html},
                     {Befehl::Definition, Befehl::RoutineAufrufe, Befehl::Speichern, Befehl::HtmlAuswahl,
                      Befehl::HtmlModul, Befehl::HtmlProjekt, Befehl::Neu, Befehl::Zoom,
                      Befehl::KopierenAuswahl, Befehl::KopierenModul, Knopf::Speichern, Knopf::HtmlAuswahl,
                      Knopf::HtmlModul, Knopf::HtmlProjekt, Knopf::Neu, Knopf::Zoom, cb::Menue::Rtf,
                      cb::Menue::Text});
}

TEST(ProjektModus, ReadAndSavedProjectsSetTheSameState) {
    auto eingelesen = cb::ProjektModusSetzen(ProjektModus::Eingelesen);
    auto gespeichert = cb::ProjektModusSetzen(ProjektModus::Gespeichert);
    ASSERT_TRUE(eingelesen && gespeichert);
    EXPECT_TRUE(eingelesen->ProjektAktiv);
    EXPECT_EQ(eingelesen->Befehle, gespeichert->Befehle);
    EXPECT_EQ(eingelesen->Knoepfe, gespeichert->Knoepfe);
    EXPECT_EQ(eingelesen->Menues, gespeichert->Menues);
    // Only the mode without a project rewrites the panels
    EXPECT_FALSE(eingelesen->PanelTexte);

    cb::Freigaben f;
    f.ModusSetzen(ProjektModus::KeinProjekt);
    f.ModusSetzen(ProjektModus::Gespeichert);
    EXPECT_TRUE(f.ProjektAktiv());
    ErwarteFreigaben(f, {Befehl::Definition, cb::Menue::Rtf, Knopf::Zoom},
                     {Befehl::CodeEinlesen, Knopf::CodeLesen, Knopf::Aktualisieren});
}

TEST(ProjektModus, WithoutProjectThePanelsShowTheirNames) {
    auto a = cb::ProjektModusSetzen(ProjektModus::KeinProjekt);
    ASSERT_TRUE(a && a->PanelTexte);
    EXPECT_EQ(a->PanelTexte->Modul, "Modul");
    EXPECT_EQ(a->PanelTexte->Routine, "Routine");
    EXPECT_EQ(a->PanelTexte->Aktion, "Aktion");
}

TEST(ProjektModus, AnyOtherValueChangesNothing) {
    EXPECT_FALSE(cb::ProjektModusSetzen(static_cast<ProjektModus>(3)));
    EXPECT_FALSE(cb::ProjektModusSetzen(static_cast<ProjektModus>(-1)));
    cb::Freigaben f;
    f.ModusSetzen(ProjektModus::Eingelesen);
    f.ModusSetzen(static_cast<ProjektModus>(7));
    EXPECT_TRUE(f.ProjektAktiv());
    EXPECT_TRUE(f.An(Befehl::Definition));
}

TEST(ProjektModus, ItemsOutsideTheTableKeepTheirState) {
    cb::Freigaben f;
    f.Setzen(Befehl::Suchen, false);
    f.Setzen(Befehl::RoutinensucheSchliessen, true);
    for (ProjektModus m : AlleModi) {
        SCOPED_TRACE(static_cast<int>(m));
        f.ModusSetzen(m);
        ErwarteFreigaben(f, {Befehl::RoutinensucheSchliessen, Befehl::Optionen, Knopf::Oeffnen},
                         {Befehl::Suchen});
    }
}

TEST(ProjektModus, ViewResetLeavesReadingOffUntilSomethingIsTicked) {
    cb::Freigaben f;
    f.ModusSetzen(ProjektModus::KeinProjekt);
    f.Setzen(Befehl::RoutineZurueck, true);
    f.Setzen(Befehl::RoutineVor, true);
    f.AnsichtZuruecksetzen();
    // The refresh stays available
    ErwarteFreigaben(f, {Knopf::Aktualisieren, Befehl::AppAktualisieren},
                     {Befehl::CodeEinlesen, Knopf::CodeLesen, Befehl::RoutineZurueck, Befehl::RoutineVor});
}

TEST(ProjektModus, HistoryStepsFollowTheHistory) {
    cb::Freigaben f;
    cb::Verlauf v;
    EXPECT_FALSE(f.An(Befehl::RoutineZurueck));
    EXPECT_FALSE(f.An(Befehl::RoutineVor));
    v.VerlaufMerken({0, 10, "M", "A"});
    v.VerlaufMerken({0, 20, "M", "B"});
    f.VerlaufFolgen(v);
    EXPECT_TRUE(f.An(Befehl::RoutineZurueck));
    EXPECT_FALSE(f.An(Befehl::RoutineVor));
    v.Zurueck();
    f.VerlaufFolgen(v);
    EXPECT_FALSE(f.An(Befehl::RoutineZurueck));
    EXPECT_TRUE(f.An(Befehl::RoutineVor));
}

} // namespace
