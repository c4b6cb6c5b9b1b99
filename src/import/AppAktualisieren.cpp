// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/AppAktualisieren.h"

#include "app/Anzeige.h"
#include "app/Baum.h"
#include "app/Meldungen.h"
#include "app/Zustand.h"
#include "import/AppFenster.h"
#include "import/AppTexte.h"
#include "import/ProjekteAuflisten.h"
#include "store/OffenesProjekt.h"

namespace cb {

namespace {

template <class Schritt> void Versuchen(Schritt&& schritt) {
    try {
        schritt();
    } catch (...) {
        // The refresh is how the user gets back to a known state; one step
        // that fails must not keep the others from running.
    }
}

} // namespace

void AppProjekteAktualisieren(AppKontext& k) {
    Versuchen([&] { k.projekt.DatenbankSchliessen(); });
    Versuchen([&] { k.fenster.ProjektGeladenSetzen(false); });
    Versuchen([&] { k.fenster.ProjektBaumLeeren(); });
    Versuchen([&] { k.fenster.RoutinenAnsichtSchliessen(); });
    Versuchen([&] { k.fenster.AppBaumZeigen(); });
    Versuchen([&] { k.fenster.CodeFensterLeeren(); });
    bool ok = false;
    Versuchen([&] { ok = ProjekteAuflisten(k.z, k.host, k.meldungen, k.treApp); });
    Versuchen([&] { AlleAufklappen(k.treApp); });
    Versuchen([&] { k.fenster.AnsichtZuruecksetzen(); });
    Versuchen([&] {
        if (ok) {
            if (k.treApp.Leer())
                k.fenster.AppHinweisZeigen(KeineProjekteText(k.z.AppName));
        } else if (k.z.AppVersion >= 10) {
            k.fenster.AppHinweisZeigen(ZugriffVerweigertText(k.z.AppName));
        } else {
            k.fenster.AppHinweisZeigen(NichtGeoeffnetText(k.z.AppName));
        }
    });
}

void mnuAnsicht_App_Aktualisieren_Click(AppKontext& k) {
    if (k.projekt.NichtGespeichert) {
        const MeldungsAntwort antwort = k.meldungen.Zeigen(SpeicherFrageText(), MeldungsSymbol::Frage,
                                                           MeldungsKnoepfe::JaNeinAbbrechen, {});
        if (antwort == MeldungsAntwort::Abbrechen)
            return;
        if (antwort == MeldungsAntwort::Ja)
            k.fenster.Speichern();
    }
    k.anzeige.TitelSetzen(k.z.ProgrammTitel);
    k.projekt.NichtGespeichert = false;
    k.fenster.ProjektModusSetzen(0);
    AppProjekteAktualisieren(k);
}

} // namespace cb
