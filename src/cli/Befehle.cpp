// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Befehle.h"

#include "cli/Argumente.h"
#include "cli/BefehlListe.h"
#include "cli/ExportBefehle.h"
#include "cli/FehlerAusgabeMeldungen.h"
#include "cli/ProjektBefehle.h"
#include "cli/ProjektZugang.h"

#include "app/Start.h"
#include "app/Text.h"
#include "app/Zustand.h"
#include "export/Html.h"
#include "render/CodeMarkieren.h"
#include "render/Rtf.h"
#include "settings/Optionen.h"
#include "store/DatenbankFehler.h"

#include <algorithm>
#include <exception>
#include <istream>
#include <ostream>

namespace cb::cli {

namespace {

const char* const Gebrauch =
    "Aufruf: codebrindle-cli BEFEHL [ARGUMENTE] [--option SCHLÜSSEL=WERT]...\n"
    "\n"
    "Befehle:\n"
    "  rtf -    färbt VBA-Code von der Standardeingabe und schreibt das RTF-Dokument\n"
    "  html -   färbt VBA-Code von der Standardeingabe und schreibt das HTML-Fragment\n"
    "  list MAPPE...\n"
    "           listet die VBA-Projekte von Arbeitsmappen mit ihren Modulen auf\n"
    "  read --out ORDNER [--codepage N] DATEI...\n"
    "           legt den Projektordner ORDNER aus einer .vbp-Datei oder aus\n"
    "           Moduldateien (.bas .cls .frm) an; N ist die Codepage der Dateien,\n"
    "           die nicht UTF-8 sind (Vorgabe 1252)\n"
    "  read --out ORDNER [--project N] [--module MODUL]... MAPPE...\n"
    "           legt ORDNER aus dem N-ten aufgelisteten VBA-Projekt der Mappen an\n"
    "           (Vorgabe 1), aus den genannten Modulen (Vorgabe: alle aufgelisteten)\n"
    "  outline ORDNER\n"
    "           schreibt die Strukturliste des Projekts in ORDNER (Zeilen mit CR LF)\n"
    "  callers ORDNER ROUTINE --module MODUL\n"
    "           listet die Routinen auf, die ROUTINE aufrufen, von MODUL aus gesehen\n"
    "  definition ORDNER NAME --module MODUL\n"
    "           schreibt Modul und Zeile, zu denen NAME von MODUL aus springt\n"
    "  html ORDNER [--module MODUL] [--credit]\n"
    "           schreibt das HTML von MODUL oder des ganzen Projekts in ORDNER,\n"
    "           auf Wunsch mit der Zeile \"Code eingefügt mit\"\n"
    "  rtf ORDNER [--module MODUL] --out DATEI\n"
    "           schreibt die RTF-Datei von MODUL oder des ganzen Projekts\n"
    "  text ORDNER --module MODUL\n"
    "           schreibt den Text von MODUL, wie ihn das Codefenster zeigt\n"
    "\n"
    "Optionsschlüssel (Werte, wie die Einstellungen sie speichern; ein = -1, aus = 0):\n"
    "  fkey fkom fstr  Schlüsselwort-, Kommentar-, Stringfarbe (Rot im niedrigsten Byte)\n"
    "  rouf einr rer rle leer  Routinen fett, Einrücken, zwischen Routinen einrücken,\n"
    "                  Leerzeile vor Routinen einfügen, Leerzeilen entfernen\n"
    "  tab             Tabstops in mm\n"
    "  font            NAME,GRÖSSE der Schrift\n";

const std::vector<std::string> BefehlsNamen = {"rtf",  "html",    "text",    "list",
                                               "read", "outline", "callers", "definition"};

// Code from standard input as the core takes it: UTF-8 (or Windows-1252
// when it is not valid UTF-8) with CR LF line breaks.
std::string CodeLesen(std::istream& ein) {
    // In blocks: standard input synchronised with stdio hands out one
    // character per call otherwise.
    std::string bytes;
    char block[1 << 16];
    while (ein.read(block, sizeof block) || ein.gcount() > 0)
        bytes.append(block, static_cast<std::size_t>(ein.gcount()));
    return ZeilenumbruecheNachCrLf(TextAusBytes(bytes));
}

int Rtf(const Zustand& z, std::istream& ein, std::ostream& aus) {
    std::string code = CodeLesen(ein);
    CodeMarkieren(z.Opt, code);
    MarkenNachRtf(z.Opt, code);
    RtfDokumentBilden(z.Opt, code);
    aus << RtfBytes(code);
    return 0;
}

int Html(const Zustand& z, std::istream& ein, std::ostream& aus) {
    std::string code = CodeLesen(ein);
    CodeMarkieren(z.Opt, code);
    HtmlErzeugen(z.Opt, code);
    aus << code;
    return 0;
}

// The commands that open the project folder named first.
bool AufProjekt(const Aufruf& aufruf) {
    if (aufruf.positionen.empty() || aufruf.positionen[0] == "-")
        return false;
    for (const char* befehl : {"outline", "callers", "definition", "html", "rtf", "text"})
        if (aufruf.befehl == befehl)
            return true;
    return false;
}

} // namespace

int Ausfuehren(const std::vector<std::string>& argumente, std::istream& ein, std::ostream& aus,
               std::ostream& fehler) {
    if (argumente.size() == 1 &&
        (argumente[0] == "--help" || argumente[0] == "-h" || argumente[0] == "help")) {
        aus << Gebrauch;
        return 0;
    }
    Aufruf aufruf;
    try {
        aufruf = Zerlegen(argumente, {"out", "codepage", "module", "project"}, {"credit"});
    } catch (const FalscherAufruf& e) {
        fehler << "codebrindle-cli: " << e.what() << "\n\n" << Gebrauch;
        return 2;
    }
    try {
        Zustand z;
        StandardWerteSetzen(z);
        for (const auto& [schluessel, wert] : aufruf.optionen)
            OptionSetzen(z.Opt, schluessel, wert);
        int rc = 2;
        if (aufruf.befehl == "rtf" && aufruf.positionen == std::vector<std::string>{"-"})
            rc = Rtf(z, ein, aus);
        else if (aufruf.befehl == "html" && aufruf.positionen == std::vector<std::string>{"-"})
            rc = Html(z, ein, aus);
        else if (aufruf.befehl == "rtf")
            rc = RtfExport(z, aufruf, aus, fehler);
        else if (aufruf.befehl == "html")
            rc = HtmlExport(z, aufruf, aus, fehler);
        else if (aufruf.befehl == "text")
            rc = TextExport(z, aufruf, aus, fehler);
        else if (aufruf.befehl == "list" && !aufruf.positionen.empty())
            rc = Liste(z, aufruf.positionen, aus, fehler);
        else if (aufruf.befehl == "read")
            rc = Lesen(z, aufruf, aus, fehler);
        else if (aufruf.befehl == "outline")
            rc = Struktur(aufruf, aus, fehler);
        else if (aufruf.befehl == "callers")
            rc = Aufrufe(aufruf, aus, fehler);
        else if (aufruf.befehl == "definition")
            rc = Definition(aufruf, aus, fehler);
        if (rc == 2) {
            if (std::find(BefehlsNamen.begin(), BefehlsNamen.end(), aufruf.befehl) == BefehlsNamen.end())
                fehler << "codebrindle-cli: unbekannter Befehl '" << aufruf.befehl << "'\n\n" << Gebrauch;
            else
                fehler << "codebrindle-cli: falsche Argumente für '" << aufruf.befehl << "'\n\n" << Gebrauch;
            return 2;
        }
        aus.flush();
        if (!aus) {
            fehler << "codebrindle-cli: die Ausgabe kann nicht geschrieben werden\n";
            return 1;
        }
        return rc;
    } catch (const DatenbankFehler& e) {
        // A table that fails once the project is open (damaged, or a query
        // stopped at its bound) is the same broken project as one that
        // does not open.
        if (AufProjekt(aufruf)) {
            FehlerAusgabeMeldungen(fehler).Melden(NichtIntaktMeldung(ProjektOrdner(aufruf.positionen[0])),
                                                  MeldungsSymbol::Warnung);
            return 1;
        }
        fehler << "codebrindle-cli: " << e.what() << "\n";
        return 1;
    } catch (const std::exception& e) {
        fehler << "codebrindle-cli: " << e.what() << "\n";
        return 1;
    }
}

} // namespace cb::cli
