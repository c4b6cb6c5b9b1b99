// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real window with the real controller, driven as a user drives it:
// the example workbook opened in the host, messages, dialogs and the
// clipboard recorded and scripted, the settings and the working area in a
// temporary folder. Clicks and keys go through QTest to the widgets.
#include "../core/AufzeichnendeDialoge.h"
#include "../core/AufzeichnendeMeldungen.h"
#include "../core/AufzeichnendeShell.h"

#include "BaumBereich.h"
#include "BaumModell.h"
#include "BaumSicht.h"
#include "Befehlsleisten.h"
#include "CodeBereich.h"
#include "CodeFenster.h"
#include "HauptFenster.h"
#include "HilfeFenster.h"
#include "MiniFenster.h"
#include "StatusLeiste.h"

#include "app/Start.h"
#include "app/Zwischenablage.h"
#include "import/host/WorkbookHost.h"
#include "settings/IniEinstellungsSpeicher.h"
#include "steuerung/Steuerung.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace cb::test {

inline std::string BeispielMappe() {
    return std::string(CB_BIN_DIR) + "/../examples/Beispiel.xlsm";
}

/// Counts the main window's showing and closing, which the window itself
/// has no reason to keep.
struct FensterEreignisse : QObject {
    int gezeigt = 0, geschlossen = 0;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show)
            ++gezeigt;
        if (e->type() == QEvent::Close)
            ++geschlossen;
        return QObject::eventFilter(o, e);
    }
};

struct Programm {
    /// mini: started with "/a"; einstellungsDatei: the settings of an
    /// earlier run, else a new file in the temporary folder.
    explicit Programm(const std::vector<std::string>& mappen = {BeispielMappe()}, bool mini = false,
                      const QString& einstellungsDatei = {}) {
        einstellungen = std::make_unique<IniEinstellungsSpeicher>(
            (einstellungsDatei.isEmpty() ? ordner.filePath("einstellungen.ini") : einstellungsDatei)
                .toStdString());
        Zustand z;
        cb::Starten(z, *einstellungen, CB_BIN_DIR, ordner.path().toStdString());
        z.ProjektOrdner = ordner.path().toStdString() + "/projekte/";
        QDir().mkpath(QString::fromStdString(z.ProjektOrdner));
        auto h = std::make_unique<WorkbookHost>(meldungen);
        for (const std::string& m : mappen)
            h->Oeffnen(m);
        fenster = std::make_unique<HauptFenster>();
        fenster->installEventFilter(&ereignisse);
        s = std::make_unique<Steuerung>(std::move(z), std::move(h),
                                        Dienste{*einstellungen, meldungen, dialoge, ablage, shell}, *fenster);
        fenster->Starten(*s, mini);
        if (mini)
            return;
        fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
    }
    ~Programm() { s->Beenden(); }

    HauptFenster& F() const { return *fenster; }
    BaumSicht& App() const { return fenster->Baeume().App(); }
    BaumSicht& Projekt() const { return fenster->Baeume().Projekt(); }
    CodeFenster* Vorne() const { return fenster->Code().Vorne(); }
    QString Panel(int i) const { return fenster->Status().Panel(i)->text(); }
    QAction* Aktion(Befehl b) const { return fenster->Leisten().Aktion(b); }

