// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/TextAusgabe.h"

#include "app/Ersetzen.h"
#include "app/Marken.h"
#include "app/Meldungen.h"
#include "app/Optionen.h"
#include "app/Zwischenablage.h"
#include "export/ExportKontext.h"

namespace cb {

namespace {

void TextNachAblage(ExportKontext& k, const std::string& text) {
    k.ablage.Leeren();
    k.ablage.TextSetzen(text);
    if (k.opt.MeldungNachClip)
        k.meldungen.Melden("Text in Zwischenablage", MeldungsSymbol::Information);
}

} // namespace

std::string AnzeigeText(std::string markiert) {
    // The markers in the order the pane's RTF replaces them
    for (std::string_view m :
         {MarkeNormal, MarkeKommentar, MarkeSchluessel, MarkeString, MarkeFettAn, MarkeFettAus})
        AllesErsetzen(markiert, m, "");
    return markiert;
}

void mnuText_Auswahl_Click(ExportKontext& k, const std::string& auswahl) {
    if (auswahl.empty()) {
        k.meldungen.Melden("Bitte markieren Sie den gewünschten Text", MeldungsSymbol::Warnung);
        return;
    }
    TextNachAblage(k, auswahl);
}

void mnuText_Modul_Click(ExportKontext& k, const std::string& modulText) {
    if (!modulText.empty())
        TextNachAblage(k, modulText);
}

void mnuExtras_ClearClip_Click(ExportKontext& k) {
    k.ablage.Leeren();
}

} // namespace cb
