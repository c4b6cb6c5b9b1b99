// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/HtmlAusgabe.h"

#include "BuildInfo.h"
#include "app/Anzeige.h"
#include "app/Baum.h"
#include "app/DateiErsetzen.h"
#include "app/Meldungen.h"
#include "app/Optionen.h"
#include "app/Shell.h"
#include "app/Start.h"
#include "app/Text.h"
#include "app/Zwischenablage.h"
#include "export/ExportKontext.h"
#include "export/Html.h"
#include "export/ModulKopf.h"
#include "render/CodeMarkieren.h"
#include "store/ModulText.h"
#include "store/OffenesProjekt.h"
#include "store/ProjektBaum.h"

#include <exception>
#include <stdexcept>

namespace cb {

namespace {

// The preview file carries no character set; as plain ASCII with numeric
// references it shows the same in every browser and locale.
std::string NurAscii(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            out += text[i++];
            continue;
        }
        std::size_t laenge = 0;
        char32_t cp = CodepunktAn(text, i, laenge);
        out += "&#" + std::to_string(static_cast<std::uint32_t>(cp)) + ";";
        i += laenge;
    }
    return out;
}

// Selection, clipboard and zoom text: coloured on the spot, then as every
// other source.
void HtmlAusText(ExportKontext& k, const std::string& code) {
    try {
        std::string text = ZeilenumbruecheNachCrLf(code);
        CodeMarkieren(k.opt, text);
        HtmlErzeugen(k, text);
        HtmlAusgeben(k, text);
    } catch (const std::exception& e) {
        k.meldungen.Melden(e.what(), MeldungsSymbol::Keins);
    }
}

const BaumKnoten& ModulKnoten(const ExportKontext& k, std::int64_t n) {
    const BaumKnoten* knoten = k.treProjekt.Finden(ModulSchluessel(n));
    if (!knoten)
        throw std::runtime_error("Modul " + std::to_string(n) + " fehlt im Projektbaum");
    return *knoten;
}

} // namespace

std::string HinweisZeile(const std::string& appName) {
    return std::string("<span style=\" font-weight:bold;\"> Code eingef&uuml;gt mit: </span> "
                       "<a style =\"color:#ffff00; background-color:#000080; font-weight:bold;\" href=\"") +
           build::HomePage + "\" target=\"blank\">" + appName + " Code Brindle</a>";
}

void HinweisAnhaengen(const std::string& appName, std::string& html) {
    html += "\r\n<br>" + HinweisZeile(appName);
}

void HtmlErzeugen(ExportKontext& k, std::string& text) {
    k.anzeige.StatusSetzen(Panel::Aktivitaet, "Erzeuge Html Code");
    HtmlErzeugen(k.opt, text);
    k.anzeige.StatusSetzen(Panel::Aktivitaet, "");
}

void HtmlAusgeben(ExportKontext& k, std::string& html) {
    if (k.opt.MeldungNachClip) {
        MeldungsAntwort a =
            k.meldungen.Zeigen("Die Daten sind jetzt für die Zwischenablage vorbereitet \r\n"
                               "und stehen Ihnen nach Schliessen des Dialoges dort zur Verfügung !\r\n\r\n"
                               "Hinweis auf Erstellungsprogramm Hinzufügen ?",
                               MeldungsSymbol::Frage, MeldungsKnoepfe::JaNein, {});
        if (a == MeldungsAntwort::Ja)
            HinweisAnhaengen(k.appName, html);
    }
    k.ablage.Leeren();
    k.ablage.HtmlSetzen(html);
    if (k.opt.VorschauHtml)
        HtmlVorschau(k, html);
}

std::string VorschauDatei(const std::string& vorschauOrdner) {
    return vorschauOrdner + "TempCodeBrindle.htm";
}

// The name is the program's: a link in its place was not the user's doing
// and is replaced, not written through.
bool HtmlVorschau(ExportKontext& k, const std::string& html) {
    std::string datei = VorschauDatei(k.vorschauOrdner);
    try {
        DateiErsetzen(datei,
                      NurAscii("<HTML><HEAD><TITLE>" + k.appName + " Code Brindle</TITLE></HEAD><BODY>" +
                               html + "</Body></HTML>\r\n"),
                      Ziel::Eigen);
    } catch (const std::exception& e) {
        k.meldungen.Melden(e.what(), MeldungsSymbol::Keins);
        return false;
    }
    if (!k.shell.Oeffnen(datei)) {
        k.meldungen.Melden("Vorschau nicht möglich, vermutlich kein IE installiert", MeldungsSymbol::Keins);
        return false;
    }
    return true;
}

std::string HtmlModulText(ExportKontext& k, std::int64_t modulNummer) {
    std::string text = ModulTextLesen(k.projekt.ProjektPfad(), modulNummer);
    HtmlErzeugen(k, text);
    return text;
}

std::string HtmlProjektText(ExportKontext& k) {
    std::string ergebnis;
    for (std::int64_t n = 1; n <= k.projekt.ModulAnzahl(); ++n) {
        const BaumKnoten& knoten = ModulKnoten(k, n);
        std::string text = "\r\n\r\n" + ModulKopfBlock(knoten.Text, knoten.Bild) + "\r\n\r\n" +
                           ModulTextLesen(k.projekt.ProjektPfad(), n);
        HtmlErzeugen(k, text);
        ergebnis += text;
    }
    return ergebnis;
}

void HtmlModul(ExportKontext& k, const std::string& modulSchluessel) {
    std::string html = HtmlModulText(k, ModulNummerAusSchluessel(modulSchluessel));
    HtmlAusgeben(k, html);
}

void HtmlProjekt(ExportKontext& k) {
    std::string html = HtmlProjektText(k);
    HtmlAusgeben(k, html);
}

void mnuHtml_Auswahl_Click(ExportKontext& k, const std::string& auswahl) {
    if (auswahl.empty())
        k.meldungen.Melden("Bitte markieren Sie den gewünschten Text", MeldungsSymbol::Warnung);
    else
        HtmlAusText(k, auswahl);
    k.anzeige.StatusSetzen(Panel::Aktivitaet, "");
}

void mnuHtml_Clipboard_Click(ExportKontext& k) {
    std::string text = k.ablage.TextLesen();
    if (text.empty())
        k.meldungen.Melden("Kein Text in der Zwischenablage", MeldungsSymbol::Information);
    else
        HtmlAusText(k, text);
    k.anzeige.StatusSetzen(Panel::Aktivitaet, "");
}

void mnuPopUp_Zoom_Html_Click(ExportKontext& k, const std::string& zoomText) {
    if (!zoomText.empty())
        HtmlAusText(k, zoomText);
}

void mnuHtml_Modul_Click(ExportKontext& k) {
    try {
        HtmlModul(k, ModulSchluessel(k.aktModulNummer));
    } catch (const std::exception& e) {
        k.anzeige.StatusSetzen(Panel::Aktivitaet, "");
        k.meldungen.Melden(e.what(), MeldungsSymbol::Warnung);
    }
}

void mnuHtml_projekt_Click(ExportKontext& k) {
    try {
        HtmlProjekt(k);
    } catch (const std::exception& e) {
        k.anzeige.StatusSetzen(Panel::Aktivitaet, "");
        k.meldungen.Melden(e.what(), MeldungsSymbol::Warnung);
    }
}

} // namespace cb
