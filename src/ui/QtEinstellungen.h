// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/EinstellungsSpeicher.h"

namespace cb {

/// The settings store on QSettings. The application name holds a
/// backslash ("QX_Brindle\Co_Brindle_Excel"): its first level is the
/// organisation, so every edition shares the parent level QX_Brindle.
class QtEinstellungen final : public EinstellungsSpeicher {
public:
    std::string Lesen(const std::string& app, const std::string& abschnitt,
                      const std::string& schluessel) const override;
    void Schreiben(const std::string& app, const std::string& abschnitt, const std::string& schluessel,
                   const std::string& wert) override;
    EinstellungsPaare Alle(const std::string& app, const std::string& abschnitt) const override;
    void AbschnittLoeschen(const std::string& app, const std::string& abschnitt) override;
};

} // namespace cb
