// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Befehle.h"

#include "cli/Argumente.h"
#include "cli/BefehlListe.h"
#include "cli/ExportBefehle.h"
#include "cli/ProjektBefehle.h"

#include "app/Start.h"
#include "app/Text.h"
#include "app/Zustand.h"
#include "export/Html.h"
#include "render/CodeMarkieren.h"
#include "render/Rtf.h"
#include "settings/Optionen.h"

#include <exception>
#include <istream>
#include <ostream>

namespace cb::cli {

namespace {

const char* const Gebrauch = "usage: codebrindle-cli COMMAND [ARGS] [--option KEY=VALUE]...\n"
                             "\n"
                             "commands:\n"
                             "  rtf -    colour VBA code from standard input, write the RTF document\n"
                             "  html -   colour VBA code from standard input, write the HTML fragment\n"
                             "  list FILE...\n"
                             "           list the VBA projects of workbook files and their modules\n"
                             "  read --out DIR [--codepage N] FILE...\n"
                             "           build the project folder DIR from a .vbp file or from module\n"
                             "           files (.bas .cls .frm); N is the code page of files that are\n"
                             "           not UTF-8 (default 1252)\n"
                             "  read --out DIR [--project N] [--module NAME]... WORKBOOK...\n"
                             "           build DIR from the N-th listed VBA project of the workbooks\n"
                             "           (default 1), from the modules named (default all listed)\n"
                             "  outline DIR\n"
                             "           write the structure listing of the project in DIR (CR LF lines)\n"
                             "  callers DIR ROUTINE --module NAME\n"
                             "           list the routines that call ROUTINE, seen from module NAME\n"
                             "  definition DIR NAME --module NAME\n"
                             "           write the module and line that NAME jumps to from module NAME\n"
                             "  html DIR [--module NAME] [--credit]\n"
                             "           write the HTML of module NAME or of the whole project in DIR,\n"
                             "           with the credit line on request\n"
                             "  rtf DIR [--module NAME] --out FILE\n"
                             "           write the RTF file of module NAME or of the whole project\n"
                             "  text DIR --module NAME\n"
                             "           write the text of module NAME as the code pane shows it\n"
                             "\n"
                             "options (values as the settings store writes them; booleans -1 or 0):\n"
                             "  fkey fkom fstr  keyword, comment, string colour (red in the low byte)\n"
                             "  rouf einr rer rle leer  bold routines, indent, indent bodies,\n"
                             "                  empty line before routines, remove empty lines\n"
                             "  tab             tab stop width in mm\n"
                             "  font            NAME,SIZE\n";

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
            fehler << "codebrindle-cli: wrong arguments for '" << aufruf.befehl << "'\n\n" << Gebrauch;
            return 2;
        }
        aus.flush();
        if (!aus) {
            fehler << "codebrindle-cli: cannot write the output\n";
            return 1;
        }
        return rc;
    } catch (const std::exception& e) {
        fehler << "codebrindle-cli: " << e.what() << "\n";
        return 1;
    }
}

} // namespace cb::cli
