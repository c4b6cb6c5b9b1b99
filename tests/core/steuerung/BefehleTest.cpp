// SPDX-License-Identifier: GPL-3.0-or-later
#include "steuerung/Befehle.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using cb::Befehl;

// The caption of the menu of the bar that holds the item.
std::string MenueVon(const cb::MenueEintrag* gesucht) {
    std::string menue;
    for (const auto& e : cb::Menueleiste()) {
        if (e.Ebene == 0)
            menue = std::string(e.Beschriftung);
        if (&e == gesucht)
            return menue;
    }
    return {};
}

std::vector<std::pair<std::string, std::optional<Befehl>>>
Eintraege(std::span<const cb::MenueEintrag> tabelle, int ebene) {
    std::vector<std::pair<std::string, std::optional<Befehl>>> out;
    for (const auto& e : tabelle)
        if (e.Ebene == ebene)
            out.emplace_back(std::string(e.Beschriftung), e.Ausfuehren);
    return out;
}

TEST(Symbolleiste, KeysMatchWhateverTheirCase) {
    EXPECT_EQ(cb::SymbolleistenBefehl("ZOOM"), Befehl::Zoom);
    EXPECT_EQ(cb::SymbolleistenBefehl("Su_A"), Befehl::Suchen);
    EXPECT_EQ(cb::SymbolleistenBefehl("su_w"), Befehl::SuchenWeiter);
    EXPECT_EQ(cb::SymbolleistenBefehl("DoIt"), Befehl::CodeEinlesen);
    EXPECT_EQ(cb::KnopfVonSchluessel("HT_PRO"), cb::Knopf::HtmlProjekt);
}

TEST(Symbolleiste, RefreshAndNeuRunTheSameRefresh) {
    EXPECT_EQ(cb::SymbolleistenBefehl("refresh"), Befehl::Neu);
    EXPECT_EQ(cb::SymbolleistenBefehl("NEU"), Befehl::Neu);
    // ...but they stay two buttons, enabled one at a time
    EXPECT_EQ(cb::KnopfVonSchluessel("refresh"), cb::Knopf::Aktualisieren);
    EXPECT_EQ(cb::KnopfVonSchluessel("neu"), cb::Knopf::Neu);
}

TEST(Symbolleiste, OtherKeysDoNothing) {
    for (const char* k : {"", "blind", "cont", "close", "zoo", "zoom ", "su", "su_x"}) {
        EXPECT_EQ(cb::SymbolleistenBefehl(k), std::nullopt) << k;
        EXPECT_EQ(cb::KnopfVonSchluessel(k), std::nullopt) << k;
    }
    EXPECT_EQ(cb::SuchleistenBefehl("close"), Befehl::RoutinensucheSchliessen);
    EXPECT_EQ(cb::SuchleistenBefehl("CLOSE"), Befehl::RoutinensucheSchliessen);
    EXPECT_EQ(cb::SuchleistenBefehl("zoom"), std::nullopt);
    EXPECT_EQ(cb::SuchleistenBefehl(""), std::nullopt);
}

TEST(Symbolleiste, EveryButtonHasOneKeyAndPlacesKeepTheirOrder) {
    std::set<std::string> schluessel;
    for (std::size_t i = 0; i < cb::KnopfAnzahl; ++i) {
        auto k = static_cast<cb::Knopf>(i);
        std::string s(cb::KnopfSchluessel(k));
        ASSERT_FALSE(s.empty()) << i;
        EXPECT_TRUE(schluessel.insert(s).second) << s;
        EXPECT_EQ(cb::KnopfVonSchluessel(s), k);
    }
    std::vector<std::string> folge;
    for (const auto& e : cb::Symbolleiste())
        folge.push_back(e.Art == cb::LeistenArt::Strich ? "-" : std::string(e.Schluessel));
    EXPECT_EQ(folge,
              (std::vector<std::string>{"neu",     "open",   "save",   "refresh", "doit", "blind", "-",
                                        "ht_clip", "ht_aus", "ht_mod", "ht_pro",  "-",    "su_a",  "su_w",
                                        "su_p",    "su_g",   "",       "su_i",    "-",    "zoom"}));
}

