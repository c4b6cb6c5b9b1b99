// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clipboard as the core uses it: emptied, then given plain text, or
// rich text together with its plain form. The Qt application puts it on
// the system clipboard (rich text as "text/rtf"); tests and the command
// line keep it in memory.
#include <string>

namespace cb {

class Zwischenablage {
public:
    virtual ~Zwischenablage() = default;
    virtual void Leeren() = 0;
    virtual void TextSetzen(const std::string& text) = 0;
    /// An RTF document (its bytes) and the same text plain, as a rich-text
    /// box copies a selection, so that every program can paste one of them.
    virtual void RtfSetzen(const std::string& rtfBytes, const std::string& text) = 0;
    /// An HTML fragment: its code as plain text, to paste into a page's
    /// source, and as HTML for programs that paste it formatted.
    virtual void HtmlSetzen(const std::string& html) = 0;
    /// The plain text on the clipboard; "" when it holds none.
    virtual std::string TextLesen() const = 0;
};

class ZwischenablageImSpeicher final : public Zwischenablage {
public:
    void Leeren() override {
        m_text.clear();
        m_rtf.clear();
        m_html.clear();
        ++m_geleert;
    }
    void TextSetzen(const std::string& text) override {
        m_text = text;
        m_rtf.clear();
        m_html.clear();
    }
    void RtfSetzen(const std::string& rtfBytes, const std::string& text) override {
        m_rtf = rtfBytes;
        m_text = text;
        m_html.clear();
    }
    void HtmlSetzen(const std::string& html) override {
        m_text = html;
        m_rtf.clear();
        m_html = html;
    }
    /// The HTML on the clipboard; "" when it holds none.
    const std::string& HtmlLesen() const { return m_html; }
    std::string TextLesen() const override { return m_text; }
    /// The rich text on the clipboard; "" when it holds none.
    const std::string& RtfLesen() const { return m_rtf; }
    /// How often it was emptied, so that a test sees the clear before the set.
    int MalGeleert() const { return m_geleert; }

private:
    std::string m_text;
    std::string m_rtf;
    std::string m_html;
    int m_geleert = 0;
};

} // namespace cb
