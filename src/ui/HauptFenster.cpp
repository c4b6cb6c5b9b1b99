// SPDX-License-Identifier: GPL-3.0-or-later
#include "HauptFenster.h"
#include "BaumBereich.h"
#include "BaumModell.h"
#include "BaumSicht.h"
#include "Befehlsleisten.h"
#include "CodeBereich.h"
#include "CodeFenster.h"
#include "HilfeFenster.h"
#include "InfoFenster.h"
#include "Masse.h"
#include "MiniFenster.h"
#include "OptionenFenster.h"
#include "QtDienste.h"
#include "QtText.h"
#include "StatusLeiste.h"
#include "Symbole.h"

#include "steuerung/HilfeInfo.h"
#include "steuerung/Steuerung.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSplitter>
#include <QWindow>

namespace cb {

HauptFenster::HauptFenster(QWidget* parent)
    : QMainWindow(parent), m_leisten(new Befehlsleisten(*this)), m_baeume(new BaumBereich),
      m_code(new CodeBereich), m_status(new StatusLeiste(this)),
      m_fraTeiler(new QSplitter(Qt::Horizontal, this)) {
    setObjectName("frmHaupt");
    setWindowIcon(ProgrammBild());
    setStatusBar(m_status);
    // fraContainer: the splitter bar is 80 twips wide and starts 3000 from
    // the left at every start; during a drag only the bar moves. The left
    // pane keeps 200, the code pane 100.
    m_fraTeiler->setObjectName("fraTeiler");
    m_fraTeiler->addWidget(m_baeume);
    m_fraTeiler->addWidget(m_code);
    m_fraTeiler->setOpaqueResize(false);
    m_fraTeiler->setChildrenCollapsible(false);
    m_fraTeiler->setHandleWidth(TwipsPixel(80, this));
    m_baeume->setMinimumWidth(TwipsPixel(200, this));
    m_code->setMinimumWidth(TwipsPixel(100, this));
    m_fraTeiler->setStretchFactor(1, 1);
    setCentralWidget(m_fraTeiler);
    resize(TwipsPixel(15000, this), TwipsPixel(10500, this));
    m_fraTeiler->setSizes({TwipsPixel(3000, this), width() - TwipsPixel(3080, this)});
    CodeFensterVerbinden(&m_code->Zoom(), true);
}

HauptFenster::~HauptFenster() = default;

void HauptFenster::Verbinden(Steuerung& steuerung) {
    m_s = &steuerung;
    connect(m_leisten, &Befehlsleisten::BefehlGewaehlt, this,
            [this](Befehl befehl, int index) { BefehlGewaehlt(befehl, index); });
    connect(m_leisten, &Befehlsleisten::KnopfGeklickt, this,
            [this](const QString& schluessel) { m_s->SymbolleisteGeklickt(schluessel.toStdString()); });
    connect(m_leisten, &Befehlsleisten::SuchleisteGeklickt, this, [this](const QString& schluessel) {
        if (auto befehl = SuchleistenBefehl(schluessel.toStdString()))
            m_s->Ausfuehren(*befehl);
    });
    connect(&m_leisten->Suchfeld(), &QLineEdit::textEdited, this,
            [this](const QString& text) { m_s->SuchfeldGeaendert(text.toStdString()); });
    // Enter in the field searches, as F3 does
    connect(&m_leisten->Suchfeld(), &QLineEdit::returnPressed, this,
            [this] { m_s->Ausfuehren(Befehl::Suchen); });
    if (QMenu* datei = m_leisten->Menue(Menue::Datei))
        connect(datei, &QMenu::aboutToShow, this, [this] { m_leisten->ZuletztZeigen(m_s->Zuletzt()); });
    connect(&m_baeume->AppModell(), &BaumModell::HakenGesetzt, this,
            [this](const QString& schluessel, bool haken) {
                m_s->AppHakenSetzen(schluessel.toStdString(), haken);
            });
    connect(m_baeume, &BaumBereich::DateienAbgelegt, this, [this](const QStringList& pfade) {
        std::vector<std::string> liste;
        for (const QString& p : pfade)
            liste.push_back(p.toStdString());
        m_s->MappenOeffnen(liste);
    });
    for (BaumSicht* baum : {&m_baeume->Projekt(), &m_baeume->RoutSuche()})
        connect(baum, &BaumSicht::Geoeffnet, this,
                [this](const QString& schluessel) { m_s->KnotenKlick(schluessel.toStdString()); });
    connect(m_status, &StatusLeiste::Geklickt, this, [this](int panel) { m_s->PanelKlick(panel); });
    connect(m_status, &StatusLeiste::Doppelgeklickt, this,
            [this](int panel) { m_s->PanelDoppelklick(panel); });
    connect(m_code, &CodeBereich::FensterNeu, this,
            [this](CodeFenster* fenster, std::int64_t) { CodeFensterVerbinden(fenster, false); });
}

void HauptFenster::Starten(Steuerung& steuerung, bool mini) {
    Verbinden(steuerung);
    steuerung.Starten();
    steuerung.Anzeigen(mini);
    Gestartet();
}

void HauptFenster::Gestartet() {
    m_leisten->ZuletztZeigen(m_s->Zuletzt());
    m_baeume->Vorne()->setFocus();
}

void HauptFenster::BefehlGewaehlt(Befehl befehl, int index) {
    m_s->Ausfuehren(befehl, static_cast<std::size_t>(index));
}

void HauptFenster::CodeFensterVerbinden(CodeFenster* fenster, bool zoom) {
    connect(fenster, &CodeFenster::AuswahlGeaendert, this,
            [this, fenster, zoom](std::size_t anfang, std::size_t laenge) {
                // A key let go in a pane that a command has just sent to
                // the back would name its caret as the caret in front.
                if (!m_s || (!zoom && fenster != m_code->Vorne()))
                    return;
                if (zoom)
                    m_s->ZoomAuswahlGeaendert(anfang, laenge);
                else
                    m_s->AuswahlGeaendert(anfang, laenge);
            });
    connect(fenster, &CodeFenster::KopierenVerlangt, this, [this] {
        if (m_s)
            m_s->Ausfuehren(Befehl::KopierenAuswahl);
    });
    connect(fenster, &CodeFenster::KontextMenueVerlangt, this, [this, zoom](const QPoint& global) {
        if (!m_s)
            return;
        if (zoom) {
            std::unique_ptr<QMenu> menue(m_leisten->PopUpBauen(PopUp::Zoom, {}, m_s->Freigegeben(), this));
            menue->exec(global);
        } else {
            KontextMenueZeigen(global);
        }
    });
}

void HauptFenster::KontextMenueZeigen(const QPoint& global) {
    const KontextMenue km = m_s->KontextMenueFuerCode();
    std::unique_ptr<QMenu> menue(m_leisten->PopUpBauen(km.Menue, km, m_s->Freigegeben(), this));
    menue->exec(global);
}

// ---- Ansicht -------------------------------------------------------------------

void HauptFenster::StatusSetzen(Panel panel, std::string_view text) {
    m_status->TextSetzen(static_cast<int>(panel), Q(text));
}

void HauptFenster::TitelSetzen(std::string_view titel) {
    setWindowTitle(Q(titel));
}

void HauptFenster::SanduhrSetzen(bool an) {
    if (an) {
        ++m_sanduhr;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (m_sanduhr > 0) {
        --m_sanduhr;
        QApplication::restoreOverrideCursor();
    }
}

void HauptFenster::LinksZeigen(LinkerBereich bereich) {
    m_baeume->Zeigen(bereich);
    m_leisten->RoutSucheLeiste(bereich == LinkerBereich::RoutSuche);
}

void HauptFenster::HinweisSetzen(std::string_view text) {
    m_baeume->HinweisSetzen(Q(text));
}

void HauptFenster::AppBaumZeigen(const Baum& treApp) {
    if (m_baeume->AppModell().Zeigen(treApp))
        m_baeume->App().Ausklappen();
}

void HauptFenster::ProjektBaumZeigen(const Baum& treProjekt) {
    if (m_baeume->ProjektModell().Zeigen(treProjekt))
        m_baeume->Projekt().Ausklappen();
}

void HauptFenster::RoutSucheZeigen(const Baum& treRoutSuche, std::string_view bezeichnung) {
    if (m_baeume->RoutSucheModell().Zeigen(treRoutSuche))
        m_baeume->RoutSuche().Ausklappen();
    m_leisten->RoutSucheBezeichnung().setText(Q(bezeichnung));
}

void HauptFenster::ModulKnotenMarkieren(std::string_view schluessel) {
    m_baeume->ProjektModell().Markieren(schluessel);
}

void HauptFenster::CodeFensterAnlegen(std::int64_t anzahl) {
    m_code->Anlegen(anzahl);
}

void HauptFenster::CodeFensterZeigen(std::int64_t index, const CodeAnsicht& code) {
    m_code->Zeigen(index, code, m_s->Z().Opt);
}

void HauptFenster::AuswahlSetzen(std::size_t anfang, std::size_t laenge) {
    if (CodeFenster* f = m_code->Vorne())
        f->AuswahlSetzen(anfang, laenge);
}

void HauptFenster::ZoomZeigen(const CodeAnsicht* inhalt) {
    m_code->ZoomZeigen(inhalt, m_s->Z().Opt);
}

void HauptFenster::BeschriftungSetzen(Befehl befehl, std::string_view text) {
    if (QAction* a = m_leisten->Aktion(befehl))
        a->setText(Q(text));
}

void HauptFenster::TooltipSetzen(Knopf knopf, std::string_view text) {
    for (const LeistenEintrag& e : Symbolleiste())
        if (e.Taste == knopf)
            if (QAction* a = m_leisten->Knopf(e.Schluessel))
                a->setToolTip(Q(text));
}

void HauptFenster::FreigabenZeigen(const Freigaben& freigaben) {
    m_leisten->FreigabenZeigen(freigaben);
    m_status->PanelFreigeben(3, freigaben.An(Befehl::RoutineZurueck));
    m_status->PanelFreigeben(4, freigaben.An(Befehl::RoutineVor));
}

void HauptFenster::SchalterZeigen(bool projektsuche, bool ganzesWort, bool zoom) {
    m_leisten->SchalterZeigen(projektsuche, ganzesWort, zoom);
}

void HauptFenster::SuchfeldSetzen(std::string_view text) {
    m_leisten->Suchfeld().setText(Q(text));
}

void HauptFenster::NeuZeichnenAussetzen(bool aus) {
    // The status bar goes on painting the progress
    m_fraTeiler->setUpdatesEnabled(!aus);
}

void HauptFenster::FensterZeigen(Fenster fenster) {
    if (fenster == Fenster::Haupt) {
        if (m_mini)
            m_mini->hide();
        show();
        raise();
        activateWindow();
        // The platform may still count the window active from before it
        // was hidden and then tell the widgets nothing.
        if (!isActiveWindow() && windowHandle() && windowHandle()->isActive()) {
            QT_WARNING_PUSH
            QT_WARNING_DISABLE_DEPRECATED
            QApplication::setActiveWindow(this);
            QT_WARNING_POP
        }
        // Hiding took the keys from the window; they go back where they were.
        if (m_fokus && isAncestorOf(m_fokus))
            m_fokus->setFocus();
        else
            m_baeume->Vorne()->setFocus();
        return;
    }
    if (!m_mini) {
        m_mini = std::make_unique<MiniFenster>(windowTitle());
        connect(m_mini.get(), &MiniFenster::VollansichtGeklickt, this, [this] { m_s->cmdClose_Click(); });
        connect(m_mini.get(), &MiniFenster::HtmlGeklickt, this, [this] { m_s->cmdHtml_Click(); });
        connect(m_mini.get(), &MiniFenster::Geschlossen, this, [this] { m_s->MiniForm_Unload(); });
    }
    m_mini->setWindowTitle(QString::fromStdString(m_s->Z().ProgrammTitel));
    m_fokus = QApplication::focusWidget();
    hide();
    m_mini->show();
}

void HauptFenster::Schliessen() {
    if (m_mini)
        m_mini->hide();
    if (m_hilfe)
        m_hilfe->close();
    close();
}

void HauptFenster::LageSetzen(const FensterLage& lage) {
    if (lage.Maximiert) {
        setWindowState((windowState() & ~(Qt::WindowMinimized | Qt::WindowFullScreen)) | Qt::WindowMaximized);
        return;
    }
    const QRect ort(TwipsPixel(static_cast<double>(lage.Links), this),
                    TwipsPixel(static_cast<double>(lage.Oben), this),
                    TwipsPixel(static_cast<double>(lage.Breite), this),
                    TwipsPixel(static_cast<double>(lage.Hoehe), this));
    // A window manager that restores a maximised window later would put
    // back the size from before; the place is set again once it has.
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        m_normalOrt = ort;
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    move(ort.topLeft());
    resize(ort.size());
}

void HauptFenster::LageMelden() {
    if (!m_s)
        return;
    FensterLage lage;
    lage.Maximiert = isMaximized();
    lage.Links = PixelTwips(pos().x(), this);
    lage.Oben = PixelTwips(pos().y(), this);
    lage.Breite = PixelTwips(width(), this);
    lage.Hoehe = PixelTwips(height(), this);
    m_s->FensterLageGeaendert(lage);
}

void HauptFenster::moveEvent(QMoveEvent* e) {
    QMainWindow::moveEvent(e);
    LageMelden();
}

void HauptFenster::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    LageMelden();
}

void HauptFenster::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange) {
        if (m_normalOrt &&
            !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))) {
            move(m_normalOrt->topLeft());
            resize(m_normalOrt->size());
            m_normalOrt.reset();
        }
        LageMelden();
    }
}

void HauptFenster::OptionenZeigen(OptionenDialog& dialog) {
    OptionenFenster fenster(dialog, QString::fromStdString(m_s->Z().ProgrammTitel), this);
    fenster.exec();
    FensterAktivieren(this);
}

void HauptFenster::HilfeZeigen(const std::string& seite) {
    if (!m_hilfe) {
        m_hilfe = new HilfeFenster(QString::fromStdString(m_s->Z().ProgrammTitel + " - Hilfe"), this);
        connect(m_hilfe, &HilfeFenster::AdresseGewaehlt, this,
                [this](const QString& adresse) { m_s->HilfeVerweisOeffnen(adresse.toStdString()); });
    }
    m_hilfe->Zeigen(QString::fromStdString(seite));
}

void HauptFenster::InfoZeigen(const InfoTexte& texte) {
    InfoFenster box(texte, this);
    connect(&box, &InfoFenster::HomePageGeklickt, this, [this] { m_s->cmdHP_Click(); });
    connect(&box, &InfoFenster::SysInfoGeklickt, this, [this] { m_s->StartSysInfo(); });
    box.exec();
    FensterAktivieren(this);
}

} // namespace cb
