// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatusLeiste.h"
#include "Masse.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

namespace cb {

namespace {

struct PanelArt {
    const char* Text;
    const char* Tooltip;
    int Breite; // twips
};

constexpr PanelArt Panels[5] = {
    {"Modul:", "", 5292},
    {"Routine:", "", 6174},
    {"<<", "Eine Routine Zurück (F4)", 529},
    {">>", "Eine Routine Weiter (Strg+F4)", 529},
    {"Aktueller Vorgang", "", 5292},
};

} // namespace

StatusLeiste::StatusLeiste(QWidget* parent) : QStatusBar(parent) {
    setObjectName("staBar");
    setSizeGripEnabled(true);
    for (int i = 0; i < 5; ++i) {
        auto* panel = new QLabel(QString::fromUtf8(Panels[i].Text), this);
        panel->setObjectName(QStringLiteral("staBar_%1").arg(i + 1));
        panel->setToolTip(QString::fromUtf8(Panels[i].Tooltip));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        const bool pfeil = i == 2 || i == 3;
        if (pfeil) {
            panel->setAlignment(Qt::AlignCenter);
            panel->setFixedWidth(TwipsPixel(Panels[i].Breite, this));
        } else {
            // The text panels share the width in the proportions of their
            // design widths, whatever their text: a long routine name
            // must not push the arrows away.
            panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            panel->setMinimumWidth(TwipsPixel(600, this));
        }
        panel->installEventFilter(this);
        addWidget(panel, pfeil ? 0 : Panels[i].Breite / 100);
        m_panels[static_cast<std::size_t>(i)] = panel;
    }
}

void StatusLeiste::TextSetzen(int panel, const QString& text) {
    if (panel < 1 || panel > 5)
        return;
    QLabel* l = Panel(panel);
    l->setText(text);
    if (panel == 5)
        l->repaint();
}

void StatusLeiste::PanelFreigeben(int panel, bool an) {
    if (panel >= 1 && panel <= 5)
        Panel(panel)->setEnabled(an);
}

bool StatusLeiste::eventFilter(QObject* objekt, QEvent* event) {
    for (int i = 0; i < 5; ++i) {
        if (objekt != m_panels[static_cast<std::size_t>(i)])
            continue;
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            emit Geklickt(i + 1);
        else if (event->type() == QEvent::MouseButtonDblClick &&
                 static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            emit Doppelgeklickt(i + 1);
        break;
    }
    return QStatusBar::eventFilter(objekt, event);
}

} // namespace cb
