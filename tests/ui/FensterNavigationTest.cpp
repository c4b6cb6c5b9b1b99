// SPDX-License-Identifier: GPL-3.0-or-later
// A read project browsed as a user browses it: nodes by mouse and keys,
// the history with its keys and panels, definitions, callers, zoom, the
// code pane's pop-up and copy, and a project saved, opened and lost.
#include "FensterHilfen.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTextBlock>

using namespace cb;
using namespace cb::test;

namespace {

// Opens the routine node with the text, its module expanded by the keys.
void RoutineOeffnen(Programm& p, const std::string& modul, const std::string& routine) {
    const std::string m = Programm::Schluessel(p.Projekt(), modul);
    Programm::Klicken(p.Projekt(), m);
    p.Projekt().setFocus();
    p.Projekt().setCurrentIndex(p.Projekt().Modell().IndexVon(m));
    Programm::Taste(Qt::Key_Right); // expands
    Programm::Klicken(p.Projekt(), Programm::Schluessel(p.Projekt(), routine));
}

} // namespace

class FensterNavigationTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void nodesAndTheHistoryByMouseKeysAndPanels() {
        Programm p;
        p.Einlesen();
        RoutineOeffnen(p, "ModStart", "Starten");
        QCOMPARE(p.Panel(1), QStringLiteral("ModStart"));
        QCOMPARE(p.Panel(2), QStringLiteral("Starten"));
        QCOMPARE(p.Vorne()->textCursor().selectedText(), QStringLiteral("Public"));
        QCOMPARE(QApplication::focusWidget(), p.Vorne());
        Programm::Klicken(p.Projekt(), Programm::Schluessel(p.Projekt(), "KundenLesen"));
        RoutineOeffnen(p, "ModTexte", "Bereinigt");
        QVERIFY(p.F().Status().Panel(3)->isEnabled());
        QVERIFY(!p.F().Status().Panel(4)->isEnabled());
        Programm::Taste(Qt::Key_F4);
        QCOMPARE(p.Panel(2), QStringLiteral("KundenLesen"));
        p.PanelKlicken(3);
        QCOMPARE(p.Panel(2), QStringLiteral("Starten"));
        QVERIFY(!p.F().Status().Panel(3)->isEnabled());
        p.PanelKlicken(4);
        QCOMPARE(p.Panel(2), QStringLiteral("KundenLesen"));
        Programm::Taste(Qt::Key_F4, Qt::ControlModifier);
        QCOMPARE(p.Panel(2), QStringLiteral("Bereinigt"));
        QCOMPARE(p.Panel(1), QStringLiteral("ModTexte"));
        // Back twice, then a new visit: the later entries are gone
        Programm::Taste(Qt::Key_F4);
        Programm::Taste(Qt::Key_F4);
        Programm::Klicken(p.Projekt(), Programm::Schluessel(p.Projekt(), "KurzWarten"));
        QVERIFY(!p.F().Status().Panel(4)->isEnabled());
        QVERIFY(!p.Aktion(Befehl::RoutineVor)->isEnabled());
        // A module click records nothing: Back shows Starten in its own pane
        Programm::Klicken(p.Projekt(), Programm::Schluessel(p.Projekt(), "KlsKunde"));
        QCOMPARE(p.Panel(2), QString());
        QCOMPARE(p.Vorne()->textCursor().position(), 0);
        Programm::Taste(Qt::Key_F4);
        QCOMPARE(p.Panel(2), QStringLiteral("Starten"));
        QCOMPARE(p.Panel(1), QStringLiteral("ModStart"));
        QVERIFY(p.Vorne()->toPlainText().contains("Public Sub Starten()"));
    }

    void arrowsOnlyMoveEnterOpensLettersDoNothing() {
        Programm p;
        p.Einlesen();
        const QString vorher = p.Panel(1);
        p.Projekt().setFocus();
        const QModelIndex start = p.Projekt().currentIndex();
        Programm::Taste(Qt::Key_Down);
        QVERIFY(p.Projekt().currentIndex() != start);
        QCOMPARE(p.Panel(1), vorher);
        const QModelIndex jetzt = p.Projekt().currentIndex();
        Programm::Taste(Qt::Key_K);
        Programm::Taste(Qt::Key_T);
        QCOMPARE(p.Projekt().currentIndex(), jetzt);
        Programm::Taste(Qt::Key_Return);
        QCOMPARE(p.Panel(1), jetzt.data().toString());
        QCOMPARE(p.Projekt().Modell().Markiert(), p.Projekt().Modell().SchluesselVon(jetzt));
    }

    void definitionAndBackToWhereTheJumpBegan() {
        Programm p;
        p.Einlesen();
        RoutineOeffnen(p, "FrmEingabe", "UserForm_QueryClose");
        p.CodeKlicken("AenderungMerken", 3);
        const int start = p.Vorne()->textCursor().position();
        CodeFenster* form = p.Vorne();
        Programm::Taste(Qt::Key_F8);
        QCOMPARE(p.Panel(1), QStringLiteral("ModStart"));
        QCOMPARE(p.Panel(2), QStringLiteral("AenderungMerken"));
        QVERIFY(p.Vorne() != form);
        QCOMPARE(p.Vorne()->textCursor().block().text(), QStringLiteral("Public Sub AenderungMerken()"));
        Programm::Taste(Qt::Key_F4);
        QCOMPARE(p.Vorne(), form);
        QCOMPARE(p.Vorne()->textCursor().position(), start);
        // A word that names no routine
        p.CodeKlicken("vbFormControlMenu", 2);
        Programm::Taste(Qt::Key_F8);
        QCOMPARE(p.meldungen.Gezeigt().back().Text, std::string("Bezeichner unter Cursor nicht erkannt"));
        QCOMPARE(p.Vorne(), form);
    }

    void callersListedOpenedAndClosed() {
        Programm p;
        p.Einlesen();
        RoutineOeffnen(p, "ModStart", "AenderungMerken");
        Programm::Taste(Qt::Key_F8, Qt::ControlModifier);
        BaumSicht& liste = p.F().Baeume().RoutSuche();
        QCOMPARE(p.F().Baeume().Vorne(), &liste);
        QVERIFY(p.F().Leisten().Suche().isVisible());
        QVERIFY(!p.F().Leisten().Haupt().isVisible());
        QVERIFY(p.F().Leisten().RoutSucheBezeichnung().text().contains("AenderungMerken"));
        const std::string aufrufer = Programm::Schluessel(liste, "UserForm_QueryClose");
        QVERIFY(!aufrufer.empty());
        liste.expandAll();
        Programm::Klicken(liste, aufrufer);
        QCOMPARE(p.Panel(2), QStringLiteral("UserForm_QueryClose"));
        QCOMPARE(p.Panel(1), QStringLiteral("FrmEingabe"));
        QVERIFY(p.F().Status().Panel(3)->isEnabled()); // recorded
        QTest::mouseClick(p.F().Leisten().Suche().widgetForAction(p.F().Leisten().Suche().actions().back()),
                          Qt::LeftButton);
        QCOMPARE(p.F().Baeume().Vorne(), &p.Projekt());
        QVERIFY(p.F().Leisten().Haupt().isVisible());
        QVERIFY(!p.Aktion(Befehl::RoutinensucheSchliessen)->isEnabled());
        // A double click on panel 2 lists the callers of the routine named there
        Programm::Klicken(p.Projekt(), Programm::Schluessel(p.Projekt(), "AenderungMerken"));
        p.PanelKlicken(2, true);
        QCOMPARE(p.F().Baeume().Vorne(), &liste);
    }

    void zoomOnAndOffRefusesSearchAndKeepsTheCaret() {
        Programm p;
        p.Einlesen();
        RoutineOeffnen(p, "ModStart", "KundenLesen");
        const int caret = p.Vorne()->textCursor().position();
        p.KnopfKlicken("zoom");
        QVERIFY(p.F().Code().ZoomSichtbar());
        QVERIFY(p.F().Code().Zoom().isVisible());
        QVERIFY(p.F().Code().Zoom().toPlainText().startsWith("Public Function KundenLesen()"));
        QVERIFY(!p.F().Code().Zoom().toPlainText().contains("Sub Starten"));
        QVERIFY(p.Aktion(Befehl::Zoom)->isChecked());
        QVERIFY(p.F().Leisten().Knopf("zoom")->isChecked());
        Programm::Taste(Qt::Key_F3);
        QCOMPARE(p.meldungen.Gezeigt().back().Text, std::string("Steht im Zoom Modus nicht zur Verfügung"));
        const QStringList zoomMenue = p.PopUpTexte([&] { p.RechtsKlicken(p.F().Code().Zoom().viewport()); });
        QCOMPARE(zoomMenue, (QStringList{"Zoom nach &Html", "&Zoom Kopieren", "&Zoom Aus"}));
        p.KnopfKlicken("zoom");
        QVERIFY(!p.F().Code().ZoomSichtbar());
        QVERIFY(p.Vorne()->isVisible());
        QCOMPARE(p.Vorne()->textCursor().position(), caret);
        QVERIFY(!p.F().Leisten().Knopf("zoom")->isChecked());
    }

    void popUpCaptionsFollowTheCaretAndTheRoutine() {
        Programm p;
        // Before a read: only the two reading items
        QCOMPARE(p.PopUpTexte([&] { p.RechtsKlicken(p.Vorne()->viewport()); }),
                 (QStringList{"&HTML Zwischenablage", "&Code Einlesen (aus)"}));
        p.Einlesen();
        RoutineOeffnen(p, "FrmEingabe", "m_rechnung_Beglichen");
        p.CodeKlicken("MsgBox", 2);
        const QStringList mitWort = p.PopUpTexte([&] { p.RechtsKlicken(p.Vorne()->viewport()); });
        QVERIFY2(mitWort.contains("&Definition : MsgBox"), qPrintable(mitWort.join('|')));
        QVERIFY(mitWort.contains("Aufrufe: m_rechnung_Beglichen"));
        Programm::Klicken(p.Projekt(), Programm::Schluessel(p.Projekt(), "FrmEingabe"));
        const QStringList amAnfang = p.PopUpTexte([&] { p.RechtsKlicken(p.Vorne()->viewport()); });
        QVERIFY2(amAnfang.contains("&Definition  (aus)"), qPrintable(amAnfang.join('|')));
        QVERIFY(amAnfang.contains("Aufrufe (aus)"));
    }

    void theSearchFieldIsSearchedWithF3() {
        Programm p;
        p.Einlesen();
        QTest::mouseClick(&p.F().Leisten().Suchfeld(), Qt::LeftButton);
        QTest::keyClicks(&p.F().Leisten().Suchfeld(), "KundeAusZeile");
        p.KnopfKlicken("su_p"); // through the whole project
        QVERIFY(p.F().Leisten().Knopf("su_p")->isChecked());
        Programm::Taste(Qt::Key_F3);
        QCOMPARE(p.Vorne()->textCursor().selectedText(), QStringLiteral("KundeAusZeile"));
        QVERIFY(p.Panel(1) != QStringLiteral("FrmEingabe")); // another module's pane came to the front
        const int erster = p.Vorne()->textCursor().position();
        Programm::Taste(Qt::Key_F3, Qt::ControlModifier);
        QCOMPARE(p.Vorne()->textCursor().selectedText(), QStringLiteral("KundeAusZeile"));
        QVERIFY(p.Vorne()->textCursor().position() > erster);
    }

    void popUpItemsRunTheirCommandsEvenWhenTheyReplaceThePane() {
        Programm p;
        Programm::Taste(Qt::Key_Space);
        // The pane of the pop-up goes with the read it starts
        p.PopUpWaehlen([&] { p.RechtsKlicken(p.Vorne()->viewport()); }, "&Code Einlesen");
        QCOMPARE(p.F().Baeume().Vorne(), &p.Projekt());
        RoutineOeffnen(p, "ModStart", "Starten");
        p.PopUpWaehlen([&] { p.RechtsKlicken(p.Vorne()->viewport()); }, "&Zoom");
        QVERIFY(p.F().Code().ZoomSichtbar());
        p.PopUpWaehlen([&] { p.RechtsKlicken(p.F().Code().Zoom().viewport()); }, "&Zoom Kopieren");
        QVERIFY(p.ablage.TextLesen().starts_with("Public Sub Starten()"));
        p.PopUpWaehlen([&] { p.RechtsKlicken(p.F().Code().Zoom().viewport()); }, "&Zoom Aus");
        QVERIFY(!p.F().Code().ZoomSichtbar());
    }

    void aSelectionIsCopiedAsRtfAndText() {
        Programm p;
        p.Einlesen();
        RoutineOeffnen(p, "ModStart", "Starten");
        Programm::Taste(Qt::Key_End, Qt::ShiftModifier); // "Public Sub Starten()" from its first word
        QCOMPARE(p.Vorne()->textCursor().selectedText(), QStringLiteral("Public Sub Starten()"));
        Programm::Taste(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(p.ablage.TextLesen(), std::string("Public Sub Starten()"));
        const std::string& rtf = p.ablage.RtfLesen();
        QVERIFY(rtf.starts_with("{\\rtf1"));
        QVERIFY(rtf.find("\\cf1 Public\\cf0") != std::string::npos);
        QVERIFY(rtf.find("\\b ") != std::string::npos);
    }

    void savedOpenedAgainAndLostWithoutACrash() {
        Programm p;
        p.Einlesen();
        p.dialoge.ordnerAntworten.push_back(p.s->Z().ProjektOrdner);
        p.dialoge.eingabeAntworten.push_back("Kunden");
        Programm::Taste(Qt::Key_S, Qt::ControlModifier);
        const std::string ordner = p.s->Projekt().ProjektPfad();
        QVERIFY(ordner.find("Kunden") != std::string::npos);
        Programm::Taste(Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(p.F().Baeume().Vorne(), &p.App());
        p.dialoge.ordnerAntworten.push_back(ordner.substr(0, ordner.size() - 1));
        Programm::Taste(Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(p.F().Baeume().Vorne(), &p.Projekt());
        QCOMPARE(p.s->Modus(), ProjektModus::Gespeichert);
        QCOMPARE(p.Projekt().Modell().Knoten().Anzahl(), p.s->ProjektBaum().Anzahl());
        // The folder goes while it is shown: every command still answers
        QVERIFY(QDir(QString::fromStdString(ordner)).removeRecursively());
        RoutineOeffnen(p, "ModStart", "Starten");
        for (Qt::Key t : {Qt::Key_F8, Qt::Key_F4})
            for (Qt::KeyboardModifiers m :
                 {Qt::KeyboardModifiers{}, Qt::KeyboardModifiers{Qt::ControlModifier}})
                Programm::Taste(t, m);
        p.KnopfKlicken("ht_mod");
        p.KnopfKlicken("ht_pro");
        p.KnopfKlicken("zoom");
        QVERIFY(p.F().isVisible());
    }

    void aWorkbookThatGoesBeforeTheReadIsReported() {
        QTemporaryDir d;
        const QString kopie = d.filePath("Weg.xlsm");
        QVERIFY(QFile::copy(QString::fromStdString(BeispielMappe()), kopie));
        Programm p({kopie.toStdString()});
        QVERIFY(QFile::remove(kopie));
        p.Einlesen();
        QVERIFY(!p.meldungen.Gezeigt().empty());
        QCOMPARE(p.F().Baeume().Vorne() == &p.Projekt(), false);
        QVERIFY(p.F().isVisible());
    }
};

QTEST_MAIN(FensterNavigationTest)
#include "FensterNavigationTest.moc"
