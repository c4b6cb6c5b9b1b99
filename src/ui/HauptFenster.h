// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window frmHaupt. It shows what the controller tells it through
// Ansicht and forwards every input to it; what is true lives in the
// controller. Its parts: the command bars, the tree pane, the code panes
// and the status bar.
#include "steuerung/Ansicht.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>
#include <optional>

class QSplitter;

namespace cb {

class Befehlsleisten;
class BaumBereich;
class CodeBereich;
class CodeFenster;
class HilfeFenster;
class MiniFenster;
class StatusLeiste;
class Steuerung;
enum class Befehl;

class HauptFenster : public QMainWindow, public Ansicht {
    Q_OBJECT
public:
    explicit HauptFenster(QWidget* parent = nullptr);
    ~HauptFenster() override;

    /// Hands every input to the controller from now on.
    void Verbinden(Steuerung& steuerung);
    /// The start done: the application tree takes the keys.
    void Gestartet();
    /// The whole start: wired to the controller, the controller's start
    /// (the host's projects listed), shown (or the mini window in its
    /// place), the keys to the tree.
    void Starten(Steuerung& steuerung, bool mini = false);

    Befehlsleisten& Leisten() const { return *m_leisten; }
    BaumBereich& Baeume() const { return *m_baeume; }
    CodeBereich& Code() const { return *m_code; }
    StatusLeiste& Status() const { return *m_status; }
    QSplitter& Teiler() const { return *m_fraTeiler; }
    /// The mini window; made when first shown.
    MiniFenster* Mini() const { return m_mini.get(); }
    /// The help window; made when first shown.
    HilfeFenster* Hilfe() const { return m_hilfe; }

    // Ansicht
    void StatusSetzen(Panel panel, std::string_view text) override;
    void TitelSetzen(std::string_view titel) override;
    void SanduhrSetzen(bool an) override;
    void LinksZeigen(LinkerBereich bereich) override;
    void HinweisSetzen(std::string_view text) override;
    void AppBaumZeigen(const Baum& treApp) override;
    void ProjektBaumZeigen(const Baum& treProjekt) override;
    void RoutSucheZeigen(const Baum& treRoutSuche, std::string_view bezeichnung) override;
    void ModulKnotenMarkieren(std::string_view schluessel) override;
    void CodeFensterAnlegen(std::int64_t anzahl) override;
    void CodeFensterZeigen(std::int64_t index, const CodeAnsicht& code) override;
    void AuswahlSetzen(std::size_t anfang, std::size_t laenge) override;
    void ZoomZeigen(const CodeAnsicht* inhalt) override;
    void BeschriftungSetzen(Befehl befehl, std::string_view text) override;
    void TooltipSetzen(Knopf knopf, std::string_view text) override;
    void FreigabenZeigen(const Freigaben& freigaben) override;
    void SchalterZeigen(bool projektsuche, bool ganzesWort, bool zoom) override;
    void SuchfeldSetzen(std::string_view text) override;
    void NeuZeichnenAussetzen(bool aus) override;
    void FensterZeigen(Fenster fenster) override;
    void Schliessen() override;
    void LageSetzen(const FensterLage& lage) override;
    void OptionenZeigen(OptionenDialog& dialog) override;
    void HilfeZeigen(const std::string& seite) override;
    void InfoZeigen(const InfoTexte& texte) override;

protected:
    void moveEvent(QMoveEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void LageMelden();
    void BefehlGewaehlt(Befehl befehl, int index);
    void CodeFensterVerbinden(CodeFenster* fenster, bool zoom);
    void KontextMenueZeigen(const QPoint& global);

    Steuerung* m_s = nullptr;
    Befehlsleisten* m_leisten;
    BaumBereich* m_baeume;
    CodeBereich* m_code;
    StatusLeiste* m_status;
    QSplitter* m_fraTeiler;
    std::unique_ptr<MiniFenster> m_mini;
    HilfeFenster* m_hilfe = nullptr;
    QPointer<QWidget> m_fokus;        // where the keys were when the mini window took over
    std::optional<QRect> m_normalOrt; // a layout's place while a maximised window is restored
    int m_sanduhr = 0;
};

} // namespace cb
