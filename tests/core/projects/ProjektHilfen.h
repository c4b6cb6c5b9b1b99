// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A running instance for tests: a cache folder with its working area, a
// settings file, recorded dialogs, messages and window, and real stored
// projects built through the module parser.
#include "../AufzeichnendeDialoge.h"
#include "../AufzeichnendeMeldungen.h"
#include "../TestHilfen.h"
#include "../store/StoreHilfen.h"

#include "analysis/ModulParser.h"
#include "app/Allgemein.h"
#include "app/Anzeige.h"
#include "app/Baum.h"
#include "app/Start.h"
#include "app/Zustand.h"
#include "projects/InstanzSperre.h"
#include "projects/InstanzStart.h"
#include "projects/ProjektDateien.h"
#include "projects/ProjektKontext.h"
#include "settings/IniEinstellungsSpeicher.h"
#include "store/DatenbankDatei.h"
#include "store/OffenesProjekt.h"

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace cb::test {

struct TestModul {
    std::string Name;
    int Typ;
    std::string Code;
};

/// Stores the modules as a read does, in a folder that exists; the
/// database is closed afterwards.
inline void ProjektAnlegen(const std::string& ordner, const std::vector<TestModul>& module) {
    Zustand z;
    StandardWerteSetzen(z);
    z.ProgrammOrdner = std::string(CB_BIN_DIR) + "/";
    OffenesProjekt projekt(MitTrenner(ordner));
    AufzeichnendeMeldungen m;
    ASSERT_TRUE(projekt.DatenbankErzeugen(m, z.ProgrammOrdner));
    projekt.DatenbankOeffnen();
    std::int64_t nummer = 0;
    for (const TestModul& modul : module)
        ModulSpeichern(projekt.Datenbank(), projekt.ProjektPfad(), z.Opt, {++nummer, modul.Name, modul.Typ},
                       projekt.RoutinenNummer, modul.Code);
    projekt.DatenbankSchliessen();
}

inline std::vector<TestModul> ZweiModule() {
    return {{"Modul1", ModulStandard, "Sub Eins()\r\n    x = 1 ' eins\r\nEnd Sub"},
            {"Klasse1", ModulKlasse, "Public Function Zwei() As Long\r\n    Zwei = 2\r\nEnd Function"}};
}

/// A save that went through, the project going on in its new folder.
inline bool Gespeichert(ProjektKontext& k) {
    return mnuSpeichern_Click(k) == DateiAusgang::Gezeigt;
}

/// One program instance on a cache folder (shared by several instances
/// when given), started as the window starts it.
class Instanz {
public:
    explicit Instanz(const std::string& cache, bool starten = true)
        : einstellungen(cache + "/einstellungen.ini"), k{z,       projekt, einstellungen, meldungen, dialoge,
                                                         anzeige, treApp,  treProjekt,    zuletzt} {
        Starten(z, einstellungen, CB_BIN_DIR, cache);
        if (starten)
            InstanzStarten(k, sperre);
    }
    ~Instanz() { InstanzBeenden(k, sperre); }

    Zustand z;
    OffenesProjekt projekt;
    IniEinstellungsSpeicher einstellungen;
    AufzeichnendeMeldungen meldungen;
    AufzeichnendeDialoge dialoge;
    AnzeigeImSpeicher anzeige;
    Baum treApp, treProjekt;
    ZuletztMenue zuletzt;
    InstanzSperre sperre;
    ProjektKontext k;
};

/// The regular files of a folder by name, with their contents.
inline std::map<std::string, std::string> Dateien(const std::filesystem::path& ordner) {
    std::map<std::string, std::string> d;
    for (const auto& e : std::filesystem::directory_iterator(ordner))
        if (e.is_regular_file())
            d[e.path().filename().string()] = DateiInhalt(e.path());
    return d;
}

/// The texts of the messages shown, in order.
inline std::vector<std::string> Texte(const AufzeichnendeMeldungen& m) {
    std::vector<std::string> t;
    for (const auto& g : m.Gezeigt())
        t.push_back(g.Text);
    return t;
}

} // namespace cb::test
