// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's command vocabulary without any widget: every command
// that a menu item, a toolbar button, a pop-up item or a status panel can
// start, the menu bar and the pop-up menus as ordered tables, and the
// toolbars' keys. The window builds its menus and toolbars from these tables
// and hands every click back as a Befehl, so a command behaves the same from
// every entry point.
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace cb {

enum class Befehl {
    // "&Datei"
    Oeffnen,
    Neu, // the same refresh as AppAktualisieren; the two are never enabled together
    Speichern,
    Beenden,
    ZuletztOeffnen, // one of the ten recent entries; the entry's index says which
    MappenOeffnen,  // workbooks added to the host's open ones through a file chooser
    // "&Bearbeiten"
    CodeEinlesen,
    Suchen,
    SuchenWeiter,
    ProjektsucheUmschalten,
    GanzesWortUmschalten,
    AuswahlNachSuche,
    RoutineAufrufe,
    Definition,
    RoutineZurueck,
    RoutineVor,
    KopierenModul,
    KopierenAuswahl,
    // "&Ansicht"
    AppAktualisieren,
    Zoom,
    RoutinensucheSchliessen,
    Spezialansicht,
    VbEinlesen,
    // "&Extras"
    Struktur,
    Optionen,
    BildschirmFestlegen,
    BildschirmAufrufen,
    ZwischenablageLeeren,
    // "RTF", "HTML", "&Nur-Text"
    RtfProjekt,
    RtfModul,
    HtmlZwischenablage,
    HtmlAuswahl,
    HtmlModul,
    HtmlProjekt,
    TextAuswahl,
    TextModul,
    // "&?"
    Hilfe,
    Info,
    // Only in the zoom pane's pop-up menu
    ZoomNachHtml,
    ZoomKopieren,
};
inline constexpr std::size_t BefehlAnzahl = static_cast<std::size_t>(Befehl::ZoomKopieren) + 1;

/// The menus of the menu bar that are enabled or disabled as a whole.
enum class Menue { Datei, Bearbeiten, Ansicht, Extras, Rtf, Html, Text, Hilfe };
inline constexpr std::size_t MenueAnzahl = static_cast<std::size_t>(Menue::Hilfe) + 1;

enum class MenueArt { Menue, Eintrag, Strich };

/// One line of a menu table. Ebene 0 is a menu of the bar (or a pop-up menu
/// itself), 1 its items, 2 the items of a sub-menu.
struct MenueEintrag {
    std::string_view Name; // control name, e.g. "mnuBearbeiten_Suchen"
    int Index = -1;        // index within a control array, -1 for none
    std::string_view Beschriftung;
    int Ebene = 1;
    MenueArt Art = MenueArt::Eintrag;
    std::optional<Befehl> Ausfuehren;
    std::string_view Taste;      // portable key sequence ("Ctrl+F3"); empty for none
    std::optional<Menue> Gruppe; // for Art Menue of the bar
    bool Sichtbar = true;        // false: exists but hidden at start
    bool Abhakbar = false;       // carries a check mark
};

/// The menu bar in order, menus followed by their items and separators.
std::span<const MenueEintrag> Menueleiste();

enum class PopUp { Haupt, Zoom, Einlesen };

/// The items of a pop-up menu in order; the first line is the menu itself.
std::span<const MenueEintrag> PopUpMenue(PopUp menue);

/// The menu bar item that runs the command (the first of the recent entries
/// for ZuletztOeffnen); nullptr for the commands only pop-ups offer.
const MenueEintrag* MenueEintragVon(Befehl befehl);

/// Buttons of the main toolbar that are enabled or disabled one by one.
enum class Knopf {
    Neu,
    Oeffnen,
    Speichern,
    Aktualisieren,
    CodeLesen,
    HtmlZwischenablage,
    HtmlAuswahl,
    HtmlModul,
    HtmlProjekt,
    Suchen,
    SuchenWeiter,
    Projektsuche,
    GanzesWort,
    AuswahlNachSuche,
    Zoom,
};
inline constexpr std::size_t KnopfAnzahl = static_cast<std::size_t>(Knopf::Zoom) + 1;

enum class LeistenArt { Knopf, Strich, Platzhalter };

/// One place of the main toolbar, left to right.
struct LeistenEintrag {
    LeistenArt Art = LeistenArt::Knopf;
    std::string_view Schluessel; // button key; "" for separators and the search field's place
    std::string_view Tooltip;
    std::optional<Knopf> Taste;
    std::optional<Befehl> Ausfuehren;
    int Breite = 0; // placeholders, in twips
    bool Sichtbar = true;
};

/// The main toolbar `tobSymb1` in order.
std::span<const LeistenEintrag> Symbolleiste();

/// The key of a toolbar button.
std::string_view KnopfSchluessel(Knopf knopf);
/// The button of a key, ignoring letter case; nullopt for any other key.
std::optional<Knopf> KnopfVonSchluessel(std::string_view schluessel);
/// The command a click on the main toolbar runs, ignoring letter case.
std::optional<Befehl> SymbolleistenBefehl(std::string_view schluessel);
/// The command a click on the routine-search toolbar `tobSuche` runs.
std::optional<Befehl> SuchleistenBefehl(std::string_view schluessel);

/// The command of a click on a status panel (1-based); nullopt where the
/// click only gives the focus back to the code.
std::optional<Befehl> PanelKlickBefehl(int panel);
/// The command of a double click on a status panel (1-based).
std::optional<Befehl> PanelDoppelklickBefehl(int panel);

} // namespace cb
