// SPDX-License-Identifier: GPL-3.0-or-later
#include "HauptFenster.h"
#include "QtEinstellungen.h"

#include "app/Allgemein.h"
#include "app/Start.h"
#include "app/Zustand.h"
#include "settings/Optionen.h"

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
        cb::HauptFenster fenster(z);
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        QCOMPARE(fenster.windowTitle(), QStringLiteral("Excel Code Brindle 1.0"));
        QVERIFY(fenster.close());
        QVERIFY(!fenster.isVisible());
    }

    void settingsSurviveAndShareTheParentLevel() {
        cb::Zustand z;
        cb::StandardWerteSetzen(z);
        {
            cb::QtEinstellungen s;
            cb::EinstellungSchreiben(z, s, "optionen", "font", "Courier New,12");
            cb::EinstellungSchreiben(z, s, "recent", "r1", "/p/eins/");
            cb::EinstellungSchreiben(z, s, "recent", "r2", "/p/zwei/");
        }
        cb::QtEinstellungen s;
        cb::OptionenLaden(z, s);
        QCOMPARE(z.SchriftName, std::string("Courier New"));
        QCOMPARE(z.SchriftGroesse, 12);
        QCOMPARE(cb::AlleEinstellungen(z, s, "recent").size(), std::size_t(2));
        cb::AbschnittLoeschen(z, s, "recent");
        cb::AbschnittLoeschen(z, s, "recent");
        QVERIFY(cb::AlleEinstellungen(z, s, "recent").empty());
        QCOMPARE(cb::EinstellungLesen(z, s, "optionen", "fehlt"), std::string());
        // Every edition's settings sit below the organisation QX_Brindle
        QVERIFY(QFileInfo::exists(m_dir.path() + "/QX_Brindle/Co_Brindle_Excel.conf"));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(HauptFensterTest)
#include "HauptFensterTest.moc"
