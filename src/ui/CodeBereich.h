// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The right side of the window: one code pane per module, made and filled
// when its module is first shown, and the zoom pane laid over them.
// Switching modules only changes which pane is in front.
#include <QStackedWidget>

#include <cstdint>
#include <vector>

namespace cb {

class CodeFenster;
struct CodeAnsicht;
struct Optionen;

class CodeBereich : public QStackedWidget {
    Q_OBJECT
public:
    explicit CodeBereich(QWidget* parent = nullptr);

    /// Drops every pane and makes room for anzahl of them.
    void Anlegen(std::int64_t anzahl);
    /// Brings pane index to the front (under the zoom pane while it shows),
    /// filling it first when it is new.
    CodeFenster* Zeigen(std::int64_t index, const CodeAnsicht& code, const Optionen& o);
    /// The module pane in front; nullptr before any was shown.
    CodeFenster* Vorne() const { return m_vorne; }
    CodeFenster& Zoom() const { return *m_zoom; }
    /// The zoom pane shown with this content, or hidden (nullptr).
    void ZoomZeigen(const CodeAnsicht* inhalt, const Optionen& o);
    bool ZoomSichtbar() const { return m_zoomAn; }
    std::size_t AnzahlGefuellt() const;

signals:
    /// A pane was made; the window connects its signals.
    void FensterNeu(CodeFenster* fenster, std::int64_t index);

private:
    std::vector<CodeFenster*> m_fenster;
    CodeFenster* m_vorne = nullptr;
    CodeFenster* m_zoom;
    bool m_zoomAn = false;
};

} // namespace cb
