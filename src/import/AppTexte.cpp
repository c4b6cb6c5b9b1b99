// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/AppTexte.h"

#include "app/Text.h"

#include <initializer_list>

namespace cb {

namespace {

std::string Zeilen(std::initializer_list<const char*> zeilen) {
    std::string text;
    bool erste = true;
    for (const char* z : zeilen) {
        if (!erste)
            text += "\r\n";
        text += z;
        erste = false;
    }
    return text;
}

} // namespace

std::string MitAppName(const std::string& text, const std::string& appName) {
    static constexpr std::string_view Wort = "Excel";
    std::string ergebnis;
    std::size_t von = 0;
    for (;;) {
        const std::size_t rest = TextSuche(std::string_view(text).substr(von), Wort);
        if (rest == std::string_view::npos)
            break;
        ergebnis.append(text, von, rest);
        ergebnis += appName;
        von += rest + Wort.size();
    }
    ergebnis.append(text, von);
    return ergebnis;
}

std::string NichtGeoeffnetText(const std::string& appName) {
    return MitAppName(
        Zeilen({"Excel ist im Moment nicht geöffnet. Es können daher keine Projekte aus Excel angezeigt "
                "werden. ",
                "", "Bitte öffnen Sie Excel und öffnen Sie die Mappe, deren Code Sie einlesen möchten !",
                "Klicken Sie danach auf Aktualisieren Excel Projekte.", "", "",
                "Alternativ können Sie über Öffnen Projekte einlesen, die mit Code Brindle erzeugt wurden."}),
        appName);
}

std::string KeineProjekteText(const std::string& appName) {
    return MitAppName(
        Zeilen({"Excel ist zwar im Moment geöffnet, aber es gibt keine auslesbaren Projekte.", "",
                "Bitte öffnen Sie in Excel die Datei, deren Code Sie einlesen möchten und klicken Sie danach "
                "auf "
                "Aktualisieren Excel Projekte.",
                "",
                "Alternativ können Sie über Öffnen Projekte einlesen, die mit Code Brindle erzeugt wurden.",
                ""}),
        appName);
}

std::string MappenOeffnenText() {
    return Zeilen(
        {"Arbeitsmappen öffnen Sie in Code Brindle selbst: über Datei - Arbeitsmappen öffnen ... "
         "(Strg+M), indem Sie sie auf dieses Feld ziehen, oder beim Start mit codebrindle Mappe.xlsm."});
}

std::string ZugriffVerweigertText(const std::string& appName) {
    return "Sie benutzen " + appName + "XP.\r\n" +
           "Ihre Anwendung ist zwar geöffnet, aber der Zugriff wird verweigert.\r\n" +
           "Dies können Sie ändern, indem Sie in " + appName +
           " bei Extras - Makro - Sicherheit -vertrauenswürdige Quellen\r\n" +
           "den Zugriff auf VBA-Projekte vertrauen anhaken.\r\n" +
           "Lesen Sie dazu unbedingt auch in der Hilfe die Informationen zu Office XP\r\n" + "\r\n" +
           "Klicken Sie nachdem Sie die Einstellungen vorgenommen haben auf Aktualisieren";
}

std::string EinleseFehlerText() {
    return Zeilen({"Fehler beim Einlesen !",
                   "Dies kann mehrere Ursachen haben:", "1. Die Mappe mit dem Modul ist nicht mehr geöffnet.",
                   "2. Im Code sind Konstrukte, die die Codebrindle nicht auslesen kann, z.B.  spezielle "
                   "Doppelpunktonstrukte",
                   "in der Art, ", "Private Sub Test : End Sub",
                   "(Also Deklaration Sub und  End Sub in einer Zeile)",
                   "3. Syntaktisch nicht korrekter Code (Sollte dann auch im Editior rot sein)", "",
                   "Siehe auch mögliche Fehler in der Hilfe"});
}

std::string SpeicherFrageText() {
    return "Projekt wurde nicht gespeichert !\r\nProjekt jetzt speichern ?";
}

std::string AppHinweisText(bool aufgelistet, bool leer, const std::string& appName, double appVersion) {
    // Here the program itself holds the workbooks: the two hints that ask
    // for one say how to open it.
    const std::string mappen = "\r\n\r\n" + MappenOeffnenText();
    if (aufgelistet)
        return leer ? KeineProjekteText(appName) + mappen : std::string();
    return appVersion >= 10 ? ZugriffVerweigertText(appName) : NichtGeoeffnetText(appName) + mappen;
}

} // namespace cb
