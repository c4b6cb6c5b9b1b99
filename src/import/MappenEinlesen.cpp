// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/MappenEinlesen.h"

#include "app/Baum.h"
#include "app/Meldungen.h"
#include "app/Text.h"
#include "import/ProjektEinlesen.h"
#include "import/ProjekteAuflisten.h"
#include "import/host/WorkbookHost.h"

namespace cb {

namespace {

std::vector<BaumKnoten*> ProjektKnoten(Baum& treApp) {
    std::vector<BaumKnoten*> knoten;
    for (auto& k : treApp.Knoten())
        if (k.Eltern.empty())
            knoten.push_back(&k);
    return knoten;
}

bool ModuleHaken(Baum& treApp, const BaumKnoten& projekt, const std::vector<std::string>& module,
                 Meldungen& meldungen) {
    for (auto& k : treApp.Knoten())
        if (k.Eltern == projekt.Schluessel && module.empty())
            k.Haken = true;
    for (const auto& name : module) {
        bool gefunden = false;
        for (auto& k : treApp.Knoten())
            if (k.Eltern == projekt.Schluessel && TextGleich(k.Text, name))
                k.Haken = gefunden = true;
        if (!gefunden) {
            meldungen.Melden("Das Modul \"" + name + "\" ist im Projekt " + projekt.Text +
                                 " nicht aufgelistet.",
                             MeldungsSymbol::Warnung);
            return false;
        }
    }
    return true;
}

} // namespace

MappenGelesen MappenEinlesen(Zustand& z, OffenesProjekt& ziel, Meldungen& meldungen, Anzeige& anzeige,
                             const std::vector<std::string>& mappen, std::int64_t projekt,
                             const std::vector<std::string>& module) {
    WorkbookHost host(meldungen);
    for (const auto& m : mappen)
        host.Oeffnen(m);
    if (host.Mappen().empty()) {
        meldungen.Melden("Es wurde keine Mappe angegeben.", MeldungsSymbol::Warnung);
        return {};
    }
    Baum treApp;
    // Unreadable workbooks are left out like locked ones, after the host's
    // warning that names them; the number counts the listed projects only,
    // so it means the same as the listing shows.
    if (!ProjekteAuflisten(z, host, meldungen, treApp))
        return {};
    const auto projekte = ProjektKnoten(treApp);
    if (projekt < 1 || static_cast<std::size_t>(projekt) > projekte.size()) {
        meldungen.Melden("Ein Projekt " + std::to_string(projekt) + " gibt es nicht: aufgelistet " +
                             (projekte.size() == 1
                                  ? std::string("ist 1 Projekt.")
                                  : "sind " + std::to_string(projekte.size()) + " Projekte."),
                         MeldungsSymbol::Warnung);
        const std::size_t lesbar = host.Mappen().size() - host.UnlesbareMappen().size();
        return {false, projekte.size() < lesbar};
    }
    if (!ModuleHaken(treApp, *projekte[static_cast<std::size_t>(projekt) - 1], module, meldungen))
        return {false, true};
    return {ProjektEinlesen(z, ziel, host, meldungen, anzeige, treApp), false};
}

} // namespace cb
