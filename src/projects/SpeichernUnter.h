// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The save-file chooser with its compact filter text: entries of the form
// name ":" extensions ";", the extensions separated by ",", such as
// "RTF-Dokument:RTF;" or "Quellen:bas,cls;".
#include "app/Dialoge.h"

#include <optional>
#include <string>
#include <vector>

namespace cb {

class Meldungen;

/// The dialog's file-type lines of a filter text; nothing, after the
/// message that says why, when the text is malformed.
std::optional<std::vector<FilterZeile>> FilterZeilenBilden(const std::string& filter, Meldungen& meldungen);

/// The save dialog for the filter text: the full path chosen, or "" when
/// the user cancelled or the filter text was refused. An empty start folder
/// stands for the user's home folder.
std::string SpeichernUnter(Dialoge& dialoge, Meldungen& meldungen, const std::string& filter,
                           const std::string& standardEndung, const std::string& startOrdner = {},
                           const std::string& dateiName = {});

} // namespace cb