TEST(Statusleiste, ArrowPanelsStepTheHistoryAndPanelTwoListsCallers) {
    EXPECT_EQ(cb::PanelKlickBefehl(3), Befehl::RoutineZurueck);
    EXPECT_EQ(cb::PanelKlickBefehl(4), Befehl::RoutineVor);
    for (int p : {0, 1, 2, 5, 6})
        EXPECT_EQ(cb::PanelKlickBefehl(p), std::nullopt) << p;
    EXPECT_EQ(cb::PanelDoppelklickBefehl(2), Befehl::RoutineAufrufe);
    EXPECT_EQ(cb::PanelDoppelklickBefehl(3), std::nullopt);
}

TEST(Menueleiste, EveryCommandIsReachableFromAMenu) {
    std::set<Befehl> erreichbar;
    auto sammeln = [&](std::span<const cb::MenueEintrag> t) {
        for (const auto& e : t)
            if (e.Ausfuehren)
                erreichbar.insert(*e.Ausfuehren);
    };
    sammeln(cb::Menueleiste());
    for (auto p : {cb::PopUp::Haupt, cb::PopUp::Zoom, cb::PopUp::Einlesen})
        sammeln(cb::PopUpMenue(p));
    EXPECT_EQ(erreichbar.size(), cb::BefehlAnzahl);
    for (const auto& e : cb::Symbolleiste())
        if (e.Ausfuehren) {
            EXPECT_NE(cb::MenueEintragVon(*e.Ausfuehren), nullptr) << e.Schluessel;
        }
}

TEST(Menueleiste, NamesAndShortcutsAreUnique) {
    std::set<std::pair<std::string, int>> namen;
    std::set<std::string> tasten;
    for (const auto& e : cb::Menueleiste()) {
        EXPECT_TRUE(namen.emplace(std::string(e.Name), e.Index).second) << e.Name << " " << e.Index;
        if (!e.Taste.empty()) {
            EXPECT_TRUE(tasten.insert(std::string(e.Taste)).second) << e.Taste;
        }
        EXPECT_EQ(e.Art == cb::MenueArt::Strich, e.Beschriftung == "-") << e.Name;
        EXPECT_EQ(e.Art == cb::MenueArt::Menue, e.Gruppe.has_value()) << e.Name;
    }
}

TEST(Menueleiste, MenusComeInOrderAndHoldTheirItems) {
    EXPECT_EQ(Eintraege(cb::Menueleiste(), 0), (std::vector<std::pair<std::string, std::optional<Befehl>>>{
                                                   {"&Datei", std::nullopt},
                                                   {"&Bearbeiten", std::nullopt},
                                                   {"&Ansicht", std::nullopt},
                                                   {"&VB Einlesen", Befehl::VbEinlesen},
                                                   {"&Extras", std::nullopt},
                                                   {"RTF", std::nullopt},
                                                   {"HTML", std::nullopt},
                                                   {"&Nur-Text", std::nullopt},
                                                   {"&?", std::nullopt}}));
    EXPECT_EQ(MenueVon(cb::MenueEintragVon(Befehl::Zoom)), "&Ansicht");
    EXPECT_EQ(MenueVon(cb::MenueEintragVon(Befehl::RoutineVor)), "&Bearbeiten");
    EXPECT_EQ(MenueVon(cb::MenueEintragVon(Befehl::RtfModul)), "RTF");
    EXPECT_EQ(MenueVon(cb::MenueEintragVon(Befehl::TextModul)), "&Nur-Text");
    EXPECT_EQ(MenueVon(cb::MenueEintragVon(Befehl::HtmlModul)), "HTML");
    EXPECT_EQ(MenueVon(cb::MenueEintragVon(Befehl::ZuletztOeffnen)), "&Datei");
    EXPECT_EQ(cb::MenueEintragVon(Befehl::ZoomKopieren), nullptr);
}

