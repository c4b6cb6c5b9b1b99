// SPDX-License-Identifier: GPL-3.0-or-later
#include "HauptFenster.h"
#include "QtEinstellungen.h"
#include "QtMeldungen.h"

#include "app/Start.h"
#include "app/Zustand.h"
#include "import/host/WorkbookHost.h"
#include "settings/Optionen.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    cb::Zustand zustand;
    cb::QtEinstellungen einstellungen;
    cb::Starten(zustand, einstellungen, cb::ProgrammOrdnerErmitteln(), cb::CacheOrdnerErmitteln());
    cb::OptionenLaden(zustand, einstellungen);
    // The workbooks named on the command line are the host's open workbooks.
    cb::QtMeldungen meldungen(nullptr, zustand.ProgrammTitel);
    cb::WorkbookHost host(meldungen);
    const QStringList argumente = app.arguments();
    for (qsizetype i = 1; i < argumente.size(); ++i)
        host.Oeffnen(QFileInfo(argumente[i]).absoluteFilePath().toStdString());
    cb::HauptFenster fenster(zustand, host);
    fenster.show();
    return app.exec();
}
