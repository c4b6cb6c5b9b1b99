// SPDX-License-Identifier: GPL-3.0-or-later
#include "projects/ProjektDateien.h"

#include "app/Allgemein.h"
#include "app/Anzeige.h"
#include "app/Baum.h"
#include "app/Dialoge.h"
#include "app/Meldungen.h"
#include "app/Start.h"
#include "app/Zustand.h"
#include "projects/Arbeitsbereich.h"
#include "projects/DateiListen.h"
#include "projects/OrdnerKopieren.h"
#include "projects/ProjektAnzeigen.h"
#include "projects/ProjektKontext.h"
#include "store/DatenbankDatei.h"
#include "store/OffenesProjekt.h"

#include <exception>
#include <filesystem>
#include <system_error>

namespace cb {

namespace fs = std::filesystem;

namespace {

bool IstProjekt(const std::string& ordner) {
    std::error_code ec;
    return fs::is_regular_file(ordner + DatenbankDateiName, ec);
}

void GespeichertZeigen(ProjektKontext& k, const std::string& ordner) {
    k.anzeige.TitelSetzen(k.z.ProgrammTitel + " Projekt: " + OrdnerNameVon(ordner));
    k.projekt.NichtGespeichert = false;
}

// A save copies ProjektPfad; a folder without a database holds no project,
// and copying it would replace a target with nothing usable.
bool OhneProjekt(ProjektKontext& k) {
    if (IstProjekt(k.projekt.ProjektPfad()))
        return false;
    k.meldungen.Melden("In " + k.projekt.ProjektPfad() + "\r\nliegt kein Projekt (" + DatenbankDateiName +
                           " fehlt).\r\nEs wurde nichts gespeichert.",
                       MeldungsSymbol::Warnung);
    return true;
}

bool SelberOrdner(const std::string& a, const std::string& b) {
    std::error_code ec;
    return fs::exists(a, ec) && fs::exists(b, ec) && fs::equivalent(a, b, ec);
}

// The base folder and the name of the target; "" when the user gave none.
std::string ZielErfragen(ProjektKontext& k) {
    std::error_code ec;
    std::string basis;
    if (k.z.Opt.StandardImmer && fs::is_directory(k.z.ProjektOrdner, ec))
        basis = k.z.ProjektOrdner;
    else
        basis = k.dialoge.OrdnerWaehlen("Bitte Projektpfad auswählen", k.z.ProjektOrdner);
    if (basis.empty())
        return {};
    basis = MitTrenner(basis);
    std::string name = k.dialoge.EingabeFeld("Bitte Projektnamen angeben", "Projektname", k.treApp.Tag);
    DateinameBereinigen(name);
    // "." and ".." would name the base folder or the one above it
    if (name.empty() || name == "." || name == "..")
        return {};
    return basis + name + Trenner;
}

// Reasons not to save into the target at all, before anything is asked.
bool ZielAbgelehnt(ProjektKontext& k, const std::string& ziel) {
    if (SelberOrdner(ziel, k.projekt.ProjektPfad())) {
        k.meldungen.Melden("Das Projekt liegt bereits in\r\n" + ziel +
                               "\r\nBitte wählen Sie einen anderen Ordner oder Namen.",
                           MeldungsSymbol::Warnung);
        return true;
    }
    // The working area is emptied at the end of the program.
    if (!k.z.TempPfad.empty() && LiegtUnter(ziel, ArbeitsbereichVon(k.z))) {
        k.meldungen.Melden("Im Arbeitsbereich\r\n" + ArbeitsbereichVon(k.z) +
                               "\r\nkann kein Projekt gespeichert werden.",
                           MeldungsSymbol::Warnung);
        return true;
    }
    return false;
}

bool Ueberschreiben(ProjektKontext& k, const std::string& ziel) {
    return k.meldungen.Zeigen("Ein Projekt:\r\n" + ziel + "\r\nexistiert schon\r\nÜberschreiben ?",
                              MeldungsSymbol::Frage, MeldungsKnoepfe::JaNein, {}) == MeldungsAntwort::Ja;
}

// Copies the project into the target; false after the message when that failed.
bool Kopieren(ProjektKontext& k, const std::string& ziel, bool vorhanden) {
    std::error_code ec;
    try {
        if (vorhanden) {
            OrdnerErsetzen(k.projekt.ProjektPfad(), ziel);
        } else {
            if (!fs::create_directory(ziel, ec) || ec)
                throw std::runtime_error("Ordner nicht anlegbar: " + ziel + ": " +
                                         (ec ? ec.message() : std::string("besteht schon")));
            try {
                OrdnerKopieren(k.projekt.ProjektPfad(), ziel);
            } catch (...) {
                fs::remove_all(ziel, ec); // only what this save made
                throw;
            }
        }
        return true;
    } catch (const ErsetzenFehler& e) {
        std::string text = "Das Projekt konnte nicht gespeichert werden:\r\n" + std::string(e.what());
        if (e.Rest().empty()) {
            text += "\r\nDas vorhandene Projekt in " + ziel + " ist unverändert.";
        } else {
            text += "\r\nDas vorhandene Projekt liegt jetzt ganz oder zum Teil in:";
            for (const std::string& ort : e.Rest())
                text += "\r\n" + ort;
        }
        k.meldungen.Melden(text, MeldungsSymbol::Warnung);
        return false;
    } catch (const std::exception& e) {
        k.meldungen.Melden("Das Projekt konnte nicht gespeichert werden:\r\n" + std::string(e.what()),
                           MeldungsSymbol::Warnung);
        return false;
    }
}

} // namespace

DateiErgebnis ProjektOeffnen(ProjektKontext& k, const std::string& ordner) {
    // The working area holds only working copies, this instance's and
    // others': opened as a saved project, one would be emptied by the next
    // save or at the end of its instance.
    if (!k.z.TempPfad.empty() && LiegtUnter(ordner, ArbeitsbereichVon(k.z))) {
        k.meldungen.Melden("Im Arbeitsbereich\r\n" + ArbeitsbereichVon(k.z) +
                               "\r\nliegen nur Arbeitskopien. Bitte öffnen Sie ein gespeichertes Projekt.",
                           MeldungsSymbol::Warnung);
        return {};
    }
    k.projekt.DatenbankSchliessen();
    k.projekt.PfadSetzen(ordner);
    // A project that cannot be shown is not put into the recent list, and
    // the view goes back without a project instead of claiming a saved one.
    auto texte = ProjektLaden(k);
    if (!texte)
        return {DateiAusgang::Verloren, {}};
    ZuletztEintragen(k.z.EinstellungsName, k.einstellungen, k.zuletzt, ordner);
    k.treApp.Tag = OrdnerNameVon(ordner);
    GespeichertZeigen(k, ordner);
    return {DateiAusgang::Gezeigt, std::move(*texte)};
}

DateiErgebnis mnuOeffnen_Click(ProjektKontext& k) {
    std::string ordner = k.dialoge.OrdnerWaehlen("Bitte Projekt auswählen", k.z.ProjektOrdner);
    if (ordner.empty())
        return {};
    ordner = MitTrenner(ordner);
    if (!IstProjekt(ordner)) {
        k.meldungen.Melden("Kein Gültiges Projekt", MeldungsSymbol::Warnung);
        return {};
    }
    return ProjektOeffnen(k, ordner);
}

DateiErgebnis mnuOpenIndex_Click(ProjektKontext& k, std::size_t index) {
    if (index >= k.zuletzt.size() || !k.zuletzt[index].Sichtbar || k.zuletzt[index].Tag.empty())
        return {};
    // A copy, as the list is rewritten on the way. Entries written by hand
    // or by other versions may lack the final separator that every folder
    // path here ends with.
    std::string ordner = MitTrenner(k.zuletzt[index].Tag);
    return ProjektOeffnen(k, ordner);
}

DateiAusgang mnuSpeichern_Click(ProjektKontext& k) {
    if (OhneProjekt(k))
        return DateiAusgang::Unveraendert;
    std::string ziel = ZielErfragen(k);
    if (ziel.empty() || ZielAbgelehnt(k, ziel))
        return DateiAusgang::Unveraendert;
    std::error_code ec;
    bool vorhanden = fs::exists(ziel, ec);
    if (vorhanden && !Ueberschreiben(k, ziel))
        return DateiAusgang::Unveraendert;
    if (OhneProjekt(k)) // gone while the questions were open
        return DateiAusgang::Unveraendert;

    k.projekt.DatenbankSchliessen();
    if (!Kopieren(k, ziel, vorhanden)) {
        try {
            k.projekt.DatenbankOeffnen(); // the project goes on where it was
        } catch (const std::exception&) {
        }
        return DateiAusgang::Unveraendert;
    }
    // Removes the working copy of a project read from the host; a saved
    // source project lies outside the working area and stays.
    TempDateienLeeren(k.z, k.projekt.ProjektPfad());
    k.projekt.PfadSetzen(ziel);
    try {
        k.projekt.DatenbankOeffnen();
    } catch (const std::exception&) {
        k.meldungen.Melden(NichtIntaktText(k.projekt.ProjektPfad()), MeldungsSymbol::Warnung);
        return DateiAusgang::Verloren;
    }
    ZuletztEintragen(k.z.EinstellungsName, k.einstellungen, k.zuletzt, ziel);
    GespeichertZeigen(k, ziel);
    return DateiAusgang::Gezeigt;
}

} // namespace cb
