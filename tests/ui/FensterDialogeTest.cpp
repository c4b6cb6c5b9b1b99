// SPDX-License-Identifier: GPL-3.0-or-later
// The windows and dialogs beside the main window, driven by clicks and
// keys: the mini window, the stored screen layout, the options dialog,
// search, the help window, the about box and exported module files.
#include "FensterHilfen.h"
#include "InfoFenster.h"
#include "Masse.h"
#include "OptionenFenster.h"

#include "steuerung/Bildschirm.h"
#include "store/ProjektBaum.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>

using namespace cb;
using namespace cb::test;

namespace {

QString Gespeichert(const Programm& p, const char* abschnitt, const char* schluessel) {
    return QString::fromStdString(p.einstellungen->Lesen(p.s->Z().EinstellungsName, abschnitt, schluessel));
}

// A click on the box itself: a check box takes clicks only on its box and its text.
void Ankreuzen(QCheckBox* kasten) {
    QTest::mouseClick(kasten, Qt::LeftButton, {}, QPoint(8, kasten->height() / 2));
}

// The mouse moved onto a widget through its window, so that the window
// works out what the mouse entered and left.
void Maus(QWidget& w) {
    QTest::mouseMove(w.window()->windowHandle(), w.mapTo(w.window(), w.rect().center()));
}

template <class W> W* Kind(QWidget& w, const char* name) {
    W* kind = w.findChild<W*>(QString::fromUtf8(name));
    if (!kind)
        qWarning("missing %s", name);
    return kind;
}

} // namespace

class FensterDialogeTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void specialViewHtmlButtonAndBack() {
        Programm p;
        p.Einlesen();
        CodeFenster* vorne = p.Vorne();
        Programm::Taste(Qt::Key_F9);
        MiniFenster* mini = p.F().Mini();
        QVERIFY(mini && mini->isVisible());
        QVERIFY(!p.F().isVisible());
        QCOMPARE(mini->pos(), QPoint(0, 0));
        QVERIFY(mini->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(mini->testAttribute(Qt::WA_ShowWithoutActivating));

        QTest::mouseClick(&mini->Html(), Qt::LeftButton);
        QCOMPARE(p.meldungen.Gezeigt().back().Text, std::string("Kein Text in der Zwischenablage"));
        QCOMPARE(p.ablage.MalGeleert(), 0); // left as it was
        p.ablage.TextSetzen("Sub Rechnen()\r\n    Dim x As Long\r\nEnd Sub");
        p.meldungen.Antworten(MeldungsAntwort::Nein); // no credit line
        QTest::mouseClick(&mini->Html(), Qt::LeftButton);
        QVERIFY(p.ablage.HtmlLesen().find("Rechnen") != std::string::npos);

        // Moved away, it goes back to its corner when it is active again
        mini->move(200, 150);
        mini->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(mini));
        QCOMPARE(mini->pos(), QPoint(0, 0));

