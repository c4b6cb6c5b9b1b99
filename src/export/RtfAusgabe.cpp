// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/RtfAusgabe.h"

#include "app/Anzeige.h"
#include "app/Baum.h"
#include "app/DateiErsetzen.h"
#include "app/Meldungen.h"
#include "app/Optionen.h"
#include "export/ExportKontext.h"
#include "export/ModulKopf.h"
#include "render/Rtf.h"
#include "store/ModulText.h"
#include "store/OffenesProjekt.h"
#include "store/ProjektBaum.h"

#include <exception>
#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace cb {

namespace {

template <typename Dokument>
bool RtfSchreiben(ExportKontext& k, const std::string& pfad, const char* vorgang, Dokument dokument) {
    k.anzeige.StatusSetzen(Panel::Aktivitaet, vorgang);
    k.anzeige.SanduhrSetzen(true);
    bool ok = true;
    try {
        DateiErsetzen(pfad, RtfBytes(dokument()));
    } catch (const std::exception& e) {
        ok = false;
        k.meldungen.Melden(e.what(), MeldungsSymbol::Keins);
    }
    k.anzeige.SanduhrSetzen(false);
    k.anzeige.StatusSetzen(Panel::Aktivitaet, "");
    return ok;
}

} // namespace

std::string RtfModulDokument(const Optionen& o, const OffenesProjekt& projekt, std::int64_t modulNummer) {
    std::string text = ModulTextLesen(projekt.ProjektPfad(), modulNummer);
    MarkenNachRtf(o, text);
    RtfDokumentBilden(o, text);
    return text;
}

std::string RtfProjektDokument(ExportKontext& k) {
    std::string body;
    for (std::int64_t n = 1; n <= k.projekt.ModulAnzahl(); ++n) {
        const BaumKnoten* knoten = k.treProjekt.Finden(ModulSchluessel(n));
        if (!knoten)
            throw std::runtime_error("Modul " + std::to_string(n) + " fehlt im Projektbaum");
        std::string text = "\r\n\r\n" + ModulKopfBlock(knoten->Text, knoten->Bild) + "\r\n\r\n" +
                           ModulTextLesen(k.projekt.ProjektPfad(), n);
        MarkenNachRtf(k.opt, text);
        body += text;
    }
    RtfDokumentBilden(k.opt, body);
    return body;
}

bool RtfModul(ExportKontext& k, const std::string& pfad) {
    return RtfSchreiben(k, pfad, "Erzeuge RTF-Modul",
                        [&] { return RtfModulDokument(k.opt, k.projekt, k.aktModulNummer); });
}

bool RtfProjekt(ExportKontext& k, const std::string& pfad) {
    return RtfSchreiben(k, pfad, "Erzeuge RTF-Projekt", [&] { return RtfProjektDokument(k); });
}

std::string RtfDateiPfad(const std::string& gewaehlt) {
    std::string name = std::filesystem::path(gewaehlt).filename().string();
    if (name.size() >= 4 && name[name.size() - 4] == '.')
        return gewaehlt.substr(0, gewaehlt.size() - 3) + "RTF";
    return gewaehlt + ".RTF";
}

} // namespace cb
