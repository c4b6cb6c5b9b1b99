// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ten most recently used project folders: section "recent" of the
// settings (keys "F0" newest to "F9") and the menu items under "&Datei"
// that show them.
#include <array>
#include <string>

namespace cb {

class EinstellungsSpeicher;

struct ZuletztMenuePunkt {
    std::string Caption; // "&" + i + " - " + folder name
    std::string Tag;     // the full folder path
    bool Sichtbar = false;
    bool operator==(const ZuletztMenuePunkt&) const = default;
};

/// The items mnuOpenIndex 0 to 9.
using ZuletztMenue = std::array<ZuletztMenuePunkt, 10>;

/// The name shown for a project folder: its last path component.
std::string OrdnerNameVon(const std::string& pfad);

/// Fills the menu from the settings at start, skipping folders that are gone.
void ZuletztLaden(const std::string& einstellungsName, const EinstellungsSpeicher& s, ZuletztMenue& menue);

/// Puts the folder at the top of the list, in the settings and the menu,
/// keeping at most nine older entries whose folders still exist.
void ZuletztEintragen(const std::string& einstellungsName, EinstellungsSpeicher& s, ZuletztMenue& menue,
                      const std::string& pfad);

} // namespace cb
