// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's services behind the core's interfaces: message boxes with
// the application's title and icons, the file dialogs' filters, the
// clipboard's formats and the settings store, each through Qt itself.
#include "QtDienste.h"
#include "QtEinstellungen.h"
#include "QtMeldungen.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace cb;

class QtDiensteTest : public QObject {
    Q_OBJECT
private slots:
    void messageBoxesCarryTitleIconAndAnswer() {
        QtMeldungen meldungen(nullptr, "Excel Code Brindle 1.0");
        struct Fall {
            MeldungsSymbol symbol;
            QMessageBox::Icon icon;
            MeldungsKnoepfe knoepfe;
            QMessageBox::StandardButton druecken;
            MeldungsAntwort antwort;
        };
        const Fall faelle[] = {
            {MeldungsSymbol::Kritisch, QMessageBox::Critical, MeldungsKnoepfe::Ok, QMessageBox::Ok,
             MeldungsAntwort::Ok},
            {MeldungsSymbol::Frage, QMessageBox::Question, MeldungsKnoepfe::JaNeinAbbrechen, QMessageBox::No,
             MeldungsAntwort::Nein},
            {MeldungsSymbol::Frage, QMessageBox::Question, MeldungsKnoepfe::JaNeinAbbrechen,
             QMessageBox::Cancel, MeldungsAntwort::Abbrechen},
            {MeldungsSymbol::Warnung, QMessageBox::Warning, MeldungsKnoepfe::JaNein, QMessageBox::Yes,
             MeldungsAntwort::Ja},
            {MeldungsSymbol::Information, QMessageBox::Information, MeldungsKnoepfe::Ok, QMessageBox::Ok,
             MeldungsAntwort::Ok},
        };
        for (const Fall& f : faelle) {
            QString titel, text;
            QMessageBox::Icon icon = QMessageBox::NoIcon;
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box);
                titel = box->windowTitle();
                text = box->text();
                icon = box->icon();
                QTest::mouseClick(box->button(f.druecken), Qt::LeftButton);
            });
            QCOMPARE(meldungen.Zeigen("Bitte wählen Sie erst etwas aus", f.symbol, f.knoepfe, {}), f.antwort);
            QCOMPARE(titel, QStringLiteral("Excel Code Brindle 1.0"));
            QCOMPARE(text, QStringLiteral("Bitte wählen Sie erst etwas aus"));
            QCOMPARE(icon, f.icon);
        }
    }

    void fileFiltersMatchBothLetterCases() {
        const std::vector<FilterZeile> filter = {{"RTF-Dokument (*.rtf)", "*.RTF", {"RTF"}},
                                                 {"Quellen (*.bas, *.cls)", "*.BAS; *.CLS", {"bas", "cls"}},
                                                 {" (*.*)", "*.*", {}}};
        QCOMPARE(NamensFilter(filter),
                 (QStringList{"RTF-Dokument (*.rtf *.RTF)", "Quellen (*.bas *.BAS *.cls *.CLS)", "(*)"}));
    }

    void clipboardOffersRtfHtmlAndText() {
        QtZwischenablage ablage;
        ablage.RtfSetzen("{\\rtf1 \\'e4}", "ä");
        const QMimeData* daten = QApplication::clipboard()->mimeData();
        QCOMPARE(daten->data("text/rtf"), QByteArray("{\\rtf1 \\'e4}"));
        QCOMPARE(ablage.TextLesen(), std::string("ä"));
        ablage.HtmlSetzen("<pre>x</pre>");
        QVERIFY(QApplication::clipboard()->mimeData()->hasHtml());
        QCOMPARE(ablage.TextLesen(), std::string("<pre>x</pre>"));
        ablage.Leeren();
        QCOMPARE(ablage.TextLesen(), std::string());
    }

    void settingsLiveUnderTheOrganisationAndSurviveAnotherStore() {
        QTemporaryDir ordner;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ordner.path());
        const std::string app = "QX_Brindle\\Co_Brindle_Excel";
        QtEinstellungen({}).Schreiben(app, "optionen", "tab", "7");
        QtEinstellungen zweite;
        QCOMPARE(zweite.Lesen(app, "optionen", "tab"), std::string("7"));
        QCOMPARE(QSettings("QX_Brindle", "Co_Brindle_Excel").value("optionen/tab").toString(),
                 QStringLiteral("7"));
        zweite.AbschnittLoeschen(app, "optionen");
        QCOMPARE(zweite.Lesen(app, "optionen", "tab"), std::string());
    }
};

QTEST_MAIN(QtDiensteTest)
#include "QtDiensteTest.moc"
