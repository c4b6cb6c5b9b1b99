// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's choices that rendering, export and the window read where they
// work, with the defaults that stand while a setting is missing. Loading,
// saving and the stored forms of the keys are the settings' (OptionsTabelle).
#include <cstdint>
#include <string>

namespace cb {

struct Optionen {
    std::string SchriftName = "MS Sans Serif";
    int SchriftGroesse = 10;
    std::int32_t FarbeKommentar = 0x8000;
    std::int32_t FarbeSchluessel = 0x800000;
    std::int32_t FarbeString = 0x80;
    bool LeerzeilenEntfernen = false;
    bool Einruecken = false;
    bool RoutinenEinruecken = false;
    bool LeerzeileVorRoutinen = false;
    bool RoutinenFett = true;
    bool MeldungNachClip = true;
    bool StandardImmer = false;
    bool ModullisteAufgeklappt = false;
    bool VorschauHtml = false;
    bool UserBildAnwenden = false;
    int TabstopMm = 5;
    /// Never changed: the project exports always write module headers.
    bool ModulnamenBeiExport = true;
    /// "max" or Left;Top;Width;Height of the main window in twips.
    std::string WindowLayout = "max";

    bool operator==(const Optionen&) const = default;
};

} // namespace cb
