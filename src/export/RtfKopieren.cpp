// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/RtfKopieren.h"

#include "app/Meldungen.h"
#include "app/Optionen.h"
#include "app/Text.h"
#include "app/Zwischenablage.h"
#include "export/ExportKontext.h"
#include "export/TextAusgabe.h"
#include "render/CodeAnsicht.h"
#include "render/Rtf.h"

namespace cb {

namespace {

void RtfNachAblage(ExportKontext& k, const std::string& markiert) {
    std::string dokument = markiert;
    MarkenNachRtf(k.opt, dokument);
    RtfDokumentBilden(k.opt, dokument);
    k.ablage.Leeren();
    k.ablage.RtfSetzen(RtfBytes(dokument), AnzeigeText(markiert));
}

} // namespace

void mnuBearbeiten_Kopieren_Modul_Click(ExportKontext& k, bool zoomModus,
                                        const std::string& markierterModulText) {
    if (zoomModus) {
        k.meldungen.Melden("Steht im Zoom Modus nicht zur Verfügung", MeldungsSymbol::Information);
        return;
    }
    RtfNachAblage(k, markierterModulText);
}

void mnuBearbeiten_Kopieren_Auswahl_Click(ExportKontext& k, const CodeAnsicht& code, std::size_t anfang,
                                          std::size_t laenge) {
    if (laenge == 0)
        return;
    std::string dokument = AnsichtNachRtf(code, anfang, laenge);
    RtfDokumentBilden(k.opt, dokument);
    const std::size_t von = BytePosition(code.Text, anfang);
    std::string text = code.Text.substr(von, BytePosition(code.Text, anfang + laenge) - von);
    k.ablage.Leeren();
    k.ablage.RtfSetzen(RtfBytes(dokument), ZeilenumbruecheNachCrLf(text));
}

void mnuPopUp_Zoom_Copy_Click(ExportKontext& k, const std::string& markierterZoomText) {
    RtfNachAblage(k, markierterZoomText);
}

} // namespace cb
