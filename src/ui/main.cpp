// SPDX-License-Identifier: GPL-3.0-or-later
#include "HauptFenster.h"
#include "QtDienste.h"
#include "QtEinstellungen.h"
#include "QtMeldungen.h"

#include "app/Start.h"
#include "app/Zustand.h"
#include "import/host/WorkbookHost.h"
#include "steuerung/Bildschirm.h"
#include "steuerung/Steuerung.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QSocketNotifier>
#include <QTranslator>
#include <QWidget>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {

int signalRohr[2] = {-1, -1};
bool beendenVerlangt = false;

extern "C" void BeendenSignal(int) {
    const int gesichert = errno;
    const char c = 1;
    [[maybe_unused]] ssize_t n = ::write(signalRohr[1], &c, 1);
    errno = gesichert;
}

// A signal may come while a message of the start is open, before the main
// loop runs, where quit() does nothing: the message is closed and the loop
// is then not entered at all. The pipe is read empty, or the notifier
// would fire again and again.
void SignalBehandeln() {
    char puffer[64];
    while (::read(signalRohr[0], puffer, sizeof puffer) > 0) {
    }
    beendenVerlangt = true;
    if (QWidget* dialog = QApplication::activeModalWidget())
        dialog->close();
    QApplication::quit();
}

// SIGTERM (a session that ends) and SIGINT close the program as closing
// the window does, so that the working folder goes with it. The handler
// only writes to a pipe; the event loop does the rest.
void BeendenBeiSignal(QApplication& app) {
    if (::pipe2(signalRohr, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto* melder = new QSocketNotifier(signalRohr[0], QSocketNotifier::Read, &app);
    QObject::connect(melder, &QSocketNotifier::activated, &app, [] { SignalBehandeln(); });
    struct sigaction sa {};
    sa.sa_handler = BeendenSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &sa, nullptr);
    ::sigaction(SIGINT, &sa, nullptr);
}

} // namespace

int main(int argc, char* argv[]) {
    // Without a display Qt aborts with advice to reinstall; say what is
    // missing instead. A platform named outright (offscreen, vnc) needs none.
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
        std::fputs("codebrindle: Keine Anzeige gefunden (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt).\n"
                   "Das Fenster braucht eine X- oder Wayland-Sitzung; codebrindle-cli arbeitet ohne.\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    BeendenBeiSignal(app);
    // The program speaks German whatever the desktop's language: Qt's own
    // words too (the buttons of a message box, "Strg" in the menus).
    QTranslator qtTexte;
    if (qtTexte.load(QLocale(QLocale::German, QLocale::Germany), "qtbase", "_",
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexte);
    cb::Zustand zustand;
    cb::QtEinstellungen einstellungen;
    cb::Starten(zustand, einstellungen, cb::ProgrammOrdnerErmitteln(), cb::CacheOrdnerErmitteln());
    int ergebnis = 0;
    {
        cb::HauptFenster fenster;
        cb::QtMeldungen meldungen(&fenster, zustand.ProgrammTitel);
        cb::QtDialoge dialoge(&fenster);
        cb::QtZwischenablage ablage;
        cb::QtShell shell;
        // The workbooks named on the command line are the host's open workbooks.
        auto host = std::make_unique<cb::WorkbookHost>(meldungen);
        std::vector<std::string> argumente;
        for (const QString& a : app.arguments().mid(1))
            argumente.push_back(a.toStdString());
        const bool mini = cb::MiniStartVerlangt(argumente);
        for (const QString& a : app.arguments().mid(1))
            if (!cb::IstMiniArgument(a.toStdString()))
                host->Oeffnen(QFileInfo(a).absoluteFilePath().toStdString());
        cb::Steuerung steuerung(std::move(zustand), std::move(host),
                                {einstellungen, meldungen, dialoge, ablage, shell}, fenster);
        fenster.Starten(steuerung, mini);
        if (!beendenVerlangt)
            ergebnis = app.exec();
        steuerung.Beenden();
    }
    return ergebnis;
}
