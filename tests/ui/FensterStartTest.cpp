// SPDX-License-Identifier: GPL-3.0-or-later
// The window from its start to a read project: keyboard first, ticks by
// mouse and by Space, the enabled states of each mode, and nothing a user
// clicks or types in the wrong mode brings it down.
#include "FensterHilfen.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>

using namespace cb;
using namespace cb::test;

class FensterStartTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void startsKeyboardFirstAndReadsWithSpaceAndF2() {
        Programm p;
        QCOMPARE(p.F().windowTitle(), QStringLiteral("Excel Code Brindle 1.0"));
        QCOMPARE(QApplication::focusWidget(), &p.App());
        QCOMPARE(p.App().currentIndex(), p.App().Modell().IndexVon("A1\\"));
        QVERIFY(!p.Aktion(Befehl::CodeEinlesen)->isEnabled());
        Programm::Taste(Qt::Key_Space);
        for (const BaumKnoten& k : p.App().Modell().Knoten().Knoten())
            QVERIFY2(Programm::Gehakt(p.App(), k.Schluessel), k.Text.c_str());
        QVERIFY(p.Aktion(Befehl::CodeEinlesen)->isEnabled());
        QVERIFY(p.F().Leisten().Knopf("doit")->isEnabled());
        Programm::Taste(Qt::Key_F2);
        QCOMPARE(p.F().Baeume().Vorne(), &p.Projekt());
        QCOMPARE(p.Projekt().Modell().Knoten().Knoten().size(), p.s->ProjektBaum().Anzahl());
        // The first module is in front, its node highlighted, its pane focused
        const BaumKnoten& erstes = p.s->ProjektBaum().Knoten().front();
        QCOMPARE(p.Panel(1).toStdString(), erstes.Text);
        QCOMPARE(p.Projekt().Modell().Markiert(), erstes.Schluessel);
        QVERIFY(p.Vorne() && p.Vorne()->isVisible());
        QCOMPARE(p.Vorne()->toPlainText().toStdString(), p.s->Code(p.s->AktModulIndex()).Text);
        QCOMPARE(QApplication::focusWidget(), p.Vorne());
        QVERIFY(p.meldungen.Gezeigt().empty());
    }

    void mouseTicksFollowTheTickRules() {
        Programm p;
        const std::string modul = Programm::Schluessel(p.App(), "ModStart");
        QVERIFY(!modul.empty());
        Programm::HakenKlicken(p.App(), modul);
        QVERIFY(Programm::Gehakt(p.App(), modul));
        QVERIFY(!Programm::Gehakt(p.App(), Programm::Schluessel(p.App(), "ModTexte")));
        QVERIFY(p.Aktion(Befehl::CodeEinlesen)->isEnabled());
        Programm::HakenKlicken(p.App(), modul);
        QVERIFY(!Programm::Gehakt(p.App(), modul));
        QVERIFY(!p.Aktion(Befehl::CodeEinlesen)->isEnabled());
        // Every node ticked, unticked and clicked in turn
        for (const BaumKnoten& k : p.s->AppBaum().Knoten()) {
            Programm::HakenKlicken(p.App(), k.Schluessel);
            Programm::Klicken(p.App(), k.Schluessel);
            Programm::HakenKlicken(p.App(), k.Schluessel);
        }
        QCOMPARE(p.s->AppBaum().GehakteBlaetter().size(), std::size_t{0});
        // One module only, then the toolbar's read
        Programm::HakenKlicken(p.App(), modul);
        p.KnopfKlicken("doit");
        QCOMPARE(p.s->ProjektBaum().Knoten().front().Text, std::string("ModStart"));
    }

    void enabledStatesFollowTheMode() {
        Programm p;
        struct Zeile {
            Befehl befehl;
            const char* knopf;
            bool ohneProjekt;
        };
        const Zeile tabelle[] = {
            {Befehl::Definition, nullptr, false},
            {Befehl::RoutineAufrufe, nullptr, false},
            {Befehl::Speichern, "save", false},
            {Befehl::HtmlAuswahl, "ht_aus", false},
            {Befehl::HtmlModul, "ht_mod", false},
            {Befehl::HtmlProjekt, "ht_pro", false},
            {Befehl::Neu, "neu", false},
            {Befehl::AppAktualisieren, "refresh", true},
            {Befehl::Zoom, "zoom", false},
            {Befehl::KopierenAuswahl, nullptr, false},
            {Befehl::KopierenModul, nullptr, false},
        };
        auto pruefen = [&](bool projekt) {
            for (const Zeile& z : tabelle) {
                const bool soll = projekt ? !z.ohneProjekt : z.ohneProjekt;
                QCOMPARE(p.Aktion(z.befehl)->isEnabled(), soll);
                if (z.knopf)
                    QCOMPARE(p.F().Leisten().Knopf(z.knopf)->isEnabled(), soll);
            }
            QCOMPARE(p.F().Leisten().Menue(Menue::Rtf)->menuAction()->isEnabled(), projekt);
            QCOMPARE(p.F().Leisten().Menue(Menue::Text)->menuAction()->isEnabled(), projekt);
            QVERIFY(!p.F().Status().Panel(3)->isEnabled());
            QVERIFY(!p.F().Status().Panel(4)->isEnabled());
        };
        pruefen(false);
        QCOMPARE(p.Panel(1), QStringLiteral("Modul"));
        QCOMPARE(p.Panel(5), QStringLiteral("Aktion"));
        p.Einlesen();
        QCOMPARE(p.s->Modus(), ProjektModus::Eingelesen);
        pruefen(true);
        QVERIFY(!p.Aktion(Befehl::CodeEinlesen)->isEnabled());
        // Saved under a name: mode 2, the same states, the title names it
        p.dialoge.ordnerAntworten.push_back(p.s->Z().ProjektOrdner);
        p.dialoge.eingabeAntworten.push_back("Gespeichert");
        Programm::Taste(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(p.s->Modus(), ProjektModus::Gespeichert);
        pruefen(true);
        QVERIFY(p.F().windowTitle().contains("Gespeichert"));
        // "&Neu" by its key: back to the host's projects
        Programm::Taste(Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(p.F().Baeume().Vorne(), &p.App());
        pruefen(false);
    }

    void modelsPassTheModelTester() {
        Programm p;
        QAbstractItemModelTester app(&p.App().Modell(),
                                     QAbstractItemModelTester::FailureReportingMode::QtTest);
        QAbstractItemModelTester projekt(&p.Projekt().Modell(),
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
        QAbstractItemModelTester liste(&p.F().Baeume().RoutSucheModell(),
                                       QAbstractItemModelTester::FailureReportingMode::QtTest);
        p.Einlesen();
        Programm::Klicken(p.Projekt(), Programm::Schluessel(p.Projekt(), "ModRechnen"));
        p.s->Ausfuehren(Befehl::Neu);
        p.Einlesen();
        QVERIFY(p.s->ProjektBaum().Anzahl() > 8);
    }

    void noCommandOfAnyModeBringsTheWindowDown() {
        Programm p;
        // Every shortcut of the menu bar, and every toolbar button, with no
        // project and then with one; dialogs are cancelled, questions answered No.
        const Qt::Key tasten[] = {Qt::Key_F1, Qt::Key_F3, Qt::Key_F4, Qt::Key_F8, Qt::Key_F9, Qt::Key_F5};
        auto allesDruecken = [&] {
            for (Qt::Key t : tasten)
                for (Qt::KeyboardModifiers m :
                     {Qt::KeyboardModifiers{}, Qt::KeyboardModifiers{Qt::ControlModifier}}) {
                    p.meldungen.Antworten(MeldungsAntwort::Nein);
                    Programm::Taste(t, m);
                    // back from the mini window (F9) and the help window (F1)
                    if (p.F().Mini() && p.F().Mini()->isVisible())
                        QTest::mouseClick(&p.F().Mini()->Vollansicht(), Qt::LeftButton);
                    if (p.F().Hilfe())
                        p.F().Hilfe()->close();
                    p.F().activateWindow();
                    QVERIFY(QTest::qWaitForWindowActive(&p.F()));
                }
            for (const LeistenEintrag& e : Symbolleiste())
                if (e.Art == LeistenArt::Knopf && e.Schluessel != "neu" && e.Schluessel != "refresh" &&
                    e.Schluessel != "doit")
                    p.KnopfKlicken(std::string(e.Schluessel).c_str());
            for (Qt::Key t : {Qt::Key_O, Qt::Key_S, Qt::Key_F, Qt::Key_Q, Qt::Key_M})
                Programm::Taste(t, Qt::ControlModifier);
            for (int panel = 1; panel <= 5; ++panel)
                p.PanelKlicken(panel, panel == 2);
        };
        allesDruecken();
        QCOMPARE(p.F().Baeume().Vorne(), &p.App());
        p.Einlesen();
        allesDruecken();
        QVERIFY(p.F().isVisible());
        QVERIFY(p.s->ProjektGeladen());
        // Every node of the project tree opened, by mouse and by Enter
        p.Projekt().expandAll();
        for (const BaumKnoten& k : p.s->ProjektBaum().Knoten()) {
            Programm::Klicken(p.Projekt(), k.Schluessel);
            QCOMPARE(p.Panel(2).toStdString(), k.Eltern.empty() ? std::string() : k.Text);
            p.Projekt().setFocus();
            Programm::Taste(Qt::Key_Return);
        }
        // "&Beenden" closes the window
        p.Aktion(Befehl::Beenden)->trigger();
        QVERIFY(!p.F().isVisible());
    }

    void aSearchFieldTypedIsTheControllersAndAHintReplacesAnEmptyTree() {
        Programm p(std::vector<std::string>{});
        QCOMPARE(p.F().Baeume().Vorne(), &p.F().Baeume().Hinweis());
        QVERIFY(!p.F().Baeume().Hinweis().toPlainText().isEmpty());
        QTest::keyClicks(&p.F().Leisten().Suchfeld(), "Kunde");
        QCOMPARE(p.s->Suchfeld(), std::string("Kunde"));
        // A workbook chosen with the open command is listed at once
        p.dialoge.oeffnenAntworten.push_back({BeispielMappe()});
        p.F().setFocus();
        Programm::Taste(Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(p.F().Baeume().Vorne(), &p.App());
        QVERIFY(!Programm::Schluessel(p.App(), "ModStart").empty());
    }

    void workbooksDroppedOnTheHintOrTheTreeAreListed() {
        Programm p(std::vector<std::string>{});
        auto ablegen = [](QWidget* ziel) {
            QMimeData daten;
            daten.setUrls({QUrl::fromLocalFile(QString::fromStdString(BeispielMappe()))});
            QDragEnterEvent hinein(QPoint(5, 5), Qt::CopyAction, &daten, Qt::LeftButton, {});
            QApplication::sendEvent(ziel, &hinein);
            QVERIFY(hinein.isAccepted());
            QDropEvent ab(QPointF(5, 5), Qt::CopyAction, &daten, Qt::LeftButton, {});
            QApplication::sendEvent(ziel, &ab);
        };
        QVERIFY(p.F().Baeume().Hinweis().toPlainText().contains("Strg+M"));
        ablegen(p.F().Baeume().Hinweis().viewport());
        QCOMPARE(p.F().Baeume().Vorne(), &p.App());
        QCOMPARE(p.s->AppBaum().Anzahl(), std::size_t{9});
        // The same workbook again: listed once, read anew
        ablegen(p.App().viewport());
        QCOMPARE(p.s->AppBaum().Anzahl(), std::size_t{9});
    }

    void aDamagedWorkbookIsReportedAndTheOthersStay() {
        QTemporaryDir d;
        const QString kaputt = d.filePath("Kaputt.xlsm");
        QVERIFY(QFile::copy(QString::fromStdString(BeispielMappe()), kaputt));
        Programm p({BeispielMappe(), kaputt.toStdString()});
        QCOMPARE(p.s->AppBaum().Anzahl(), std::size_t{18});
        QFile f(kaputt);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.resize(f.size() / 2));
        f.close();
        const std::string zweites = "A2\\";
        p.App().setCurrentIndex(p.App().Modell().IndexVon(zweites));
        p.Einlesen();
        QVERIFY(!p.meldungen.Gezeigt().empty());
        QVERIFY(p.F().isVisible());
        QCOMPARE(p.F().Baeume().Vorne(), &p.App()); // listed again, without the damaged one
        QCOMPARE(p.s->AppBaum().Anzahl(), std::size_t{9});
    }
};

QTEST_MAIN(FensterStartTest)
#include "FensterStartTest.moc"
