// SPDX-License-Identifier: GPL-3.0-or-later
#include "steuerung/Befehle.h"

#include "app/Text.h"

#include <array>

namespace cb {

namespace {

using B = Befehl;

// The first line of a pop-up menu's table: the menu itself, no caption.
constexpr MenueEintrag P(std::string_view name) {
    MenueEintrag e;
    e.Name = name;
    e.Ebene = 0;
    e.Art = MenueArt::Menue;
    return e;
}

// A menu of the bar is built as a pop-up's first line, with caption and group.
constexpr MenueEintrag M(std::string_view name, std::string_view text, Menue gruppe) {
    MenueEintrag e = P(name);
    e.Beschriftung = text;
    e.Gruppe = gruppe;
    return e;
}

constexpr MenueEintrag E(std::string_view name, std::string_view text, Befehl befehl,
                         std::string_view taste = {}, int ebene = 1) {
    MenueEintrag e;
    e.Name = name;
    e.Beschriftung = text;
    e.Ebene = ebene;
    e.Ausfuehren = befehl;
    e.Taste = taste;
    return e;
}

constexpr MenueEintrag T(std::string_view name, int ebene = 1) {
    MenueEintrag e;
    e.Name = name;
    e.Beschriftung = "-";
    e.Ebene = ebene;
    e.Art = MenueArt::Strich;
    return e;
}

constexpr MenueEintrag Indiziert(MenueEintrag e, int index) {
    e.Index = index;
    return e;
}

constexpr MenueEintrag Versteckt(MenueEintrag e) {
    e.Sichtbar = false;
    return e;
}

constexpr MenueEintrag Abhakbar(MenueEintrag e) {
    e.Abhakbar = true;
    return e;
}

constexpr MenueEintrag Zuletzt(int i, std::string_view text) {
    return Versteckt(Indiziert(E("mnuOpenIndex", text, B::ZuletztOeffnen), i));
}

constexpr auto MenueleisteTabelle = std::to_array<MenueEintrag>({
    M("mnuDatei", "&Datei", Menue::Datei),
    E("mnuÖffnen", "&Öffnen ...", B::Oeffnen, "Ctrl+O"),
    // Where Excel's own File menu opened workbooks: here the program is the host.
    E("mnuMappen", "&Arbeitsmappen öffnen ...", B::MappenOeffnen, "Ctrl+M"),
    E("mnuNeu", "&Neu", B::Neu, "Ctrl+N"),
    E("mnuSpeichern", "&Speichern Unter ...", B::Speichern, "Ctrl+S"),
    E("mnuEnde", "&Beenden", B::Beenden),
    T("mnuStrichDD"),
    Zuletzt(0, "&0 - "),
    Zuletzt(1, "&1 - "),
    Zuletzt(2, "&2 - "),
    Zuletzt(3, "&3 - "),
    Zuletzt(4, "&4 - "),
    Zuletzt(5, "&5 - "),
    Zuletzt(6, "&6 - "),
    Zuletzt(7, "&7 - "),
    Zuletzt(8, "&8 - "),
    Zuletzt(9, "&9 - "),
    M("mnuBearbeiten", "&Bearbeiten", Menue::Bearbeiten),
    E("mnuBearbeiten_Code", "&Code Einlesen", B::CodeEinlesen, "F2"),
    T("mnuBearb_Strich1"),
    E("mnuBearbeiten_Suchen", "&Suchen", B::Suchen, "F3"),
    E("mnuBearbeiten_SuchenWeiter", "Suchen ab P&osition", B::SuchenWeiter, "Ctrl+F3"),
    Abhakbar(E("mnuBearbeiten_Suchen_Projekt", "&Projektsuche An/Aus", B::ProjektsucheUmschalten)),
    Abhakbar(E("mnuBearbeiten_Suchen_GanzWort", "&Ganzes Wort Suche An/Aus", B::GanzesWortUmschalten)),
    E("mnuBearbeiten_Suchen_Auswahl", "&Auswahl nach Suche", B::AuswahlNachSuche, "Ctrl+F"),
    T("mnuBearb_Strich2"),
    E("mnuBearbeiten_Rout", "Aktuelle &Routine Aufrufe", B::RoutineAufrufe, "Ctrl+F8"),
    E("mnuBearbeiten_Definition", "&Definition", B::Definition, "F8"),
    Indiziert(E("mnuBearbeiten_RouBew", "Routine &Zurück", B::RoutineZurueck, "F4"), 3),
    Indiziert(E("mnuBearbeiten_RouBew", "Routine &Vor", B::RoutineVor, "Ctrl+F4"), 4),
    T("mnuBearb_Strich3"),
    E("mnuBearbeiten_Kopieren_Modul", "Kopieren &Modul", B::KopierenModul),
    E("mnuBearbeiten_Kopieren_Auswahl", "&Kopieren Auswahl", B::KopierenAuswahl),
    M("mnuAnsicht", "&Ansicht", Menue::Ansicht),
    E("mnuAnsicht_App_Aktualisieren", "&Aktualisieren VBA Projekte", B::AppAktualisieren, "F5"),
    Abhakbar(E("mnuAnsicht_Zoom", "&Zoom", B::Zoom)),
    E("mnuAnsicht_RouClose", "&Routinensuche schliessen", B::RoutinensucheSchliessen),
    T("mnuAnsicht_s1"),
    E("mnuAnsicht_Spezial", "&Spezialansicht", B::Spezialansicht, "F9"),
    // A menu of the bar that is itself a command: module files exported
    // into version control are read as a project too.
    E("mnuVB", "&VB Einlesen", B::VbEinlesen, {}, 0),
    M("mnuExtras", "&Extras", Menue::Extras),
    E("mnuExtras_Struktur", "&Struktur nach Zwischenablage", B::Struktur),
    T("mnuExtras_s3"),
    E("mnuExtras_Optionen", "&Optionen", B::Optionen, "Ctrl+E"),
    T("mnuExtras_s4"),
    E("mnuExtras_Screen_define", "Benutzer Bildschirm &Festlegen", B::BildschirmFestlegen),
    E("mnuExtras_Screen_call", "&Benutzer Bildschirm Aufrufen", B::BildschirmAufrufen),
    T("mnuExtras_s5"),
    E("mnuExtras_ClearClip", "&Zwischenablage Leeren", B::ZwischenablageLeeren, "Ctrl+Q"),
    M("mnuRtf", "RTF", Menue::Rtf),
    E("mnuRtf_Projekt", "&Projekt", B::RtfProjekt),
    E("mnuRtf_Modul", "&Modul", B::RtfModul),
    M("mnuHtml", "HTML", Menue::Html),
    E("mnuHtml_Clipboard", "&Zwischenablage", B::HtmlZwischenablage),
    E("mnuHtml_Auswahl", "&Auswahl", B::HtmlAuswahl),
    E("mnuHtml_Modul", "&Modul", B::HtmlModul),
    E("mnuHtml_projekt", "&Projekt", B::HtmlProjekt),
    M("mnuText", "&Nur-Text", Menue::Text),
    E("mnuText_Auswahl", "&Auswahl", B::TextAuswahl),
    E("mnuText_Modul", "&Modul", B::TextModul),
    M("mnuHilfe", "&?", Menue::Hilfe),
    E("mnuHilfe_Hilfe", "&Hilfe", B::Hilfe, "F1"),
    E("mnuHilfe_Info", "&Info", B::Info),
});

constexpr MenueEintrag U(std::string_view name, std::string_view text) {
    MenueEintrag e;
    e.Name = name;
    e.Beschriftung = text;
    return e;
}

// The pop-ups carry no shortcuts: their commands' keys belong to the menu bar.
// "Definition" and "Aufruf" are placeholders; the caption is set on every
// right click.
constexpr auto PopUpHaupt = std::to_array<MenueEintrag>({
    P("mnuPopUpHaupt"),
    U("mnuPopUpHaupt_Html", "&HTML"),
    Indiziert(E("mnuPopUpHaupt_Html_Index", "&Zwischenablage", B::HtmlZwischenablage, {}, 2), 0),
    Indiziert(E("mnuPopUpHaupt_Html_Index", "&Auswahl", B::HtmlAuswahl, {}, 2), 1),
    Indiziert(E("mnuPopUpHaupt_Html_Index", "&Modul", B::HtmlModul, {}, 2), 2),
    Indiziert(E("mnuPopUpHaupt_Html_Index", "&Projekt", B::HtmlProjekt, {}, 2), 3),
    T("mnuPopUpHaupt_s1"),
    U("mnuPopUpHaupt_Kopieren", "&Kopieren"),
    E("mnuPopUpHaupt_Kopieren_Modul", "&Modul", B::KopierenModul, {}, 2),
    E("mnuPopUpHaupt_Kopieren_Auswahl", "&Auswahl", B::KopierenAuswahl, {}, 2),
    T("mnuPopUpHaupt_s2"),
    E("mnuPopUpHaupt_Definition", "Definition", B::Definition),
    E("mnuPopUpHaupt_Aufruf", "Aufruf", B::RoutineAufrufe),
    T("mnuPopUpHaupt_s3"),
    E("mnuPopUpHaupt_Zoom", "&Zoom", B::Zoom),
});

constexpr auto PopUpZoom = std::to_array<MenueEintrag>({
    P("mnuPopUp_Zoom"),
    E("mnuPopUp_Zoom_Html", "Zoom nach &Html", B::ZoomNachHtml),
    E("mnuPopUp_Zoom_Copy", "&Zoom Kopieren", B::ZoomKopieren),
    T("mnuPopUp_Zoom_s1"),
    E("mnuPopUp_Zoom_Aus", "&Zoom Aus", B::Zoom),
});

constexpr auto PopUpEinlesen = std::to_array<MenueEintrag>({
    P("mnuPopUpEinlesen"),
    E("mnuPopUpEinlesen_Clip", "&HTML Zwischenablage", B::HtmlZwischenablage),
    E("mnuPopUpEinlesen_Code", "&Code Einlesen", B::CodeEinlesen),
});

constexpr LeistenEintrag K(std::string_view schluessel, std::string_view tooltip, Knopf knopf,
                           Befehl befehl) {
    LeistenEintrag e;
    e.Schluessel = schluessel;
    e.Tooltip = tooltip;
    e.Taste = knopf;
    e.Ausfuehren = befehl;
    return e;
}

constexpr LeistenEintrag Platz(std::string_view schluessel, int breite, bool sichtbar) {
    LeistenEintrag e;
    e.Art = LeistenArt::Platzhalter;
    e.Schluessel = schluessel;
    e.Breite = breite;
    e.Sichtbar = sichtbar;
    return e;
}

constexpr LeistenEintrag Strich() {
    LeistenEintrag e;
    e.Art = LeistenArt::Strich;
    return e;
}

constexpr auto SymbolleisteTabelle = std::to_array<LeistenEintrag>({
    K("neu", "Neu", Knopf::Neu, B::Neu),
    K("open", "Öffnen", Knopf::Oeffnen, B::Oeffnen),
    K("save", "Speichern", Knopf::Speichern, B::Speichern),
    // The same refresh as "neu"; the options rewrite the tooltip with the host.
    K("refresh", "Aktualisieren Excel Projekte (F5)", Knopf::Aktualisieren, B::Neu),
    K("doit", "Code Lesen", Knopf::CodeLesen, B::CodeEinlesen),
    Platz("blind", 350, false),
    Strich(),
    K("ht_clip", "Zwischenablage nach HTML", Knopf::HtmlZwischenablage, B::HtmlZwischenablage),
    K("ht_aus", "Auswahl nach HTML", Knopf::HtmlAuswahl, B::HtmlAuswahl),
    K("ht_mod", "Modul nach HTML", Knopf::HtmlModul, B::HtmlModul),
    K("ht_pro", "Projekt nach HTML", Knopf::HtmlProjekt, B::HtmlProjekt),
    Strich(),
    K("su_a", "Suchen (F3)", Knopf::Suchen, B::Suchen),
    K("su_w", "Suchen ab Position(STRG+F3)", Knopf::SuchenWeiter, B::SuchenWeiter),
    K("su_p", "Projektweite Suche Ein/Aus", Knopf::Projektsuche, B::ProjektsucheUmschalten),
    K("su_g", "Ganzes Wort Ein/Aus", Knopf::GanzesWort, B::GanzesWortUmschalten),
    Platz("", 2200, true), // holds the search field txtSuche
    K("su_i", "Markierten Text in's Suchfenster", Knopf::AuswahlNachSuche, B::AuswahlNachSuche),
    Strich(),
    K("zoom", "Zoom", Knopf::Zoom, B::Zoom),
});

const LeistenEintrag* KnopfEintrag(std::string_view schluessel) {
    if (schluessel.empty())
        return nullptr;
    for (const auto& e : SymbolleisteTabelle)
        if (e.Taste && TextGleich(e.Schluessel, schluessel))
            return &e;
    return nullptr;
}

} // namespace

std::span<const MenueEintrag> Menueleiste() {
    return MenueleisteTabelle;
}

std::span<const MenueEintrag> PopUpMenue(PopUp menue) {
    switch (menue) {
    case PopUp::Haupt:
        return PopUpHaupt;
    case PopUp::Zoom:
        return PopUpZoom;
    case PopUp::Einlesen:
        return PopUpEinlesen;
    }
    return {};
}

const MenueEintrag* MenueEintragVon(Befehl befehl) {
    for (const auto& e : MenueleisteTabelle)
        if (e.Ausfuehren == befehl)
            return &e;
    return nullptr;
}

std::span<const LeistenEintrag> Symbolleiste() {
    return SymbolleisteTabelle;
}

std::string_view KnopfSchluessel(Knopf knopf) {
    for (const auto& e : SymbolleisteTabelle)
        if (e.Taste == knopf)
            return e.Schluessel;
    return {};
}

std::optional<Knopf> KnopfVonSchluessel(std::string_view schluessel) {
    const LeistenEintrag* e = KnopfEintrag(schluessel);
    return e ? e->Taste : std::nullopt;
}

std::optional<Befehl> SymbolleistenBefehl(std::string_view schluessel) {
    const LeistenEintrag* e = KnopfEintrag(schluessel);
    return e ? e->Ausfuehren : std::nullopt;
}

std::optional<Befehl> SuchleistenBefehl(std::string_view schluessel) {
    if (TextGleich(schluessel, "close"))
        return Befehl::RoutinensucheSchliessen;
    return std::nullopt;
}

std::optional<Befehl> PanelKlickBefehl(int panel) {
    if (panel == 3)
        return Befehl::RoutineZurueck;
    if (panel == 4)
        return Befehl::RoutineVor;
    return std::nullopt;
}

std::optional<Befehl> PanelDoppelklickBefehl(int panel) {
    if (panel == 2)
        return Befehl::RoutineAufrufe;
    return std::nullopt;
}

} // namespace cb
