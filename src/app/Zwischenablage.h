// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clipboard as the core uses it: emptied, then given plain text. The Qt
// application puts it on the system clipboard; tests and the command line
// keep it in memory.
#include <string>

namespace cb {

class Zwischenablage {
public:
    virtual ~Zwischenablage() = default;
    virtual void Leeren() = 0;
    virtual void TextSetzen(const std::string& text) = 0;
    /// The plain text on the clipboard; "" when it holds none.
    virtual std::string TextLesen() const = 0;
};

class ZwischenablageImSpeicher final : public Zwischenablage {
public:
    void Leeren() override {
        m_text.clear();
        ++m_geleert;
    }
    void TextSetzen(const std::string& text) override { m_text = text; }
    std::string TextLesen() const override { return m_text; }
    /// How often it was emptied, so that a test sees the clear before the set.
    int MalGeleert() const { return m_geleert; }

private:
    std::string m_text;
    int m_geleert = 0;
};

} // namespace cb