TEST(Menueleiste, SearchAndHistoryItemsCarryTheirKeys) {
    const auto* w = cb::MenueEintragVon(Befehl::SuchenWeiter);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Name, "mnuBearbeiten_SuchenWeiter");
    EXPECT_EQ(w->Beschriftung, "Suchen ab P&osition");
    EXPECT_EQ(w->Taste, "Ctrl+F3");
    const auto* z = cb::MenueEintragVon(Befehl::RoutineZurueck);
    ASSERT_NE(z, nullptr);
    EXPECT_EQ(z->Name, "mnuBearbeiten_RouBew");
    EXPECT_EQ(z->Index, 3);
    EXPECT_EQ(z->Beschriftung, "Routine &Zurück");
    EXPECT_EQ(z->Taste, "F4");
    EXPECT_EQ(cb::MenueEintragVon(Befehl::RoutineVor)->Index, 4);
    EXPECT_TRUE(cb::MenueEintragVon(Befehl::Zoom)->Abhakbar);
    EXPECT_TRUE(cb::MenueEintragVon(Befehl::ProjektsucheUmschalten)->Abhakbar);
    EXPECT_FALSE(cb::MenueEintragVon(Befehl::Suchen)->Abhakbar);
}

TEST(Menueleiste, TenHiddenRecentEntries) {
    std::vector<int> indizes;
    for (const auto& e : cb::Menueleiste()) {
        if (e.Ausfuehren != Befehl::ZuletztOeffnen)
            continue;
        EXPECT_FALSE(e.Sichtbar);
        EXPECT_EQ(e.Beschriftung, "&" + std::to_string(e.Index) + " - ");
        indizes.push_back(e.Index);
    }
    EXPECT_EQ(indizes, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    // Exported module files are read from the window too
    EXPECT_TRUE(cb::MenueEintragVon(Befehl::VbEinlesen)->Sichtbar);
}

TEST(PopUpMenue, HtmlItemsFollowTheHtmlMenu) {
    std::vector<Befehl> menue, popup;
    bool imHtml = false;
    for (const auto& e : cb::Menueleiste()) {
        if (e.Ebene == 0)
            imHtml = e.Gruppe == cb::Menue::Html;
        else if (imHtml && e.Ausfuehren)
            menue.push_back(*e.Ausfuehren);
    }
    for (const auto& e : cb::PopUpMenue(cb::PopUp::Haupt))
        if (e.Name == "mnuPopUpHaupt_Html_Index") {
            EXPECT_EQ(e.Index, static_cast<int>(popup.size()));
            popup.push_back(*e.Ausfuehren);
        }
    EXPECT_EQ(popup, menue);
    EXPECT_EQ(popup.size(), 4u);
}

TEST(PopUpMenue, ItemsRunTheMenuCommands) {
    using V = std::vector<std::pair<std::string, std::optional<Befehl>>>;
    EXPECT_EQ(Eintraege(cb::PopUpMenue(cb::PopUp::Haupt), 1), (V{{"&HTML", std::nullopt},
                                                                 {"-", std::nullopt},
                                                                 {"&Kopieren", std::nullopt},
                                                                 {"-", std::nullopt},
                                                                 {"Definition", Befehl::Definition},
                                                                 {"Aufruf", Befehl::RoutineAufrufe},
                                                                 {"-", std::nullopt},
                                                                 {"&Zoom", Befehl::Zoom}}));
    EXPECT_EQ(Eintraege(cb::PopUpMenue(cb::PopUp::Zoom), 1), (V{{"Zoom nach &Html", Befehl::ZoomNachHtml},
                                                                {"&Zoom Kopieren", Befehl::ZoomKopieren},
                                                                {"-", std::nullopt},
                                                                {"&Zoom Aus", Befehl::Zoom}}));
    EXPECT_EQ(
        Eintraege(cb::PopUpMenue(cb::PopUp::Einlesen), 1),
        (V{{"&HTML Zwischenablage", Befehl::HtmlZwischenablage}, {"&Code Einlesen", Befehl::CodeEinlesen}}));
    // "&Kopieren" > "&Modul" is the module copy, "&Auswahl" the selection copy
    std::vector<Befehl> kopieren;
    for (const auto& e : cb::PopUpMenue(cb::PopUp::Haupt))
        if (e.Name.starts_with("mnuPopUpHaupt_Kopieren_"))
            kopieren.push_back(*e.Ausfuehren);
    EXPECT_EQ(kopieren, (std::vector<Befehl>{Befehl::KopierenModul, Befehl::KopierenAuswahl}));
}

} // namespace
