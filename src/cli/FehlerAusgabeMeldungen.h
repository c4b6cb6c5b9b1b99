// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Messages of the core on the command line: written to standard error, one
// line per line of the message, and remembered, since a command that had
// something to say has not done what it was asked.
#include "app/Meldungen.h"

#include <iosfwd>

namespace cb::cli {

class FehlerAusgabeMeldungen final : public Meldungen {
public:
    explicit FehlerAusgabeMeldungen(std::ostream& fehler) : m_fehler(fehler) {}
    /// Writes the text; a question has nobody to answer it and is taken as
    /// its cautious answer (No, Cancel).
    MeldungsAntwort Zeigen(const std::string& text, MeldungsSymbol symbol, MeldungsKnoepfe knoepfe,
                           const std::string& titel) override;
    bool Gemeldet() const { return m_gemeldet; }

private:
    std::ostream& m_fehler;
    bool m_gemeldet = false;
};

} // namespace cb::cli
