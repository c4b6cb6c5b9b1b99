// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The status bar staBar: five panels addressed by index (1 module,
// 2 routine, 3 back, 4 forward, 5 activity) that take clicks and double
// clicks. Panel 5 repaints at once, so that long work shows its progress.
#include <QStatusBar>

#include <array>

class QLabel;

namespace cb {

class StatusLeiste : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusLeiste(QWidget* parent = nullptr);
    void TextSetzen(int panel, const QString& text);
    void PanelFreigeben(int panel, bool an);
    QLabel* Panel(int panel) const { return m_panels[static_cast<std::size_t>(panel - 1)]; }

signals:
    void Geklickt(int panel);
    void Doppelgeklickt(int panel);

protected:
    bool eventFilter(QObject* objekt, QEvent* event) override;

private:
    std::array<QLabel*, 5> m_panels{};
};

} // namespace cb
