// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The per-user settings store: string values by application name, section
// and key. The application backs it with QSettings, tests with memory.
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace cb {

using EinstellungsPaare = std::vector<std::pair<std::string, std::string>>;

class EinstellungsSpeicher {
public:
    virtual ~EinstellungsSpeicher() = default;
    /// The stored value, or "" when the key or section is missing.
    virtual std::string Lesen(const std::string& app, const std::string& abschnitt,
                              const std::string& schluessel) const = 0;
    virtual void Schreiben(const std::string& app, const std::string& abschnitt,
                           const std::string& schluessel, const std::string& wert) = 0;
    /// All pairs of a section, in the order in which they were first written.
    virtual EinstellungsPaare Alle(const std::string& app, const std::string& abschnitt) const = 0;
    /// Removes the section; a missing section is no error.
    virtual void AbschnittLoeschen(const std::string& app, const std::string& abschnitt) = 0;
};

/// A store that lives in memory only (tests, the command line).
class SpeicherImArbeitsspeicher final : public EinstellungsSpeicher {
public:
    std::string Lesen(const std::string& app, const std::string& abschnitt,
                      const std::string& schluessel) const override;
    void Schreiben(const std::string& app, const std::string& abschnitt, const std::string& schluessel,
                   const std::string& wert) override;
    EinstellungsPaare Alle(const std::string& app, const std::string& abschnitt) const override;
    void AbschnittLoeschen(const std::string& app, const std::string& abschnitt) override;

private:
    std::map<std::pair<std::string, std::string>, EinstellungsPaare> m_abschnitte;
};

} // namespace cb
