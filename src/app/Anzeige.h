// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What long commands of the core show while they run and leave behind in
// the window: the five status panels, the caption, the hourglass. The Qt
// window repaints at once; tests and the command line keep the values.
#include <array>
#include <string>
#include <string_view>

namespace cb {

/// Status bar panels: 1 module, 2 routine at the caret, 3 history back,
/// 4 history forward, 5 current activity.
enum class Panel { Modul = 1, Routine = 2, Zurueck = 3, Vor = 4, Aktivitaet = 5 };

class Anzeige {
public:
    virtual ~Anzeige() = default;
    // Only setters: what is true lives in the core, never in what a panel
    // or the caption happens to show.
    virtual void StatusSetzen(Panel panel, std::string_view text) = 0;
    virtual void TitelSetzen(std::string_view titel) = 0;
    virtual void SanduhrSetzen(bool an) = 0;
};

/// Keeps what was shown; for tests and the command line.
class AnzeigeImSpeicher : public Anzeige {
public:
    void StatusSetzen(Panel panel, std::string_view text) override {
        m_status[static_cast<std::size_t>(panel) - 1] = std::string(text);
    }
    std::string Status(Panel panel) const { return m_status[static_cast<std::size_t>(panel) - 1]; }
    void TitelSetzen(std::string_view titel) override { m_titel = std::string(titel); }
    std::string Titel() const { return m_titel; }
    void SanduhrSetzen(bool an) override { m_sanduhr = an; }
    bool Sanduhr() const { return m_sanduhr; }

private:
    std::array<std::string, 5> m_status;
    std::string m_titel;
    bool m_sanduhr = false;
};

} // namespace cb
