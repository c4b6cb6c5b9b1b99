// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the window answers a user: a synthetic project of 300 modules
// and 100,000 lines read with F2 until the window has painted it, a switch
// to a module shown before, and the first show of a 5,000-line module.
// Input goes through QTest as in the window's tests; every figure is taken
// after a synchronous repaint of the window, so painting is counted.
//   cbfensterbench [ROUNDS]     (QT_QPA_PLATFORM=offscreen when headless)
#include "BaumBereich.h"
#include "BaumModell.h"
#include "BaumSicht.h"
#include "Befehlsleisten.h"
#include "CodeBereich.h"
#include "CodeFenster.h"
#include "HauptFenster.h"

#include "app/Dialoge.h"
#include "app/Meldungen.h"
#include "app/Shell.h"
#include "app/Start.h"
#include "app/Zwischenablage.h"
#include "import/host/WorkbookHost.h"
#include "settings/IniEinstellungsSpeicher.h"
#include "steuerung/Steuerung.h"
#include "testhilfen/ProjektGenerator.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <vector>

namespace {

using namespace cb;

struct StilleMeldungen final : Meldungen {
    MeldungsAntwort Zeigen(const std::string&, MeldungsSymbol, MeldungsKnoepfe, const std::string&) override {
        return MeldungsAntwort::Nein;
    }
};
struct KeineDialoge final : Dialoge {
    std::string OrdnerWaehlen(const std::string&, const std::string&) override { return {}; }
    std::string DateiSpeichern(const SpeichernDialogAnfrage&) override { return {}; }
    std::vector<std::string> DateienOeffnen(const std::string&, const std::vector<FilterZeile>&,
                                            const std::string&) override {
        return {};
    }
    std::vector<std::string> Schriftarten() override { return {}; }
    std::string EingabeFeld(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
};
struct KeineShell final : Shell {
    bool Oeffnen(const std::string&) override { return false; }
    std::string ProgrammFinden(const std::string&) override { return {}; }
    bool ProgrammStarten(const std::string&) override { return false; }
};

std::string MappeSchreiben(const QTemporaryDir& ordner, const char* name, std::size_t module,
                           std::size_t zeilen) {
    const std::string pfad = ordner.filePath(name).toStdString();
    std::ofstream(pfad, std::ios::binary) << workbook::XlsmBauen(workbook::ProjektErzeugen(module, zeilen));
    return pfad;
}

double Ms(QElapsedTimer& t) {
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

struct Messung {
    std::vector<double> werte;
    void Drucken(const char* was) const {
        std::vector<double> v = werte;
        std::sort(v.begin(), v.end());
        std::printf("%-58s median %8.2f ms   max %8.2f ms   (%zu runs)\n", was, v[v.size() / 2], v.back(),
                    v.size());
    }
};

class Lauf {
public:
    Lauf(const std::vector<std::string>& mappen) {
        einstellungen = std::make_unique<IniEinstellungsSpeicher>(ordner.filePath("e.ini").toStdString());
        Zustand z;
        cb::Starten(z, *einstellungen, CB_BIN_DIR, ordner.path().toStdString());
        auto host = std::make_unique<WorkbookHost>(meldungen);
        for (const std::string& m : mappen)
            host->Oeffnen(m);
        fenster = std::make_unique<HauptFenster>();
        s = std::make_unique<Steuerung>(std::move(z), std::move(host),
                                        Dienste{*einstellungen, meldungen, dialoge, ablage, shell}, *fenster);
        fenster->Starten(*s);
        fenster->activateWindow();
        [[maybe_unused]] bool aktiv = QTest::qWaitForWindowActive(fenster.get());
    }
    ~Lauf() { s->Beenden(); }

    void Gemalt() const {
        QApplication::processEvents();
        fenster->repaint();
    }
    /// Ticks the project node of the workbook at position nr and reads it by F2.
    double EinlesenMitF2(int nr) {
        BaumSicht& app = fenster->Baeume().App();
        app.setFocus();
        app.setCurrentIndex(app.Modell().IndexVon("A" + std::to_string(nr) + "\\"));
        QTest::keyClick(&app, Qt::Key_Space);
        Gemalt();
        QElapsedTimer t;
        t.start();
        QTest::keyClick(&app, Qt::Key_F2);
        Gemalt();
        return Ms(t);
    }
    /// Clicks the module node with the number, timed until painted.
    double ModulKlicken(std::int64_t nummer) {
        BaumSicht& baum = fenster->Baeume().Projekt();
        const QModelIndex i = baum.Modell().IndexVon("M" + std::to_string(nummer));
        baum.scrollTo(i);
        const QRect r = baum.visualRect(i);
        Gemalt();
        QElapsedTimer t;
        t.start();
        QTest::mouseClick(baum.viewport(), Qt::LeftButton, {}, r.center());
        Gemalt();
        return Ms(t);
    }

    /// Types the text into the search field, then times the key until painted.
    double Suchen(const QString& text, Qt::KeyboardModifiers mod = {}) {
        QLineEdit& feld = fenster->Leisten().Suchfeld();
        feld.setFocus();
        feld.selectAll();
        QTest::keyClicks(&feld, text);
        Gemalt();
        QElapsedTimer t;
        t.start();
        QTest::keyClick(&feld, Qt::Key_F3, mod);
        Gemalt();
        return Ms(t);
    }

    QTemporaryDir ordner;
    std::unique_ptr<IniEinstellungsSpeicher> einstellungen;
    StilleMeldungen meldungen;
    KeineDialoge dialoge;
    ZwischenablageImSpeicher ablage;
    KeineShell shell;
    std::unique_ptr<HauptFenster> fenster;
    std::unique_ptr<Steuerung> s;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const int runden = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QTemporaryDir ordner;
    const std::string gross = MappeSchreiben(ordner, "Gross.xlsm", 300, 100000);
    const std::string lang = MappeSchreiben(ordner, "Lang.xlsm", 3, 15000); // 5,000 lines each

    Messung lesen, wechsel, erstesMal, langErstesMal, suchenErstes, suchenLetztes, suchenWeiter;
    for (int r = 0; r < runden; ++r) {
        Lauf lauf({gross, lang});
        lesen.werte.push_back(lauf.EinlesenMitF2(1));
        if (lauf.s->ProjektBaum().Anzahl() < 300 || lauf.s->Projekt().ModulAnzahl() != 300) {
            std::fprintf(stderr, "the project was not read: %zu nodes\n", lauf.s->ProjektBaum().Anzahl());
            return 1;
        }
        // Module 2 shown once, then back and forth between it and module 1
        erstesMal.werte.push_back(lauf.ModulKlicken(2));
        for (int k = 0; k < 10; ++k)
            wechsel.werte.push_back(lauf.ModulKlicken(k % 2 == 0 ? 1 : 2));
        // Project search: the first one makes every pane's text; a text only
        // the last module holds is looked for through all of them; then hit
        // after hit of a text in every module.
        lauf.fenster->Leisten().Knopf("su_p")->trigger();
        suchenErstes.werte.push_back(lauf.Suchen(QStringLiteral("x * 300")));
        if (lauf.s->AktModulIndex() != 299) {
            std::fprintf(stderr, "the search did not find the last module: %lld\n",
                         static_cast<long long>(lauf.s->AktModulIndex()));
            return 1;
        }
        for (int k = 0; k < 5; ++k)
            suchenLetztes.werte.push_back(lauf.Suchen(QStringLiteral("x * 300")));
        lauf.Suchen(QStringLiteral("zitiert"));
        for (int k = 0; k < 20; ++k)
            suchenWeiter.werte.push_back(lauf.Suchen(QStringLiteral("zitiert"), Qt::ControlModifier));
        QTest::keyClick(lauf.fenster.get(), Qt::Key_N, Qt::ControlModifier); // "&Neu", save: No
        lauf.Gemalt();
        lauf.EinlesenMitF2(2);
        const std::int64_t nummer = lauf.s->AktModulIndex() + 1 == 1 ? 2 : 1;
        langErstesMal.werte.push_back(lauf.ModulKlicken(nummer));
        const auto zeilen = lauf.fenster->Code().Vorne()->document()->blockCount();
        if (zeilen < 4900) {
            std::fprintf(stderr, "the long module has %d lines\n", zeilen);
            return 1;
        }
    }
    lesen.Drucken("F2 on 300 modules, 100,000 lines, until painted");
    erstesMal.Drucken("first show of a 333-line module");
    wechsel.Drucken("switch to a module shown before");
    langErstesMal.Drucken("first show of a 5,000-line module");
    suchenErstes.Drucken("first project search (F3), hit in the last of 300 modules");
    suchenLetztes.Drucken("project search (F3), hit in the last of 300 modules");
    suchenWeiter.Drucken("project search on (Ctrl+F3), next hit");
    return 0;
}