        QTest::mouseClick(&mini->Vollansicht(), Qt::LeftButton);
        QVERIFY(!mini->isVisible());
        QVERIFY(p.F().isVisible());
        QCOMPARE(p.Vorne(), vorne);
        QVERIFY(p.s->ProjektGeladen());
        QCOMPARE(p.ereignisse.geschlossen, 0);
    }

    void startedWithSlashAItsCloseBoxEndsTheProgram() {
        {
            Programm p({BeispielMappe()}, true);
            QVERIFY(p.F().Mini() && p.F().Mini()->isVisible());
            QVERIFY(!p.F().isVisible());
            Programm::SchliessfeldKlicken(*p.F().Mini());
            QCOMPARE(p.ereignisse.gezeigt, 0);
            QCOMPARE(p.ereignisse.geschlossen, 1);
        }
        // "<< Vollansicht" shows the main window for the first time, the
        // application tree ready for the keys
        Programm p({BeispielMappe()}, true);
        QTest::mouseClick(&p.F().Mini()->Vollansicht(), Qt::LeftButton);
        QVERIFY(p.F().isVisible());
        QVERIFY(QTest::qWaitForWindowActive(&p.F()));
        QCOMPARE(QApplication::focusWidget(), &p.App());
        Programm::Taste(Qt::Key_Space);
        Programm::Taste(Qt::Key_F2);
        QVERIFY(p.s->ProjektGeladen());
    }

    void layoutStoredCalledAndAppliedAtStart() {
        QTemporaryDir einstellungen;
        const QString datei = einstellungen.filePath("einstellungen.ini");
        const QString festlegen = QStringLiteral("Benutzer Bildschirm &Festlegen");
        const QString aufrufen = QStringLiteral("&Benutzer Bildschirm Aufrufen");
        {
            Programm p({BeispielMappe()}, false, datei);
            QCOMPARE(p.F().logicalDpiX(), 96); // 15 twips a pixel
            p.F().showNormal();
            p.F().move(60, 40);
            p.F().resize(700, 500);
            QTRY_COMPARE(p.F().size(), QSize(700, 500));
            p.meldungen.Antworten(MeldungsAntwort::Ja);
            p.MenueWaehlen(Menue::Extras, festlegen);
            QCOMPARE(Gespeichert(p, "optionen", "bis"), QStringLiteral("900;600;10500;7500"));

            // Called from another place, and from the maximised window
            p.F().resize(400, 300);
            p.F().move(10, 10);
            p.MenueWaehlen(Menue::Extras, aufrufen);
            QTRY_COMPARE(p.F().size(), QSize(700, 500));
            QCOMPARE(p.F().pos(), QPoint(60, 40));
            p.F().showMaximized();
            QTRY_VERIFY(p.F().isMaximized());
            p.MenueWaehlen(Menue::Extras, aufrufen);
            QTRY_COMPARE(p.F().size(), QSize(700, 500));
            QVERIFY(!p.F().isMaximized());

            // "usb" on: the next start shows the window there at once
            p.einstellungen->Schreiben(p.s->Z().EinstellungsName, "optionen", "usb", "-1");
        }
        Programm p({BeispielMappe()}, false, datei);
        QCOMPARE(p.F().size(), QSize(700, 500));
        p.F().showMaximized();
        QTRY_VERIFY(p.F().isMaximized());
        p.meldungen.Antworten(MeldungsAntwort::Ja);
        p.MenueWaehlen(Menue::Extras, festlegen);
        QCOMPARE(Gespeichert(p, "optionen", "bis"), QStringLiteral("max"));
        // No: nothing stored, the window as it is
        p.F().showNormal();
        QTRY_VERIFY(!p.F().isMaximized());
        p.meldungen.Antworten(MeldungsAntwort::Nein);
        p.MenueWaehlen(Menue::Extras, festlegen);
        QCOMPARE(Gespeichert(p, "optionen", "bis"), QStringLiteral("max"));
        QVERIFY(!p.F().isMaximized());
    }

    void optionsDialogByClicksTakesEffectOnlyWithOk() {
        Programm p;
        p.Einlesen();
        const std::int32_t schluessel = p.s->Z().Opt.FarbeSchluessel;
        // Abbrechen after picking a colour
        p.ImDialog<OptionenFenster>(
            [] { Programm::Taste(Qt::Key_E, Qt::ControlModifier); },
            [](OptionenFenster& d) {
                auto* tabs = Kind<QTabBar>(d, "tbOptionen");
                QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(3).center());
                QTest::mouseClick(Kind<QToolButton>(d, "lblFarbe_17"), Qt::LeftButton);
                QVERIFY(Kind<QGroupBox>(d, "fraKeyfarbe")->styleSheet().contains("#000000"));
                QTest::mouseClick(Kind<QPushButton>(d, "cmdEscape"), Qt::LeftButton);
            });
        QCOMPARE(p.s->Z().Opt.FarbeSchluessel, schluessel);
        QCOMPARE(Gespeichert(p, "optionen", "fkey"), QString());

        CodeFenster* vorher = p.Vorne();
        p.dialoge.schriften = {"DejaVu Sans", "DejaVu Sans Mono"};
        p.ImDialog<OptionenFenster>(
            [] { Programm::Taste(Qt::Key_E, Qt::ControlModifier); },
            [](OptionenFenster& d) {
                auto* tabs = Kind<QTabBar>(d, "tbOptionen");
                QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
                auto* einrueck = Kind<QCheckBox>(d, "chkEinrueck");
                auto* zwischen = Kind<QCheckBox>(d, "chkRouEinruecken");
                QVERIFY(!zwischen->isEnabled());
                Ankreuzen(einrueck);
                QVERIFY(zwischen->isEnabled());
                Ankreuzen(zwischen);
                Ankreuzen(einrueck);
                QVERIFY(!zwischen->isEnabled());
                QVERIFY(zwischen->isChecked());
                QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(3).center());
                QCOMPARE(tabs->currentIndex(), 3);
                QVERIFY2(Kind<QComboBox>(d, "cboSchriftArt")->count() > 0, "the system's fonts");
                QTest::mouseClick(Kind<QToolButton>(d, "lblFarbe_32"), Qt::LeftButton);
                QTest::mouseClick(Kind<QPushButton>(d, "cmdOK"), Qt::LeftButton);
            });
        QCOMPARE(p.s->Z().Opt.FarbeString, 0xFFFFFF);
        QVERIFY(p.s->Z().Opt.RoutinenEinruecken);
        QCOMPARE(Gespeichert(p, "optionen", "fstr"), QStringLiteral("16777215"));
        QCOMPARE(Gespeichert(p, "optionen", "rer"), QStringLiteral("-1"));
        // The panes are built again with the new colours
        QVERIFY(p.Vorne() && p.Vorne() != vorher);
        QCOMPARE(p.Vorne()->toPlainText().toStdString(), p.s->Code(p.s->AktModulIndex()).Text);

        // The next run of the program has them
        const QString datei = p.ordner.filePath("einstellungen.ini");
        p.s->Beenden();
        Programm neu({BeispielMappe()}, false, datei);
        QCOMPARE(neu.s->Z().Opt.FarbeString, 0xFFFFFF);
        QVERIFY(neu.s->Z().Opt.RoutinenEinruecken);
    }

    void searchFieldSelectsItsTextAndF3AndEnterFind() {
        Programm p;
        p.Einlesen();
        QLineEdit& feld = p.F().Leisten().Suchfeld();
        QTest::mouseClick(&feld, Qt::LeftButton);
        QTest::keyClicks(&feld, "  SUB ");
        Programm::Taste(Qt::Key_F3);
        QCOMPARE(feld.text(), QStringLiteral("SUB")); // trimmed
        QCOMPARE(p.Vorne()->textCursor().selectedText().toLower(), QStringLiteral("sub"));
        QCOMPARE(QApplication::focusWidget(), p.Vorne());
        const int erster = p.Vorne()->textCursor().selectionStart();
        Programm::Taste(Qt::Key_F3, Qt::ControlModifier);
        QVERIFY(p.Vorne()->textCursor().selectionStart() > erster);

        // Focus back in the field: all of it selected, so typing replaces it
        QTest::mouseClick(&feld, Qt::LeftButton);
        QTRY_COMPARE(feld.selectedText(), QStringLiteral("SUB"));
        QTest::keyClicks(&feld, "GibtEsNicht");
        QTest::keyClick(&feld, Qt::Key_Return);
        QCOMPARE(p.meldungen.Gezeigt().back().Text,
                 std::string("Der Suchtext\r\nwurde im Modul nicht gefunden .\r\n"));

        // Project search by its button finds the word in another module
        p.KnopfKlicken("su_p");
        QVERIFY(p.F().Leisten().Knopf("su_p")->isChecked());
        p.Vorne()->setFocus();
        QTest::mouseClick(&feld, Qt::LeftButton);
        QTRY_COMPARE(feld.selectedText(), QStringLiteral("GibtEsNicht"));
        QTest::keyClicks(&feld, "KundeAusZeile");
        Programm::Taste(Qt::Key_F3);
        QCOMPARE(p.Vorne()->textCursor().selectedText(), QStringLiteral("KundeAusZeile"));
        const BaumKnoten* modul = p.s->ProjektBaum().Finden(ModulSchluessel(p.s->AktModulIndex() + 1));
        QVERIFY(modul);
        QCOMPARE(p.Panel(1).toStdString(), modul->Text);
    }

    void helpWindowFollowsLinksAndSaysWhenPagesAreMissing() {
        Programm p;
        Programm::Taste(Qt::Key_F1);
        HilfeFenster* hilfe = p.F().Hilfe();
        QVERIFY(hilfe && hilfe->isVisible());
        QTextBrowser& b = hilfe->Browser();
        QVERIFY(b.source().toLocalFile().endsWith("hilfe/index.html"));
        QVERIFY(!hilfe->Zurueck().isEnabled());
        // A click on the first link of the contents
        QTextCursor c(b.document());
        while (!c.atEnd() && !c.charFormat().isAnchor())
            c.movePosition(QTextCursor::NextCharacter);
        QVERIFY(c.charFormat().isAnchor());
        c.movePosition(QTextCursor::NextCharacter);
        const QPoint ort = b.cursorRect(c).center();
        QTest::mouseClick(b.viewport(), Qt::LeftButton, {}, ort);
        QTRY_VERIFY(!b.source().toLocalFile().endsWith("index.html"));
        QVERIFY(QFileInfo::exists(b.source().toLocalFile()));
        QVERIFY(hilfe->Zurueck().isEnabled());
        auto* leiste = hilfe->findChild<QToolBar*>();
        QVERIFY(leiste);
        QTest::mouseClick(leiste->widgetForAction(&hilfe->Zurueck()), Qt::LeftButton);
        QVERIFY(b.source().toLocalFile().endsWith("index.html"));
        hilfe->close();

        p.F().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p.F()));
        p.s->Z().ProgrammOrdner = p.ordner.path().toStdString() + "/leer/";
        Programm::Taste(Qt::Key_F1);
        QVERIFY(p.meldungen.Gezeigt().back().Text.find(p.ordner.path().toStdString() + "/leer/") !=
                std::string::npos);
    }

    void everyLinkOfTheHelpPagesLeadsToAPageAndAnchor() {
        const QDir hilfe(QStringLiteral(CB_BIN_DIR "/hilfe"));
        const QStringList seiten = hilfe.entryList({"*.html"});
        QVERIFY(seiten.contains("index.html"));
        // Each page's anchors, as the help window's browser reads them
        QMap<QString, QSet<QString>> anker;
        QMap<QString, QStringList> verweise;
        for (const QString& seite : seiten) {
            QTextBrowser b;
            b.setSource(QUrl::fromLocalFile(hilfe.filePath(seite)));
            for (QTextBlock block = b.document()->begin(); block.isValid(); block = block.next())
                for (auto it = block.begin(); !it.atEnd(); ++it) {
                    const QTextCharFormat f = it.fragment().charFormat();
                    for (const QString& name : f.anchorNames())
                        anker[seite].insert(name);
                    if (f.isAnchor() && !f.anchorHref().isEmpty())
                        verweise[seite] << f.anchorHref();
                }
        }
        int gezaehlt = 0;
        for (auto it = verweise.begin(); it != verweise.end(); ++it)
            for (const QString& href : it.value()) {
                const QUrl url(href);
                if (!url.scheme().isEmpty())
                    continue; // the maker's address and the like
                const QString ziel = url.path().isEmpty() ? it.key() : url.path();
                QVERIFY2(seiten.contains(ziel), qPrintable(it.key() + " -> " + href));
                if (url.hasFragment())
                    QVERIFY2(anker[ziel].contains(url.fragment()), qPrintable(it.key() + " -> " + href));
                ++gezaehlt;
            }
        QVERIFY(gezaehlt > seiten.size());
    }

    void aboutBoxHoverAndButtons() {
        Programm p;
        p.ImDialog<InfoFenster>(
            [&] { p.Aktion(Befehl::Info)->trigger(); },
            [&](InfoFenster& d) {
                QCOMPARE(d.windowTitle(), QStringLiteral("Info zu Excel Code Brindle 1.0"));
                QCOMPARE(Kind<QLabel>(d, "lblVersion")->text(), QStringLiteral("Version 1.0.0"));
                Maus(*Kind<QPushButton>(d, "cmdOK"));
                Maus(d.HomePage());
                QTRY_COMPARE(d.HomePage().palette().color(QPalette::Button), QColor(255, 255, 0));
                Maus(d.SysInfo());
                QTRY_VERIFY(d.HomePage().palette().color(QPalette::Button) != QColor(255, 255, 0));
                QTest::mouseClick(&d.HomePage(), Qt::LeftButton);
                QTest::mouseClick(&d.SysInfo(), Qt::LeftButton);
                QTest::mouseClick(Kind<QPushButton>(d, "cmdOK"), Qt::LeftButton);
                QVERIFY(!d.isVisible());
            });
        QCOMPARE(p.shell.geoeffnet.size(), 1u);
        QCOMPARE(p.meldungen.Gezeigt().back().Text,
                 std::string("Systeminformationen sind momentan nicht verfügbar"));
    }

    void damagedStoredValuesBringNothingDown() {
        QTemporaryDir einstellungen;
        const QString datei = einstellungen.filePath("einstellungen.ini");
        {
            IniEinstellungsSpeicher e(datei.toStdString());
            const std::string app = "QX_Brindle\\Co_Brindle_Excel";
            for (auto [k, w] : {std::pair{"fkey", "blau"},
                                {"tab", "-7"},
                                {"font", ",99999"},
                                {"usb", "-1"},
                                {"bis", "1;2;drei;4"},
                                {"rouf", "x"},
                                {"aufk", "1e9"}})
                e.Schreiben(app, "optionen", k, w);
            e.Schreiben(app, "proj", "proj_pf", "/gibt/es/nicht");
        }
        Programm p({BeispielMappe()}, false, datei);
        QCOMPARE(p.meldungen.Gezeigt().front().Text, std::string("Falsche Bildschirmdaten"));
        QVERIFY(p.F().isMaximized());
        p.Einlesen();
        QVERIFY(p.s->ProjektGeladen());
        QVERIFY(p.Vorne() && p.Vorne()->font().pointSize() <= MaxPunkte);
        p.ImDialog<OptionenFenster>(
            [] { Programm::Taste(Qt::Key_E, Qt::ControlModifier); },
            [](OptionenFenster& d) {
                auto* tabs = Kind<QTabBar>(d, "tbOptionen");
                for (int i = 0; i < 4; ++i)
                    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(i).center());
                QCOMPARE(Kind<QComboBox>(d, "cboTabStop")->currentText(), QStringLiteral("5"));
                QTest::mouseClick(Kind<QPushButton>(d, "cmdOK"), Qt::LeftButton);
            });
        QCOMPARE(p.s->Z().Opt.TabstopMm, 5);
        QVERIFY(p.Vorne());

        // Called again, the damaged layout warns again
        p.MenueWaehlen(Menue::Extras, QStringLiteral("&Benutzer Bildschirm Aufrufen"));
        QCOMPARE(p.meldungen.Gezeigt().back().Text, std::string("Falsche Bildschirmdaten"));

        // The structure of the project, and the clipboard emptied again
        p.MenueWaehlen(Menue::Extras, QStringLiteral("&Struktur nach Zwischenablage"));
        QVERIFY(p.ablage.TextLesen().find("ModRechnen") != std::string::npos);
        p.MenueWaehlen(Menue::Extras, QStringLiteral("&Zwischenablage Leeren"));
        QCOMPARE(p.ablage.TextLesen(), std::string());
    }

    void exportedModuleFilesChosenAndReadWithF2() {
        Programm p;
        QTemporaryDir quellen;
        QFile datei(quellen.filePath("Rechnen.bas"));
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write("Attribute VB_Name = \"Rechnen\"\r\nSub Summe()\r\nEnd Sub\r\n");
        datei.close();
        p.dialoge.oeffnenAntworten = {{datei.fileName().toStdString()}};
        QAction* vb = p.Aktion(Befehl::VbEinlesen);
        QVERIFY(vb->isVisible());
        QMenuBar* leiste = p.F().menuBar();
        QTest::mouseClick(leiste, Qt::LeftButton, {}, leiste->actionGeometry(vb).center());
        QVERIFY(p.s->VbDateienGelistet());
        QCOMPARE(p.App().Modell().Knoten().Anzahl(), 2u);
        p.App().setFocus();
        Programm::Taste(Qt::Key_F2);
        QVERIFY(p.s->ProjektGeladen());
        QCOMPARE(p.Panel(1), QStringLiteral("Rechnen"));
        QVERIFY(p.F().windowTitle().contains("[nicht gespeichert !!!]"));
    }
};

QTEST_MAIN(FensterDialogeTest)
#include "FensterDialogeTest.moc"
