// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The structure listing: a tree's top-level nodes, each followed by its
// direct children indented with a tab, as plain text for the clipboard.
#include <string>

namespace cb {

class Baum;
class Meldungen;
class Zwischenablage;
struct Optionen;

/// Top-level node text + CR LF, then tab + child text + CR LF for each
/// direct child, in the tree's index order. Deeper nodes are left out.
std::string StrukturText(const Baum& baum);

/// Of the application tree, the project tree and the caller list, the last
/// one that is visible; nullptr when none is.
const Baum* StrukturBaumWaehlen(const Baum& treApp, bool appSichtbar, const Baum& treProjekt,
                                bool projektSichtbar, const Baum& treRoutSuche, bool routSucheSichtbar);

/// What "&Struktur nach Zwischenablage" does with the visible tree: empties
/// the clipboard, puts the listing on it and, with MeldungNachClip, says so.
void StrukturInZwischenablage(const Optionen& o, const std::string& programmTitel, const Baum& sichtbarerBaum,
                              Zwischenablage& zwischenablage, Meldungen& meldungen);

} // namespace cb
