// SPDX-License-Identifier: GPL-3.0-or-later
#include "HauptFenster.h"
#include "BaumAnsicht.h"
#include "QtEinstellungen.h"

#include "app/Allgemein.h"
#include "app/Start.h"
#include "app/Zustand.h"
#include "import/AppTexte.h"
#include "settings/Optionen.h"
#include "testhilfen/SpeicherHost.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class HauptFensterTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    }

    void opensWithTheTitleAndCloses() {
        cb::Zustand z;
        cb::QtEinstellungen s;
        cb::Starten(z, s, m_dir.path().toStdString(), m_dir.path().toStdString());
        cb::SpeicherHost host;
        host.Laeuft = false;
        cb::HauptFenster fenster(z, host);
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        QCOMPARE(fenster.windowTitle(), QStringLiteral("Excel Code Brindle 1.0"));
        // No workbook open: the hint in place of the application tree
        QCOMPARE(fenster.AppHinweis().toStdString(), cb::NichtGeoeffnetText("Excel"));
        QCOMPARE(fenster.AppAnsicht().topLevelItemCount(), 0);
        QVERIFY(fenster.close());
        QVERIFY(!fenster.isVisible());
    }

    void listsProjectsAndKeepsTicksInOneProject() {
        cb::Zustand z;
        cb::QtEinstellungen s;
        cb::Starten(z, s, m_dir.path().toStdString(), m_dir.path().toStdString());
        cb::SpeicherHost host;
        const std::string code = "Sub A()\r\nEnd Sub\r\n'";
        host.Projekte.push_back(
            {"Erstes",
             "/m/Eins.xlsm",
             0,
             {{"Modul1", cb::HostStandardModul, code, {}}, {"Modul2", cb::HostStandardModul, code, {}}},
             {}});
        host.Projekte.push_back(
            {"Zweites", "/m/Zwei.xlsm", 0, {{"Modul1", cb::HostStandardModul, code, {}}}, {}});
        cb::HauptFenster fenster(z, host);
        cb::BaumAnsicht& tree = fenster.AppAnsicht();
        QCOMPARE(fenster.AppHinweis(), QString());
        QCOMPARE(tree.topLevelItemCount(), 2);
        QCOMPARE(tree.topLevelItem(0)->text(0), QStringLiteral("Erstes [Eins.xlsm]"));
        QCOMPARE(tree.topLevelItem(0)->childCount(), 2);
        QVERIFY(tree.topLevelItem(0)->isExpanded());

        // Ticking a project ticks its modules; a tick in the other project
        // clears the first one
        tree.topLevelItem(0)->setCheckState(0, Qt::Checked);
        QCOMPARE(tree.topLevelItem(0)->child(1)->checkState(0), Qt::Checked);
        tree.topLevelItem(1)->child(0)->setCheckState(0, Qt::Checked);
        QCOMPARE(tree.topLevelItem(0)->checkState(0), Qt::Unchecked);
        QCOMPARE(tree.topLevelItem(0)->child(0)->checkState(0), Qt::Unchecked);
        QCOMPARE(tree.topLevelItem(1)->child(0)->checkState(0), Qt::Checked);
        QVERIFY(fenster.AppBaum().Finden("A2\\Modul1")->Haken);
    }

    void settingsSurviveAndShareTheParentLevel() {
        cb::Zustand z;
        cb::StandardWerteSetzen(z);
        {
            cb::QtEinstellungen s;
            cb::EinstellungSchreiben(z.EinstellungsName, s, "optionen", "font", "Courier New,12");
            cb::EinstellungSchreiben(z.EinstellungsName, s, "recent", "r1", "/p/eins/");
            cb::EinstellungSchreiben(z.EinstellungsName, s, "recent", "r2", "/p/zwei/");
        }
        cb::QtEinstellungen s;
        cb::OptionenLaden(z.Opt, s, z.EinstellungsName);
        QCOMPARE(z.Opt.SchriftName, std::string("Courier New"));
        QCOMPARE(z.Opt.SchriftGroesse, 12);
        QCOMPARE(cb::AlleEinstellungen(z.EinstellungsName, s, "recent").size(), std::size_t(2));
        cb::AbschnittLoeschen(z.EinstellungsName, s, "recent");
        cb::AbschnittLoeschen(z.EinstellungsName, s, "recent");
        QVERIFY(cb::AlleEinstellungen(z.EinstellungsName, s, "recent").empty());
        QCOMPARE(cb::EinstellungLesen(z.EinstellungsName, s, "optionen", "fehlt"), std::string());
        // Every edition's settings sit below the organisation QX_Brindle
        QVERIFY(QFileInfo::exists(m_dir.path() + "/QX_Brindle/Co_Brindle_Excel.conf"));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(HauptFensterTest)
#include "HauptFensterTest.moc"
