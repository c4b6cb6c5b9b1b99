// SPDX-License-Identifier: GPL-3.0-or-later
#include "steuerung/RtfBefehle.h"

#include "app/Anzeige.h"
#include "export/ExportKontext.h"
#include "export/RtfAusgabe.h"
#include "projects/SpeichernUnter.h"

#include <filesystem>
#include <system_error>

namespace cb {

namespace {

// The chooser starts where the program was started, as a file dialog of
// the desktop would.
std::string AktuellerOrdner() {
    std::error_code ec;
    std::filesystem::path p = std::filesystem::current_path(ec);
    return ec ? std::string() : p.string();
}

} // namespace

void mnuRtf_Modul_Click(ExportKontext& k, Dialoge& dialoge, const std::string& modulName) {
    std::string pfad =
        SpeichernUnter(dialoge, k.meldungen, "RTF-Dokument:RTF;", "RTF", AktuellerOrdner(), modulName);
    if (!pfad.empty())
        RtfModul(k, RtfDateiPfad(pfad));
}

void mnuRtf_Projekt_Click(ExportKontext& k, Dialoge& dialoge, const std::string& projektName) {
    std::string pfad =
        SpeichernUnter(dialoge, k.meldungen, "RTF-Dokument:RTF;", "RTF", AktuellerOrdner(), projektName);
    if (!pfad.empty())
        RtfProjekt(k, RtfDateiPfad(pfad));
}

} // namespace cb
