// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A host whose projects live in memory, for tests: every operation reads
// the data as it is at the moment of the call, so a test can remove a
// component or close a project between listing and reading, and make any
// operation fail with a description of its choice.
#include "import/host/Host.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace cb {

/// Operation name -> the host's description of its failure.
using HostFehlerListe = std::map<std::string, std::string>;

struct SpeicherKomponente {
    std::string Name;
    int Type = HostStandardModul;
    std::string Code; // lines joined by CR LF
    /// "Name", "Type", "CodeModule", "CountOfLines", "Lines"
    HostFehlerListe Fehler;
};

struct SpeicherProjekt {
    std::string Name;
    std::string FileName;
    int Protection = 0;
    std::vector<SpeicherKomponente> Komponenten;
    /// "FileName", "Name", "Protection", "VBComponents", "VBComponents.Count"
    HostFehlerListe Fehler;

    /// A workbook that was never saved: its FileName fails.
    void NieGespeichert() { Fehler["FileName"] = "Das Dokument wurde noch nicht gespeichert."; }
};

class SpeicherHost final : public Host {
public:
    /// Attaching fails while this is false.
    bool Laeuft = true;
    std::string Version = "16.0";
    std::vector<SpeicherProjekt> Projekte;
    /// "Version", "VBProjects", "VBProjects.Count"
    HostFehlerListe Fehler;

    /// Refuses access to the VBA projects, as the host's trust setting does.
    void ZugriffVerweigern() {
        Fehler["VBProjects.Count"] =
            "Der programmatische Zugriff auf das Visual Basic-Projekt ist nicht sicher.";
    }

    std::unique_ptr<HostAnwendung> Anbinden() override;
    /// Keeps what was opened; the projects stay as the test set them.
    bool MappeOeffnen(const std::string& pfad) override {
        Geoeffnet.push_back(pfad);
        return true;
    }
    std::vector<std::string> Geoeffnet;

    /// Objects handed out and not yet released; 0 when nobody holds the host.
    int LebendeObjekte() const { return m_lebend; }

private:
    friend class SpeicherHostObjekt;
    int m_lebend = 0;
};

} // namespace cb