    /// The key of the first node with the text.
    static std::string Schluessel(const BaumSicht& baum, const std::string& text) {
        for (const BaumKnoten& k : baum.Modell().Knoten().Knoten())
            if (k.Text == text)
                return k.Schluessel;
        return {};
    }
    static QRect Rechteck(BaumSicht& baum, const std::string& schluessel) {
        const QModelIndex i = baum.Modell().IndexVon(schluessel);
        baum.scrollTo(i);
        return baum.visualRect(i);
    }
    /// A click on the node's text.
    static void Klicken(BaumSicht& baum, const std::string& schluessel) {
        const QRect r = Rechteck(baum, schluessel);
        QTest::mouseClick(baum.viewport(), Qt::LeftButton, {}, QPoint(r.right() - 4, r.center().y()));
    }
    /// A click on the node's check box, where the style draws it.
    static void HakenKlicken(BaumSicht& baum, const std::string& schluessel) {
        QStyleOptionViewItem o;
        o.initFrom(&baum);
        o.rect = Rechteck(baum, schluessel);
        o.features |= QStyleOptionViewItem::HasCheckIndicator;
        o.index = baum.Modell().IndexVon(schluessel);
        const QRect haken = baum.style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &o, &baum);
        QTest::mouseClick(baum.viewport(), Qt::LeftButton, {}, haken.center());
    }
    static bool Gehakt(const BaumSicht& baum, const std::string& schluessel) {
        return baum.Modell().IndexVon(schluessel).data(Qt::CheckStateRole).toInt() == Qt::Checked;
    }
    /// A keystroke to whatever has the focus, as the keyboard sends it.
    static void Taste(Qt::Key taste, Qt::KeyboardModifiers mod = {}) {
        QWidget* ziel = QApplication::focusWidget();
        QVERIFY(ziel);
        QTest::keyClick(ziel, taste, mod);
    }
    /// A click on the toolbar button with the key.
    void KnopfKlicken(const char* schluessel) const {
        QAction* a = fenster->Leisten().Knopf(schluessel);
        QVERIFY(a);
        QWidget* knopf = fenster->Leisten().Haupt().widgetForAction(a);
        QVERIFY(knopf);
        QTest::mouseClick(knopf, Qt::LeftButton);
    }
    void PanelKlicken(int panel, bool doppelt = false) const {
        QLabel* l = fenster->Status().Panel(panel);
        if (doppelt)
            QTest::mouseDClick(l, Qt::LeftButton);
        else
            QTest::mouseClick(l, Qt::LeftButton);
    }
    /// Ticks every module of the example with Space and reads it with F2.
    void Einlesen() const {
        App().setFocus();
        Taste(Qt::Key_Space); // the project node is current: all its modules
        Taste(Qt::Key_F2);
    }
    /// A click in the pane in front at the character offset of the text given.
    void CodeKlicken(const QString& text, int dazu = 0) const {
        CodeFenster* f = Vorne();
        QVERIFY(f);
        const int pos = f->toPlainText().indexOf(text);
        QVERIFY2(pos >= 0, qPrintable(text));
        QTextCursor c(f->document());
        c.setPosition(pos + dazu);
        f->ensureCursorVisible();
        f->setTextCursor(c);
        f->ensureCursorVisible();
        const QPoint mitte = f->cursorRect(c).center() + QPoint(1, 0);
        QTest::mouseClick(f->viewport(), Qt::LeftButton, {}, mitte);
    }
    /// A right click through the window, where the platform makes a
    /// context-menu event of it as it does for a real mouse.
    void RechtsKlicken(QWidget* w) const {
        const QPoint im = w->mapTo(fenster.get(), QPoint(10, 10));
        QTest::mouseClick(fenster->windowHandle(), Qt::RightButton, {}, im);
    }
    /// The captions of the pop-up that the next action opens, closed again.
    QStringList PopUpTexte(const std::function<void()>& oeffnen) const {
        QStringList texte;
        QTimer::singleShot(0, [&] {
            if (auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (QAction* a : menue->actions())
                    if (!a->isSeparator())
                        texte << a->text() + (a->isEnabled() ? "" : " (aus)");
                menue->close();
            }
        });
        oeffnen();
        // The offscreen platform leaves the window inactive after a pop-up
        fenster->activateWindow();
        [[maybe_unused]] const bool aktiv = QTest::qWaitForWindowActive(fenster.get());
        return texte;
    }

    /// Opens a pop-up with the action given and clicks its item with the text.
    void PopUpWaehlen(const std::function<void()>& oeffnen, const QString& text) const {
        bool gefunden = false;
        QTimer::singleShot(0, [&] {
            auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menue)
                return;
            for (QAction* a : menue->actions())
                if (a->text() == text) {
                    gefunden = true;
                    QTest::mouseClick(menue, Qt::LeftButton, {}, menue->actionGeometry(a).center());
                    return;
                }
            menue->close();
        });
        oeffnen();
        QApplication::processEvents(); // what the chosen command left for later
        fenster->activateWindow();
        [[maybe_unused]] const bool aktiv = QTest::qWaitForWindowActive(fenster.get());
        QVERIFY2(gefunden, qPrintable(text));
    }

    /// Runs bedienen on the modal dialog that the action opens, once it is
    /// open (also behind a menu); a dialog bedienen leaves open is cancelled.
    template <class D>
    void ImDialog(const std::function<void()>& oeffnen, const std::function<void(D&)>& bedienen) {
        bool bedient = false;
        QTimer warten;
        warten.setInterval(10);
        QObject::connect(&warten, &QTimer::timeout, [&] {
            auto* d = qobject_cast<D*>(QApplication::activeModalWidget());
            if (!d || bedient)
                return;
            bedient = true;
            warten.stop();
            QVERIFY(QTest::qWaitForWindowExposed(d));
            bedienen(*d);
            if (d->isVisible())
                d->reject();
        });
        warten.start();
        oeffnen();
        warten.stop();
        fenster->activateWindow();
        [[maybe_unused]] const bool aktiv = QTest::qWaitForWindowActive(fenster.get());
        QVERIFY(bedient);
    }

    /// The item with the text chosen from the menu bar's menu by the mouse.
    void MenueWaehlen(Menue m, const QString& text) const {
        QMenu* menue = fenster->Leisten().Menue(m);
        QVERIFY(menue);
        QMenuBar* leiste = fenster->menuBar();
        PopUpWaehlen(
            [&] {
                QTest::mouseClick(leiste, Qt::LeftButton, {},
                                  leiste->actionGeometry(menue->menuAction()).center());
                QTRY_VERIFY(QApplication::activePopupWidget());
            },
            text);
    }

    /// What the window system sends when the user clicks a window's close box.
    static void SchliessfeldKlicken(QWidget& w) {
        QCloseEvent e;
        QApplication::sendEvent(w.windowHandle(), &e);
    }

    QTemporaryDir ordner;
    std::unique_ptr<IniEinstellungsSpeicher> einstellungen;
    AufzeichnendeMeldungen meldungen;
    AufzeichnendeDialoge dialoge;
    ZwischenablageImSpeicher ablage;
    AufzeichnendeShell shell;
    FensterEreignisse ereignisse;
    std::unique_ptr<HauptFenster> fenster;
    std::unique_ptr<Steuerung> s;
};

} // namespace cb::test
