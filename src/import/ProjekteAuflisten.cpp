// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/ProjekteAuflisten.h"

#include "app/Allgemein.h"
#include "app/Baum.h"
#include "app/Meldungen.h"
#include "app/Text.h"
#include "app/Zustand.h"
#include "store/Datensaetze.h"

namespace cb {

namespace {

// A name that cannot be part of a node key: the reading takes the module's
// name back as the key's text after its last "\", and keys are unique.
bool AlsSchluesselBrauchbar(const Baum& treApp, const std::string& schluessel, const std::string& name) {
    return !name.empty() && name.find('\\') == std::string::npos && !treApp.Finden(schluessel + name);
}

std::string NichtAufgelistetText(const std::string& datei, const std::string& name,
                                 const std::string& modul) {
    return "\"" + datei + "\": Das Projekt " + name + " wird nicht aufgelistet, da der Modulname \"" + modul +
           "\" leer, doppelt oder ungültig ist.";
}

} // namespace

std::unique_ptr<HostAnwendung> AnwendungHolen(Zustand& z, Host& host) {
    z.AppVersion = 0;
    try {
        auto anwendung = host.Anbinden();
        if (!anwendung)
            return nullptr;
        z.AppVersion = ZahlenWert(anwendung->Version());
        return anwendung;
    } catch (const std::exception&) {
        return nullptr;
    }
}

std::string KomponentenBild(int hostTyp) {
    switch (hostTyp) {
    case HostUserForm:
        return "M1";
    case HostStandardModul:
        return "M2";
    case HostKlassenModul:
        return "M3";
    case HostDokument:
        return "M5";
    default:
        return "XXX";
    }
}

int ModulTypCodeFuer(int hostTyp) {
    switch (hostTyp) {
    case HostUserForm:
        return ModulUserForm;
    case HostStandardModul:
        return ModulStandard;
    case HostKlassenModul:
        return ModulKlasse;
    case HostDokument:
        return ModulDokument;
    default:
        return ModulAndere;
    }
}

// The trailing separator keeps project 1 apart from project 10.
std::string ProjektSchluessel(std::int64_t n) {
    return "A" + std::to_string(n) + "\\";
}

std::string ProjektKnotenText(const std::string& name, const std::string& fileName) {
    return name + " [" + DateiName(fileName) + "]";
}

std::string ProjektDateiName(HostProjekt& projekt) {
    try {
        return projekt.FileName();
    } catch (const HostFehler&) {
        return "Nicht gespeichert";
    }
}

bool ProjekteAuflisten(Zustand& z, Host& host, Meldungen& meldungen, Baum& treApp) {
    treApp.Leeren();
    auto anwendung = AnwendungHolen(z, host);
    if (!anwendung)
        return false;
    std::unique_ptr<HostProjekte> projekte;
    std::int64_t anzahl = 0;
    try {
        projekte = anwendung->VBProjects();
        anzahl = projekte->Count();
    } catch (const std::exception&) {
        // Refused access; the caller's hint says so, the host's text is not shown.
        return false;
    }
    // Projects whose module names cannot be keys are left out, each named,
    // so that one odd workbook does not hide the ones after it.
    std::string ausgelassen;
    try {
        for (std::int64_t n = 1; n <= anzahl; ++n) {
            auto projekt = projekte->Item(n);
            const std::string datei = ProjektDateiName(*projekt);
            const std::string name = projekt->Name();
            if (projekt->Protection() != 0)
                continue;
            const std::string schluessel = ProjektSchluessel(n);
            treApp.Hinzufuegen(schluessel, ProjektKnotenText(name, datei), "Fahne");
            auto komponenten = projekt->VBComponents();
            const std::int64_t k = komponenten->Count();
            bool mitModul = false;
            bool brauchbar = true;
            for (std::int64_t j = 1; j <= k; ++j) {
                auto komponente = komponenten->Item(j);
                if (komponente->CodeModule()->CountOfLines() <= 2)
                    continue;
                const std::string kname = komponente->Name();
                const int typ = komponente->Type();
                if (!AlsSchluesselBrauchbar(treApp, schluessel, kname)) {
                    ausgelassen +=
                        (ausgelassen.empty() ? "" : "\r\n") + NichtAufgelistetText(datei, name, kname);
                    brauchbar = false;
                    break;
                }
                treApp.Hinzufuegen(schluessel + kname, kname, KomponentenBild(typ), schluessel);
                mitModul = true;
            }
            if (!mitModul || !brauchbar)
                treApp.Entfernen(schluessel);
        }
        AlleAufklappen(treApp);
    } catch (const std::exception& e) {
        if (!ausgelassen.empty())
            meldungen.Melden(ausgelassen, MeldungsSymbol::Warnung);
        meldungen.Melden(e.what(), MeldungsSymbol::Keins);
        return false;
    }
    if (!ausgelassen.empty())
        meldungen.Melden(ausgelassen, MeldungsSymbol::Warnung);
    return true;
}

void AlleAufklappen(Baum& baum) {
    for (auto& k : baum.Knoten())
        k.Aufgeklappt = true;
}

} // namespace cb
