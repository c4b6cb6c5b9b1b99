// SPDX-License-Identifier: GPL-3.0-or-later
#include "HauptFenster.h"
#include "QtEinstellungen.h"

#include "app/Start.h"
#include "app/Zustand.h"
#include "settings/Optionen.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    cb::Zustand zustand;
    cb::QtEinstellungen einstellungen;
    cb::Starten(zustand, einstellungen, cb::ProgrammOrdnerErmitteln(), cb::CacheOrdnerErmitteln());
    cb::OptionenLaden(zustand, einstellungen);
    cb::HauptFenster fenster(zustand);
    fenster.show();
    return app.exec();
}
