// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings store in a text file of sections and key=value lines, for
// the command line and for tests that need settings to outlive one object
// (two program instances, a restart). Every change is written through at
// once, replacing the file whole so that a crash never leaves half of it.
#include "app/EinstellungsSpeicher.h"

#include <string>
#include <utility>
#include <vector>

namespace cb {

class IniEinstellungsSpeicher final : public EinstellungsSpeicher {
public:
    /// Reads the file when it exists; a missing or unreadable file is an empty store.
    explicit IniEinstellungsSpeicher(std::string datei);

    std::string Lesen(const std::string& app, const std::string& abschnitt,
                      const std::string& schluessel) const override;
    void Schreiben(const std::string& app, const std::string& abschnitt, const std::string& schluessel,
                   const std::string& wert) override;
    EinstellungsPaare Alle(const std::string& app, const std::string& abschnitt) const override;
    void AbschnittLoeschen(const std::string& app, const std::string& abschnitt) override;

    /// False once a change could not be written to the file; the values stay in memory.
    bool Gesichert() const { return m_gesichert; }
    const std::string& Datei() const { return m_datei; }

private:
    void Laden();
    void Sichern();

    std::string m_datei;
    SpeicherImArbeitsspeicher m_werte;
    // Sections in the order they were first written, for a stable file
    std::vector<std::pair<std::string, std::string>> m_abschnitte;
    bool m_gesichert = true;
};

} // namespace cb
