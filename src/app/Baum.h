// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A tree as the window's tree views hold it, without any widget: keyed nodes
// in the order they were added, each with text, image key, parent, tick and
// expansion. The application tree, the project tree and the caller list are
// filled into one of these by the core; the window only mirrors it.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace cb {

struct BaumKnoten {
    std::string Schluessel; // unique within the tree
    std::string Text;
    std::string Bild;   // image key
    std::string Eltern; // key of the parent node; empty at the top level
    bool Haken = false; // ticked (trees with check boxes)
    bool Aufgeklappt = false;
};

class Baum {
public:
    /// Adds a node as the last child of eltern (top level when empty).
    /// Throws std::invalid_argument on a duplicate key or an unknown parent.
    BaumKnoten& Hinzufuegen(std::string schluessel, std::string text, std::string bild,
                            std::string eltern = {});
    void Hinzufuegen(BaumKnoten knoten);
    /// Removes the node and everything below it; nothing when the key is unknown.
    void Entfernen(std::string_view schluessel);
    void Leeren();

    std::size_t Anzahl() const { return m_knoten.size(); }
    bool Leer() const { return m_knoten.empty(); }
    /// Nodes in index order (the order in which they were added).
    const std::vector<BaumKnoten>& Knoten() const { return m_knoten; }
    /// Ticks and expansion may be changed through here; keys and parents not.
    std::vector<BaumKnoten>& Knoten() { return m_knoten; }
    BaumKnoten* Finden(std::string_view schluessel);
    const BaumKnoten* Finden(std::string_view schluessel) const;
    std::size_t KinderAnzahl(std::string_view schluessel) const;
    bool HatKinder(std::string_view schluessel) const { return KinderAnzahl(schluessel) > 0; }
    /// The ticked nodes without children, in index order: what a read
    /// takes. One pass, where asking HatKinder of every node would not be.
    std::vector<const BaumKnoten*> GehakteBlaetter() const;

    /// The tree control's own tag (a folder, a project name).
    std::string Tag;

private:
    void IndexNeu();
    std::vector<BaumKnoten> m_knoten;
    std::unordered_map<std::string, std::size_t> m_index;
};

} // namespace cb
