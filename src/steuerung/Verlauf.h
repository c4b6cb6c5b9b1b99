// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The navigation history of routine visits and definition jumps: at most 30
// entries, walked back and forth like a browser's. Entries are typed, so a
// module or routine name can never be cut apart at a separator.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace cb {

struct VerlaufEintrag {
    int Bereich = 0;       // index of the code pane (module number - 1)
    std::size_t Caret = 0; // caret offset in characters
    std::string Modul;     // status panel 1 at the visit
    std::string Routine;   // status panel 2 at the visit

    bool operator==(const VerlaufEintrag&) const = default;
};

class Verlauf {
public:
    static constexpr int Groesse = 30;

    /// The entry now shown, 1-based; 0 while the history is empty.
    int VerlaufIndex() const { return m_index; }
    /// The last valid entry, 1-based; 0 while the history is empty.
    int VerlaufEnde() const { return static_cast<int>(m_eintraege.size()); }
    bool Leer() const { return m_eintraege.empty(); }

    /// Records a visit after the entry now shown: later entries are dropped,
    /// and at 30 entries the oldest goes.
    void VerlaufMerken(VerlaufEintrag eintrag);
    /// A definition jump that started at caret offset start and arrived at
    /// ziel: the entry now shown keeps its pane but takes start, so Back
    /// returns to where the jump began; then ziel is recorded.
    void DefinitionMerken(std::size_t start, VerlaufEintrag ziel);

    /// One step back: the entry to show, or nullopt at the first entry.
    std::optional<VerlaufEintrag> Zurueck();
    /// One step forward: the entry to show, or nullopt at the last entry.
    std::optional<VerlaufEintrag> Vor();

    /// Forgets every entry (the view reset for a new project).
    void Leeren();

    /// "<<" (panel 3, "Routine &Zurück") is enabled.
    bool ZurueckMoeglich() const { return m_index > 1; }
    /// ">>" (panel 4, "Routine &Vor") is enabled.
    bool VorMoeglich() const { return m_index < VerlaufEnde(); }

    /// The entry now shown; nullptr while the history is empty.
    const VerlaufEintrag* Aktuell() const;
    /// Entries 1 to VerlaufEnde in order.
    const std::vector<VerlaufEintrag>& Eintraege() const { return m_eintraege; }

private:
    std::vector<VerlaufEintrag> m_eintraege;
    int m_index = 0;
};

} // namespace cb
