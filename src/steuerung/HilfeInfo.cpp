// SPDX-License-Identifier: GPL-3.0-or-later
#include "steuerung/HilfeInfo.h"

#include "BuildInfo.h"
#include "app/Allgemein.h"
#include "app/Meldungen.h"
#include "app/Shell.h"
#include "app/Zustand.h"

#include <array>

namespace cb {

namespace {

constexpr const char* HilfeDatei = "index.html";

// Graphical ones first; a desktop has at most one or two of them.
constexpr std::array<const char* const, 5> Programme = {"hardinfo2", "hardinfo", "kinfocenter", "lshw-gtk",
                                                        "gnome-system-monitor"};

} // namespace

std::string HilfeStartseite(const Zustand& z) {
    return MitTrenner(z.ProgrammOrdner) + "hilfe" + Trenner + HilfeDatei;
}

std::string HilfeFehlerText(const Zustand& z) {
    return std::string("Die Hilfsdatei:\r\n") + "hilfe" + Trenner + HilfeDatei +
           "\r\nkonnte nicht gefunden werden. \r\n"
           "Diese muss im Datenordner des Programms installiert werden.\r\n"
           "Bitte kopieren Sie also den Ordner hilfe nach:\r\n" +
           MitTrenner(z.ProgrammOrdner);
}

InfoTexte InfoTexteBilden(const Zustand& z) {
    InfoTexte t;
    t.Titel = "Info zu " + z.ProgrammTitel;
    t.Ueberschrift = z.ProgrammTitel + "\r\nvon den Code-Brindle-Entwicklern";
    t.Version = "Version " + std::to_string(build::VersionMajor) + "." + std::to_string(build::VersionMinor) +
                "." + std::to_string(build::VersionPatch);
    t.HomePage = build::HomePage;
    return t;
}

void AdresseOeffnen(Shell& shell, Meldungen& meldungen, const std::string& adresse) {
    if (!shell.Oeffnen(adresse))
        meldungen.Melden("Keinen Standard-Browser gefunden", MeldungsSymbol::Kritisch);
}

void HomePageOeffnen(Shell& shell, Meldungen& meldungen) {
    AdresseOeffnen(shell, meldungen, build::HomePage);
}

std::span<const char* const> SysInfoProgramme() {
    return Programme;
}

void SysInfoStarten(Shell& shell, Meldungen& meldungen) {
    for (const char* name : Programme) {
        const std::string pfad = shell.ProgrammFinden(name);
        if (!pfad.empty()) {
            if (shell.ProgrammStarten(pfad))
                return;
            break;
        }
    }
    meldungen.Melden("Systeminformationen sind momentan nicht verfügbar", MeldungsSymbol::Keins);
}

} // namespace cb
