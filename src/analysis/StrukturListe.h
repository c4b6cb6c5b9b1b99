// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The structure listing: a tree's top-level nodes, each followed by its
// direct children indented with a tab, as plain text for the clipboard.
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace cb {

class Baum;
class Meldungen;
class Zwischenablage;
struct Optionen;

/// The listing built line by line, for a listing of many nodes that need
/// not be a tree first: a head's line, then its children's lines in the
/// order given. A child whose head is not there is left out.
class StrukturListe {
public:
    void Kopf(std::string_view schluessel, std::string_view text);
    void Kind(std::string_view kopfSchluessel, std::string_view text);
    std::string Text() const;

private:
    std::vector<std::string> m_bloecke; // per head: its line and its children's
    std::unordered_map<std::string, std::size_t> m_stelle;
};

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
