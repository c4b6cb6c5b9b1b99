// SPDX-License-Identifier: GPL-3.0-or-later
#include "projects/InstanzStart.h"

#include "app/Meldungen.h"
#include "app/Zustand.h"
#include "projects/Arbeitsbereich.h"
#include "projects/DateiListen.h"
#include "projects/InstanzSperre.h"
#include "projects/ProjektKontext.h"
#include "projects/ZuletztListe.h"
#include "settings/Optionen.h"
#include "store/OffenesProjekt.h"

#include <utility>
#include <vector>

namespace cb {

namespace {

// Keeps messages until the start lock is given up: a message box waiting
// for the user must not hold other instances' start-up back.
class AufgeschobeneMeldungen final : public Meldungen {
public:
    MeldungsAntwort Zeigen(const std::string& text, MeldungsSymbol symbol, MeldungsKnoepfe,
                           const std::string&) override {
        m_texte.emplace_back(text, symbol);
        return MeldungsAntwort::Ok;
    }
    void Weitergeben(Meldungen& an) {
        for (const auto& [text, symbol] : m_texte)
            an.Melden(text, symbol);
    }

private:
    std::vector<std::pair<std::string, MeldungsSymbol>> m_texte;
};

} // namespace

void InstanzStarten(Zustand& z, OffenesProjekt& projekt, EinstellungsSpeicher& einstellungen,
                    Meldungen& meldungen, ZuletztMenue& zuletzt, InstanzSperre& sperre) {
    std::string bereich = z.Arbeitsbereich;
    AufgeschobeneMeldungen spaeter;
    {
        // Checking, cleaning and creating run for one starting instance at
        // a time, or a second one could lose its new folder to the first's
        // clean-up.
        StartSperre start(bereich);
        if (!AndereInstanzLaeuft(bereich)) {
            if (IstVerweis(bereich))
                spaeter.Melden("Der Arbeitsbereich " + bereich +
                                   "\r\nist ein symbolischer Verweis und wird nicht aufgeräumt.",
                               MeldungsSymbol::Warnung);
            ArbeitsbereichAufraeumen(z);
            VerwaisteSperrenEntfernen(bereich);
        }
        ZuletztLaden(z.EinstellungsName, einstellungen, zuletzt);
        OptionenLaden(z.Opt, einstellungen, z.EinstellungsName);
        projekt.PfadSetzen(bereich);
        ArbeitsordnerAnlegen(z, projekt, spaeter, sperre);
        z.TempPfad = projekt.ProjektPfad();
    }
    spaeter.Weitergeben(meldungen);
}

void InstanzStarten(ProjektKontext& k, InstanzSperre& sperre) {
    InstanzStarten(k.z, k.projekt, k.einstellungen, k.meldungen, k.zuletzt, sperre);
}

void InstanzBeenden(const Zustand& z, OffenesProjekt& projekt, InstanzSperre& sperre) noexcept {
    ArbeitsordnerEntfernen(z, projekt, sperre);
}

void InstanzBeenden(ProjektKontext& k, InstanzSperre& sperre) noexcept {
    InstanzBeenden(k.z, k.projekt, sperre);
}

} // namespace cb
