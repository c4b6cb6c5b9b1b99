// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clipboard as the core uses it: plain text (and the HTML fragment of
// the HTML export, which goes on the clipboard as text). The Qt application
// uses the system clipboard; tests and the command line keep the text.
#include <string>
#include <string_view>

namespace cb {

class Zwischenablage {
public:
    virtual ~Zwischenablage() = default;
    virtual void Leeren() = 0;
    virtual void TextSetzen(std::string_view text) = 0;
    /// The clipboard's plain text; empty when it holds none.
    virtual std::string TextLesen() const = 0;
};

class ZwischenablageImSpeicher final : public Zwischenablage {
public:
    void Leeren() override {
        m_text.clear();
        ++m_geleert;
    }
    void TextSetzen(std::string_view text) override { m_text = std::string(text); }
    std::string TextLesen() const override { return m_text; }
    int MalGeleert() const { return m_geleert; }

private:
    std::string m_text;
    int m_geleert = 0;
};

} // namespace cb
