// SPDX-License-Identifier: GPL-3.0-or-later
// read --out DIR [--codepage N] FILE...: a project folder built from the
// files given. Each kind of input has its own reader below; the command
// sorts the inputs by kind and hands them to it.
#include "cli/ProjektBefehle.h"

#include "cli/Argumente.h"
#include "cli/BefehlListe.h"
#include "cli/FehlerAusgabeMeldungen.h"
#include "cli/LeseOrdner.h"
#include "cli/ProjektZugang.h"

#include "app/Allgemein.h"
#include "app/Anzeige.h"
#include "app/Start.h"
#include "app/Text.h"
#include "app/Zustand.h"
#include "import/MappenEinlesen.h"
#include "import/vb/VbAnwendungsBaum.h"
#include "import/vb/VbProjektEinlesen.h"
#include "store/DatenbankDatei.h"
#include "store/OffenesProjekt.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <system_error>

namespace cb::cli {

namespace {

namespace fs = std::filesystem;

enum class EingabeArt { Vbp, ModulDatei, Arbeitsmappe, Unbekannt };

// PowerPoint 97-2003 files (.ppt .pps .pot) go to the workbook reader too:
// it refuses them, and read then says of them what list says.
bool IstArbeitsmappe(const std::string& endung) {
    for (const char* e : {".xlsm", ".xlsb", ".xltm", ".xlam", ".xls", ".xla", ".xlt", ".docm", ".dotm",
                          ".pptm", ".doc", ".bin", ".ppt", ".pps", ".pot"})
        if (endung == e)
            return true;
    return false;
}

EingabeArt ArtVon(const std::string& pfad) {
    const std::string endung = KleinGefaltet(fs::path(pfad).extension().string());
    if (endung == ".vbp")
        return EingabeArt::Vbp;
    if (IstArbeitsmappe(endung))
        return EingabeArt::Arbeitsmappe;
    if (ModulTypNachEndung(pfad))
        return EingabeArt::ModulDatei;
    return EingabeArt::Unbekannt;
}

std::optional<int> CodepageAus(const std::optional<std::string>& wert) {
    if (!wert)
        return StandardCodepage;
    int cp = 0;
    auto [ende, fehler] = std::from_chars(wert->data(), wert->data() + wert->size(), cp);
    if (fehler != std::errc() || ende != wert->data() + wert->size() || cp <= 0)
        return std::nullopt;
    // Asked before anything is read, so that an unknown code page is a
    // wrong argument and not a module that cannot be read.
    try {
        CodepageNachUtf8({}, cp);
    } catch (const std::runtime_error&) {
        return std::nullopt;
    }
    return cp;
}

int BaumEinlesen(Zustand& z, OffenesProjekt& projekt, const Baum& baum, int codepage, std::ostream& fehler) {
    FehlerAusgabeMeldungen meldungen(fehler);
    AnzeigeImSpeicher anzeige;
    const bool ok = VBProjektEinlesen(projekt, z.Opt, z.ProgrammOrdner, meldungen, anzeige, baum, codepage);
    projekt.DatenbankSchliessen();
    return ok && !meldungen.Gemeldet() ? 0 : 1;
}

int VbpLesen(Zustand& z, OffenesProjekt& projekt, const std::string& vbp, int codepage,
             std::ostream& fehler) {
    return BaumEinlesen(z, projekt, VbpBaum(vbp, codepage), codepage, fehler);
}

int ModulDateienLesen(Zustand& z, OffenesProjekt& projekt, const std::vector<std::string>& dateien,
                      int codepage, std::ostream& fehler) {
    return BaumEinlesen(z, projekt, ModulDateienBaum(dateien, codepage), codepage, fehler);
}

// The workbooks are opened as the host's workbooks and listed as in the
// window; --project N picks the N-th listed project, --module the modules.
int MappenLesen(Zustand& z, OffenesProjekt& ziel, const Aufruf& aufruf,
                const std::vector<std::string>& mappen, std::ostream& fehler) {
    std::int64_t projekt = 1;
    if (auto n = Benannt(aufruf, "project")) {
        auto [ende, f] = std::from_chars(n->data(), n->data() + n->size(), projekt);
        if (f != std::errc() || ende != n->data() + n->size() || projekt < 1) {
            fehler << "codebrindle-cli: --project nimmt eine Zahl ab 1, nicht '" << *n << "'\n";
            return 2;
        }
    }
    std::vector<std::string> module;
    for (const auto& [name, wert] : aufruf.benannte)
        if (name == "module")
            module.push_back(wert);
    FehlerAusgabeMeldungen meldungen(fehler);
    AnzeigeImSpeicher anzeige;
    // Workbooks left out of the listing are reported on the way; what
    // counts is whether the chosen project was read.
    const MappenGelesen gelesen = MappenEinlesen(z, ziel, meldungen, anzeige, mappen, projekt, module);
    ziel.DatenbankSchliessen();
    if (gelesen.nichtAufgelistet)
        fehler << NichtAufgelistetText << '\n';
    return gelesen ? 0 : 1;
}

} // namespace

int Lesen(Zustand& z, const Aufruf& aufruf, std::ostream&, std::ostream& fehler) {
    const auto aus = Benannt(aufruf, "out");
    const auto codepage = CodepageAus(Benannt(aufruf, "codepage"));
    if (!NurBenannte(aufruf, {"out", "codepage", "project", "module"}) || !aus || aus->empty() || !codepage ||
        aufruf.positionen.empty())
        return 2;

    std::vector<std::string> vbps, moduldateien, mappen;
    for (const std::string& p : aufruf.positionen) {
        switch (ArtVon(p)) {
        case EingabeArt::Vbp:
            vbps.push_back(p);
            break;
        case EingabeArt::ModulDatei:
            moduldateien.push_back(p);
            break;
        case EingabeArt::Arbeitsmappe:
            mappen.push_back(p);
            break;
        case EingabeArt::Unbekannt:
            fehler << "codebrindle-cli: '" << p
                   << "' wird nicht gelesen: keine Arbeitsmappe, keine .vbp-Projektdatei und keine "
                      "Moduldatei (.bas .cls .frm .ctl .dob .dsr .pag)\n";
            return 1;
        }
    }
    if (!vbps.empty() && (vbps.size() > 1 || !moduldateien.empty())) {
        fehler << "codebrindle-cli: eine .vbp-Projektdatei wird allein gelesen\n";
        return 2;
    }
    if (!mappen.empty() && (!vbps.empty() || !moduldateien.empty())) {
        fehler << "codebrindle-cli: Arbeitsmappen werden ohne Moduldateien gelesen\n";
        return 2;
    }
    if (mappen.empty() && (Benannt(aufruf, "project") || Benannt(aufruf, "module"))) {
        fehler << "codebrindle-cli: --project und --module wählen aus den Projekten von Arbeitsmappen\n";
        return 2;
    }
    if (!mappen.empty() && Benannt(aufruf, "codepage")) {
        fehler << "codebrindle-cli: --codepage gilt für Moduldateien; eine Arbeitsmappe nennt ihre Codepage "
                  "selbst\n";
        return 2;
    }

    std::error_code ec;
    // The user's own files are never taken for module texts of an earlier read
    if (auto abgelehnt = ZielAbgelehnt(*aus)) {
        fehler << "codebrindle-cli: " << *abgelehnt << '\n';
        return 1;
    }
    const bool ordnerNeu = !fs::exists(*aus, ec);
    fs::create_directories(*aus, ec);
    if (!fs::is_directory(*aus)) {
        fehler << "codebrindle-cli: der Ordner '" << *aus << "' kann nicht angelegt werden\n";
        return 1;
    }
    z.ProgrammOrdner = ProgrammOrdnerErmitteln();
    // A folder made for a read that left nothing in it goes again; removing
    // a folder that holds anything fails, so nothing else can go with it.
    struct NeuenOrdnerAufraeumen {
        fs::path ordner;
        ~NeuenOrdnerAufraeumen() {
            std::error_code fehlerCode;
            if (!ordner.empty())
                fs::remove(ordner, fehlerCode);
        }
    } const aufraeumen{ordnerNeu ? fs::path(*aus) : fs::path()};
    // The folder itself, not a link to it, takes the new project's place
    fs::path ziel = fs::weakly_canonical(fs::absolute(*aus));
    if (!ziel.has_filename()) // named with a separator at its end
        ziel = ziel.parent_path();
    LeseOrdner leseOrdner(ziel);
    OffenesProjekt projekt(MitTrenner(leseOrdner.Pfad().string()));
    int ergebnis = 0;
    if (!mappen.empty())
        ergebnis = MappenLesen(z, projekt, aufruf, mappen, fehler);
    else if (!vbps.empty())
        ergebnis = VbpLesen(z, projekt, vbps.front(), *codepage, fehler);
    else
        ergebnis = ModulDateienLesen(z, projekt, moduldateien, *codepage, fehler);
    if (!leseOrdner.Uebernehmen(ergebnis == 0) && fs::exists(ziel / DatenbankDateiName))
        fehler << "codebrindle-cli: das Projekt in '" << *aus << "' bleibt, wie es war\n";
    return ergebnis;
}

} // namespace cb::cli
