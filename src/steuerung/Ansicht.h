// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the main window shows, as the controller tells it. The window
// implements it and hands every input to the controller; tests record it.
// No operation runs a command, and nothing shown is ever read back: what
// is true lives in the controller.
#include "app/Anzeige.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace cb {

class Baum;
class Freigaben;
enum class Befehl;
enum class Knopf;
class OptionenDialog;
struct CodeAnsicht;
struct FensterLage;
struct InfoTexte;

/// The four elements that share the left pane; exactly one shows. The
/// routine-search list comes with its own toolbar in place of the main one.
enum class LinkerBereich { App, Projekt, RoutSuche, Hinweis };

/// The program's two top-level windows: the main window and the mini
/// window frmMin that stands in for it.
enum class Fenster { Haupt, Mini };

class Ansicht : public Anzeige {
public:
    virtual void LinksZeigen(LinkerBereich bereich) = 0;
    /// The text of txtAppAktiv, the hint in place of the trees.
    virtual void HinweisSetzen(std::string_view text) = 0;

    // The trees' models were filled anew (nodes, ticks, expansion): mirror them.
    virtual void AppBaumZeigen(const Baum& treApp) = 0;
    virtual void ProjektBaumZeigen(const Baum& treProjekt) = 0;
    /// The caller list with its label lblRoutSuche.
    virtual void RoutSucheZeigen(const Baum& treRoutSuche, std::string_view bezeichnung) = 0;
    /// The module node shown highlighted (black on yellow); "" for none.
    virtual void ModulKnotenMarkieren(std::string_view schluessel) = 0;

    /// One code pane per module of the shown project; after a view reset
    /// one empty pane. Their contents come with CodeFensterZeigen.
    virtual void CodeFensterAnlegen(std::int64_t anzahl) = 0;
    /// Brings pane index to the front, showing the text and spans given.
    virtual void CodeFensterZeigen(std::int64_t index, const CodeAnsicht& code) = 0;
    /// Caret and selection of the pane in front, in characters; the pane
    /// scrolls them into view and takes the focus.
    virtual void AuswahlSetzen(std::size_t anfang, std::size_t laenge) = 0;
    /// The zoom pane over the code pane: shown with the lines given and
    /// focused, or hidden (inhalt nullptr).
    virtual void ZoomZeigen(const CodeAnsicht* inhalt) = 0;

    /// The caption of a menu item and the tooltip of a toolbar button, where
    /// they name the host.
    virtual void BeschriftungSetzen(Befehl befehl, std::string_view text) = 0;
    virtual void TooltipSetzen(Knopf knopf, std::string_view text) = 0;
    /// Enabled states of every menu item, menu, toolbar button and history panel.
    virtual void FreigabenZeigen(const Freigaben& freigaben) = 0;
    /// Check marks and pressed buttons of the three switches.
    virtual void SchalterZeigen(bool projektsuche, bool ganzesWort, bool zoom) = 0;
    /// The text of the search field txtSuche.
    virtual void SuchfeldSetzen(std::string_view text) = 0;
    /// Long work: the panes stop repainting until false again; the status
    /// bar goes on showing the progress.
    virtual void NeuZeichnenAussetzen(bool aus) = 0;

    /// Shows that window and hides the other; the main window keeps its
    /// project and panes while hidden.
    virtual void FensterZeigen(Fenster fenster) = 0;
    /// The main window closes, which ends the program.
    virtual void Schliessen() = 0;
    /// The main window maximised, or normal at the place and size given.
    virtual void LageSetzen(const FensterLage& lage) = 0;
    /// The options dialog, modal, over the dialog's state; returns when it
    /// is closed, by OK or otherwise.
    virtual void OptionenZeigen(OptionenDialog& dialog) = 0;
    /// The help window at the page given (a full path).
    virtual void HilfeZeigen(const std::string& seite) = 0;
    /// The about box, modal; its buttons come back as cmdHP_Click and StartSysInfo.
    virtual void InfoZeigen(const InfoTexte& texte) = 0;
};

} // namespace cb
