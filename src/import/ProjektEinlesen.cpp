// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/ProjektEinlesen.h"

#include "analysis/ModulParser.h"
#include "app/Allgemein.h"
#include "app/Anzeige.h"
#include "app/Baum.h"
#include "app/Meldungen.h"
#include "app/Text.h"
#include "app/Zustand.h"
#include "import/AppTexte.h"
#include "import/ProjekteAuflisten.h"
#include "import/host/Host.h"
#include "store/DatenbankFehler.h"
#include "store/OffenesProjekt.h"
#include "store/ProjektDatenbankVerbindung.h"

#include <exception>
#include <memory>

namespace cb {

namespace {

// "A3" -> 3: the project's position in the host when it was listed.
std::int64_t ProjektNummer(const std::string& eigen) {
    if (eigen.size() < 2 || eigen.size() > 19)
        throw HostFehler("Kein Projektschlüssel: " + eigen);
    std::int64_t n = 0;
    for (std::size_t i = 1; i < eigen.size(); ++i) {
        if (eigen[i] < '0' || eigen[i] > '9')
            throw HostFehler("Kein Projektschlüssel: " + eigen);
        n = n * 10 + (eigen[i] - '0');
    }
    return n;
}

// Positions shift when a workbook is closed between listing and reading;
// the project then found at the listed position is another one, and its
// modules of the same names (Sheet1, Module1) must not be read in their stead.
void ProjektPruefen(HostProjekt& projekt, const std::string& name, const Baum& treApp,
                    const std::string& schluessel) {
    const BaumKnoten* knoten = treApp.Finden(schluessel);
    if (knoten && knoten->Text != ProjektKnotenText(name, ProjektDateiName(projekt)))
        throw HostFehler("Das Projekt " + knoten->Text + " ist nicht mehr an seiner Stelle.");
}

// The line after the failure message: which workbook, which module, and why.
std::string UrsachenZeile(const std::string& mappe, const std::string& modul, const std::string& ursache) {
    std::string zeile;
    if (!mappe.empty())
        zeile = "Mappe " + mappe;
    if (!modul.empty())
        zeile += (zeile.empty() ? "Modul " : ", Modul ") + modul;
    return zeile.empty() ? ursache : zeile + ": " + ursache;
}

} // namespace

bool ProjektEinlesen(Zustand& z, OffenesProjekt& ziel, Host& host, Meldungen& meldungen, Anzeige& anzeige,
                     Baum& treApp) {
    auto anwendung = AnwendungHolen(z, host);
    if (!anwendung)
        return false;
    bool ergebnis = false;
    std::string mappe;
    std::string modulName;
    try {
        std::int64_t modulNummer = 0;
        ziel.RoutinenNummer = 0;
        anzeige.StatusSetzen(Panel::Aktivitaet, "Erzeuge Projekt");
        if (ziel.DatenbankErzeugen(meldungen, z.ProgrammOrdner)) {
            ziel.DatenbankOeffnen();
            anzeige.SanduhrSetzen(true);
            // One transaction for the whole read: written once at the end,
            // and what was stored before a failure is kept by the close.
            ziel.Datenbank().EinlesenBeginnen();
            std::string gewaehlt;
            std::unique_ptr<HostProjekt> projekt;
            std::unique_ptr<HostKomponenten> komponenten;
            for (const BaumKnoten* blatt : treApp.GehakteBlaetter()) {
                const BaumKnoten& knoten = *blatt;
                const std::string eigen = LinkerTeilInStr(knoten.Schluessel, "\\");
                if (!projekt) {
                    projekt = anwendung->VBProjects()->Item(ProjektNummer(eigen));
                    const std::string name = projekt->Name();
                    // A workbook that can no longer be read says so here,
                    // rather than seem to be another one.
                    komponenten = projekt->VBComponents();
                    ProjektPruefen(*projekt, name, treApp, eigen + "\\");
                    mappe = ProjektDateiName(*projekt);
                    treApp.Tag = name;
                    gewaehlt = eigen;
                } else if (!TextGleich(eigen, gewaehlt)) {
                    // Ticks never span two projects in the window; a module
                    // of another project would be looked up in the wrong one.
                    throw HostFehler("Module zweier Projekte gewählt");
                }
                ModulEintrag eintrag;
                eintrag.Name = RechterTeilInStr(knoten.Schluessel, "\\");
                modulName = eintrag.Name;
                auto komponente = komponenten->Item(eintrag.Name);
                eintrag.Typ = ModulTypCodeFuer(komponente->Type());
                auto modul = komponente->CodeModule();
                const std::int64_t zeilen = modul->CountOfLines();
                if (modulNummer >= MaxModulNummer)
                    throw HostFehler("Mehr als " + std::to_string(MaxModulNummer) + " Module");
                eintrag.Nummer = ++modulNummer;
                anzeige.StatusSetzen(Panel::Modul, "Modul: " + eintrag.Name);
                ModulSpeichern(ziel.Datenbank(), ziel.ProjektPfad(), z.Opt, eintrag, ziel.RoutinenNummer,
                               modul->Lines(1, zeilen));
            }
            modulName.clear(); // what fails from here is no module's
            // A write that fails here would lose the project after a success.
            ziel.Datenbank().EinlesenAbschliessen();
            anzeige.TitelSetzen(UngespeichertTitel(z.ProgrammTitel, treApp.Tag));
            ziel.NichtGespeichert = true;
            ergebnis = true;
        }
    } catch (const std::exception& e) {
        // A full disk or a missing right is no fault of the code: the
        // causes the failure text lists would send the user looking there.
        const auto schreiben = SchreibUrsache(e, ziel.ProjektPfad());
        meldungen.Zeigen(schreiben ? *schreiben
                                   : EinleseFehlerText() + "\r\n" + UrsachenZeile(mappe, modulName, e.what()),
                         MeldungsSymbol::Warnung, MeldungsKnoepfe::Ok, {});
    }
    anzeige.StatusSetzen(Panel::Aktivitaet, "");
    anzeige.SanduhrSetzen(false);
    ziel.DatenbankSchliessen();
    return ergebnis;
}

} // namespace cb
