// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/vb/VbProjektEinlesen.h"

#include "analysis/ModulParser.h"
#include "app/Anzeige.h"
#include "app/Baum.h"
#include "app/Dateien.h"
#include "app/Meldungen.h"
#include "app/Optionen.h"
#include "import/vb/VbAnwendungsBaum.h"
#include "store/DatenbankFehler.h"
#include "store/OffenesProjekt.h"
#include "store/ProjektDatenbankVerbindung.h"

#include <stdexcept>

namespace cb {

namespace {

void EinlesenSchliessen(OffenesProjekt& projekt) {
    if (projekt.DatenbankOffen())
        projekt.Datenbank().EinlesenAbschliessen();
}

} // namespace

std::string VbProjektFehlerText() {
    return "Das Projekt konnte nicht gelesen werden.\r\n"
           "Mögliche Ursachen:\r\n"
           "Ein Modul ist nicht im gleichen Verzeichnis wie die vbp gespeichert.\r\n"
           "Im Code befinden sich Syntaxerrors";
}

bool VBProjektEinlesen(OffenesProjekt& projekt, const Optionen& o, const std::string& maskenOrdner,
                       Meldungen& meldungen, Anzeige& anzeige, const Baum& baum, int ersatzCodepage) {
    std::int64_t modulNummer = 0;
    ModulEintrag eintrag;
    anzeige.StatusSetzen(Panel::Aktivitaet, "Erzeuge Projekt");
    // A read whose template is missing has said so already; it is no success.
    bool ok = projekt.DatenbankErzeugen(meldungen, maskenOrdner);
    std::string pfad;
    if (ok) {
        try {
            projekt.DatenbankOeffnen();
            projekt.Datenbank().EinlesenBeginnen();
            for (const BaumKnoten* blatt : baum.GehakteBlaetter()) {
                const BaumKnoten& k = *blatt;
                eintrag.Typ = TypAusSchluessel(k.Schluessel);
                eintrag.Name = k.Text;
                pfad = baum.Tag + DateiAusSchluessel(k.Schluessel);
                if (modulNummer >= MaxModulNummer)
                    throw std::overflow_error("Mehr als " + std::to_string(MaxModulNummer) + " Module");
                eintrag.Nummer = ++modulNummer;
                ModulSpeichern(projekt.Datenbank(), projekt.ProjektPfad(), o, eintrag, projekt.RoutinenNummer,
                               CodeAusModulDatei(ModulDateiText(DateiLesen(pfad), ersatzCodepage)));
            }
            EinlesenSchliessen(projekt);
        } catch (const std::exception& e) {
            ok = false;
            try {
                EinlesenSchliessen(projekt); // what was stored before the failure stays
            } catch (const std::exception&) {
            }
            const std::string ursache =
                pfad.empty() ? e.what() : "Datei " + pfad + ", Modul " + eintrag.Name + ": " + e.what();
            const auto schreiben = SchreibUrsache(e, projekt.ProjektPfad());
            meldungen.Melden(schreiben ? *schreiben : VbProjektFehlerText() + "\r\n" + ursache,
                             MeldungsSymbol::Warnung);
        }
    }
    anzeige.StatusSetzen(Panel::Aktivitaet, "");
    return ok;
}

} // namespace cb
