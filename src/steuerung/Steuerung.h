// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's controller: it owns the state of the program and of
// the window (the open project, the trees, the current module, the mode
// and the enabled states, the history, zoom and search), the host and the
// recent list, and runs every command. The window only forwards input to
// it and shows what it is told through Ansicht; the tests drive it the
// same way with a recording view.
#include "app/Baum.h"
#include "app/Zustand.h"
#include "projects/InstanzSperre.h"
#include "projects/ProjektDateien.h"
#include "projects/ZuletztListe.h"
#include "render/CodeAnsicht.h"
#include "steuerung/Ansicht.h"
#include "steuerung/Befehle.h"
#include "steuerung/Bildschirm.h"
#include "steuerung/KontextMenue.h"
#include "steuerung/ProjektModus.h"
#include "steuerung/Suche.h"
#include "steuerung/Verlauf.h"
#include "steuerung/Zoom.h"
#include "store/OffenesProjekt.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cb {

class Dialoge;
class EinstellungsSpeicher;
class Host;
class Meldungen;
class Shell;
class Zwischenablage;
struct ExportKontext;
struct ProjektKontext;

/// The services of the platform the commands use.
struct Dienste {
    EinstellungsSpeicher& einstellungen;
    Meldungen& meldungen;
    Dialoge& dialoge;
    Zwischenablage& ablage;
    Shell& shell;
};

class Steuerung {
public:
    /// z as start-up left it (identity, folders, option defaults).
    Steuerung(Zustand z, std::unique_ptr<Host> host, Dienste dienste, Ansicht& ansicht);
    ~Steuerung();
    Steuerung(const Steuerung&) = delete;
    Steuerung& operator=(const Steuerung&) = delete;

    /// The window's start: working area, recent list, options, this
    /// instance's folder, then the host's projects listed.
    void Starten();
    /// The window's end: the database closed, the instance folder removed.
    void Beenden() noexcept;
    /// After the start: the mini window when the command line asked for
    /// it, else the main window, in the user's layout when "usb" is on.
    void Anzeigen(bool mini);

    /// Runs a command of the menus, the pop-ups, the keys and the status
    /// panels while its item is enabled; index picks a recent entry.
    void Ausfuehren(Befehl befehl, std::size_t index = 0);
    /// A click on the main toolbar's button with the key (any letter case),
    /// while that button is enabled.
    void SymbolleisteGeklickt(std::string_view schluessel);

    // "&Datei"
    void mnuOeffnen_Click();
    void mnuOpenIndex_Click(std::size_t index);
    /// Workbooks (full paths) added to the host's open ones, from the
    /// command line or dropped on the window; then the host's projects are
    /// listed again, as "&Neu" does.
    void MappenOeffnen(const std::vector<std::string>& pfade);
    /// True when the project was saved.
    bool mnuSpeichern_Click();
    /// "&Neu" and "&Aktualisieren VBA Projekte": asks to save an unsaved
    /// project (Cancel changes nothing), drops the shown project and lists
    /// the host's projects again.
    void mnuAnsicht_App_Aktualisieren_Click();
    // "&Bearbeiten"
    void mnuBearbeiten_Code_Click();
    void mnuBearbeiten_Definition_Click();
    /// The callers of the routine at the caret (status panel 2).
    void mnuBearbeiten_Rout_Click();
    void VerlaufZurueck();
    void VerlaufVor();
    void Suchen(SuchArt art);
    void mnuBearbeiten_Suchen_Projekt_Click();
    void mnuBearbeiten_Suchen_GanzWort_Click();
    void mnuBearbeiten_Suchen_Auswahl_Click();
    // "&Ansicht"
    void mnuAnsicht_Zoom_Click();
    void mnuAnsicht_RouClose_Click();
    /// "&Spezialansicht": the mini window in place of the main window.
    void mnuAnsicht_Spezial_Click();
    /// "&VB Einlesen": a .vbp or exported module files chosen are listed in
    /// the application tree, ticked; "&Code Einlesen" then reads them.
    void mnuVB_Click();
    // "&Extras"
    void mnuExtras_Optionen_Click();
    void mnuExtras_Screen_define_Click();
    void mnuExtras_Screen_call_Click();
    // "&?"
    void HilfeAufrufen();
    void mnuHilfe_Info_Click();

    // The mini window frmMin
    /// The code on the clipboard as HTML on the clipboard.
    void cmdHtml_Click();
    /// "<< Vollansicht".
    void cmdClose_Click();
    /// The mini window closed in any way.
    void MiniForm_Unload();
    // The about box's buttons, and an address outside the help pages
    void cmdHP_Click();
    void StartSysInfo();
    void HilfeVerweisOeffnen(const std::string& adresse);

    // Input the window forwards
    /// The user set or cleared the tick of a node of the application tree.
    void AppHakenSetzen(std::string_view schluessel, bool haken);
    /// A node of the project tree or of the caller list opened (click, Enter).
    void KnotenKlick(std::string_view schluessel);
    /// The caret or the selection of the visible code pane moved, in characters.
    void AuswahlGeaendert(std::size_t anfang, std::size_t laenge);
    /// The selection of the zoom pane moved, in characters of its text.
    void ZoomAuswahlGeaendert(std::size_t anfang, std::size_t laenge);
    /// The pop-up menu for a right click in a code pane, with its captions.
    KontextMenue KontextMenueFuerCode();
    void SuchfeldGeaendert(std::string_view text);
    /// A click on a status panel (1-based).
    void PanelKlick(int panel);
    void PanelDoppelklick(int panel);
    /// The main window moved, was resized, maximised or restored; in twips.
    void FensterLageGeaendert(const FensterLage& lage);

