// SPDX-License-Identifier: GPL-3.0-or-later
#include "projects/ProjektAnzeigen.h"

#include "app/Anzeige.h"
#include "app/Baum.h"
#include "app/Meldungen.h"
#include "app/Zustand.h"
#include "projects/Arbeitsbereich.h"
#include "projects/ProjektKontext.h"
#include "store/DatenbankDatei.h"
#include "store/DatenbankFehler.h"
#include "store/ModulText.h"
#include "store/OffenesProjekt.h"
#include "store/ProjektBaum.h"

#include <exception>
#include <filesystem>
#include <system_error>

namespace cb {

namespace {

// Opening a folder without a database would create an empty one there;
// a project without its database is broken, not empty.
void DatenbankPruefen(const OffenesProjekt& projekt) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(projekt.DatenbankPfad(), ec))
        throw DatenbankFehler(projekt.DatenbankPfad() + " fehlt");
}

std::vector<std::string> BaumFuellen(ProjektKontext& k, Baum& baum) {
    for (BaumKnoten& knoten : k.projekt.ModullisteLaden())
        baum.Hinzufuegen(std::move(knoten));
    // Module n goes to pane n, which needs every module text of 1 to n.
    std::vector<std::string> texte;
    for (std::int64_t n = 1; n <= k.projekt.ModulAnzahl(); ++n)
        texte.push_back(ModulTextLesen(k.projekt.ProjektPfad(), n));
    for (BaumKnoten& knoten : k.projekt.RoutinenlisteLaden())
        baum.Hinzufuegen(std::move(knoten));
    return texte;
}

} // namespace

std::string NichtIntaktText(const std::string& projektPfad) {
    return "Projekt in " + projektPfad + "\r\nist nicht mehr intakt";
}

std::optional<std::vector<std::string>> ProjektLaden(ProjektKontext& k) {
    std::optional<std::vector<std::string>> texte;
    try {
        k.anzeige.StatusSetzen(Panel::Aktivitaet, "Lese Projekt");
        k.anzeige.SanduhrSetzen(true);
        DatenbankPruefen(k.projekt);
        // Browsing writes nothing; a read or a save opens the database anew.
        k.projekt.DatenbankOeffnen(DatenbankZugriff::NurLesen);
        // The tree shown stays whole until the new one is: a project that
        // fails half-way leaves the one before.
        Baum baum;
        texte = BaumFuellen(k, baum);
        if (k.z.Opt.ModullisteAufgeklappt)
            for (BaumKnoten& knoten : baum.Knoten())
                knoten.Aufgeklappt = true;
        k.treProjekt = std::move(baum);
    } catch (const std::exception&) {
        texte.reset();
        k.projekt.DatenbankSchliessen();
        k.meldungen.Melden(NichtIntaktText(k.projekt.ProjektPfad()), MeldungsSymbol::Warnung);
        // The "&Neu" that follows offers to save the project the caption
        // calls unsaved. That project lives in the working folder, not in the
        // broken folder an open has just pointed the project at; saving from
        // there would copy the wrong folder and the unsaved project would go
        // with the working folder at the end. Opened again, it is still
        // there to browse should the user cancel that question.
        if (!k.z.TempPfad.empty() && k.projekt.NichtGespeichert) {
            k.projekt.PfadSetzen(k.z.TempPfad);
            try {
                k.projekt.DatenbankOeffnen();
            } catch (const std::exception&) {
            }
        }
    }
    k.anzeige.SanduhrSetzen(false);
    k.anzeige.StatusSetzen(Panel::Aktivitaet, "");
    return texte;
}

} // namespace cb