    // What the window and the tests may look at
    const Zustand& Z() const { return m_z; }
    Zustand& Z() { return m_z; }
    const OffenesProjekt& Projekt() const { return m_projekt; }
    ProjektModus Modus() const { return m_modus; }
    const Freigaben& Freigegeben() const { return m_freigaben; }
    const Verlauf& VerlaufListe() const { return m_verlauf; }
    bool ZoomAn() const { return m_zoom.An(); }
    bool ProjektGeladen() const { return m_projektGeladen; }
    std::int64_t AktModulIndex() const { return m_aktModulIndex; }
    std::size_t Caret() const { return m_auswahlAnfang; }
    const std::string& Suchfeld() const { return m_suchfeld; }
    bool Projektweit() const { return m_projektweit; }
    bool GanzesWort() const { return m_ganzesWort; }
    const Baum& AppBaum() const { return m_treApp; }
    const Baum& ProjektBaum() const { return m_treProjekt; }
    const Baum& RoutSucheBaum() const { return m_treRoutSuche; }
    bool RoutSucheSichtbar() const { return m_routSucheSichtbar; }
    const ZuletztMenue& Zuletzt() const { return m_zuletzt; }
    Fenster SichtbaresFenster() const { return m_fenster; }
    /// The application tree lists Visual Basic files, not the host's projects.
    bool VbDateienGelistet() const { return m_vbDateien; }
    Host& HostAnwendung() { return *m_host; }
    /// The pane text of module index + 1 as the code pane shows it.
    const CodeAnsicht& Code(std::int64_t index);

private:
    void MappenOeffnenFragen();
    void BefehlAusfuehren(Befehl befehl, std::size_t index);
    ProjektKontext ProjektKontextBilden();
    ExportKontext ExportKontextBilden();
    void ProjektModusSetzen(ProjektModus modus);
    void AnsichtZuruecksetzen();
    /// Asks to save an unsaved project; false when the user cancels.
    bool ProjektAufgeben();
    /// The shown project dropped; the application tree lists the host's
    /// projects, or the Visual Basic files given.
    void AppProjekteAktualisieren(const Baum* vbDateien = nullptr);
    /// The project dropped as "&Neu" drops it, then listed again.
    void NeuAuflisten(const Baum* vbDateien);
    /// The panes built again from the module texts with the options now.
    void AnzeigeNeuAufbauen();
    void ProjektZeigen(std::vector<std::string> texte);
    void GeoeffnetZeigen(DateiErgebnis ergebnis);
    void VerlaufZeigen(const std::optional<VerlaufEintrag>& eintrag);
    void FreigabenMelden();
    void SchalterMelden();
    void FensterWechseln(std::int64_t index);
    void RoutSucheLeeren();
    void ZeilenAnfang();
    void StatusSetzen(std::string_view modul, std::string_view routine);
    void ZeileAnspringen(std::int64_t zeile);
    void RoutineImStatus();
    void ZoomFuellen();
    void Fokus();
    std::int64_t CaretZeile();
    std::string Auswahl();

    bool ImZoomAbgelehnt(Befehl befehl);
    void Melden(const Hinweis& hinweis);

    Zustand m_z;
    std::unique_ptr<Host> m_host;
    Dienste m_dienste;
    Ansicht& m_ansicht;
    OffenesProjekt m_projekt;
    InstanzSperre m_sperre;
    ZuletztMenue m_zuletzt;
    Baum m_treApp, m_treProjekt, m_treRoutSuche;

    ProjektModus m_modus = ProjektModus::KeinProjekt;
    Freigaben m_freigaben;
    Verlauf m_verlauf;
    ZoomModus m_zoom;
    bool m_projektGeladen = false;
    bool m_vbDateien = false;
    Fenster m_fenster = Fenster::Haupt;
    FensterLage m_lage;
    /// Closing the mini window brings the main window back (its own button)
    /// rather than ending the program (any other way).
    bool m_zurVollansicht = false;
    bool m_routSucheSichtbar = false;
    std::int64_t m_aktModulIndex = 0;
    std::size_t m_auswahlAnfang = 0;
    std::size_t m_auswahlLaenge = 0;
    std::string m_modulPanel, m_routinePanel;

    // The marked text of every module, and what its pane shows, made when
    // the pane is first needed.
    std::vector<std::string> m_markiert;
    std::vector<std::optional<CodeAnsicht>> m_code;
    std::optional<CodeAnsicht> m_zoomInhalt;
    std::string m_zoomMarkiert; // the marked lines the zoom pane shows
    std::size_t m_zoomAnfang = 0, m_zoomLaenge = 0;
    /// The 0-based caret line last looked at; -1 after a reset, so that the
    /// first look always names the routine.
    std::int64_t m_letzteZeile = -1;

    std::string m_suchfeld;
    bool m_projektweit = false;
    bool m_ganzesWort = false;
};

} // namespace cb
