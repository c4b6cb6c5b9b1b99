// SPDX-License-Identifier: GPL-3.0-or-later
#include "MiniFenster.h"
#include "Masse.h"
#include "Symbole.h"

#include <QCloseEvent>
#include <QPushButton>

#include <algorithm>

namespace cb {

MiniFenster::MiniFenster(const QString& titel)
    : QWidget(nullptr,
              Qt::Window | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_cmdClose(new QPushButton(QStringLiteral("<< Vollansicht"), this)), m_cmdHtml(new QPushButton(this)) {
    setObjectName("frmMin");
    setWindowTitle(titel);
    setWindowIcon(ProgrammBild());
    // It sits above the program the user works in and leaves it the keys.
    setAttribute(Qt::WA_ShowWithoutActivating);
    // The design's places, with the caption's own width where the font
    // needs more than the design gave it.
    const int oben = TwipsPixel(120, this), hoehe = TwipsPixel(375, this);
    const int breit = std::max(TwipsPixel(1215, this), m_cmdClose->sizeHint().width());
    m_cmdClose->setObjectName("cmdClose");
    m_cmdClose->setGeometry(TwipsPixel(120, this), oben, breit, hoehe);
    m_cmdHtml->setObjectName("cmdHtml");
    m_cmdHtml->setIcon(KnopfBild("ht_clip"));
    m_cmdHtml->setToolTip(QStringLiteral("Zwischenablage nach HTML"));
    m_cmdHtml->setGeometry(m_cmdClose->geometry().right() + 1 + TwipsPixel(345, this), oben, hoehe, hoehe);
    setFixedSize(m_cmdHtml->geometry().right() + 1 + TwipsPixel(315, this), TwipsPixel(585, this));
    connect(m_cmdClose, &QPushButton::clicked, this, &MiniFenster::VollansichtGeklickt);
    connect(m_cmdHtml, &QPushButton::clicked, this, &MiniFenster::HtmlGeklickt);
}

void MiniFenster::InDieEcke() {
    move(0, 0);
}

void MiniFenster::closeEvent(QCloseEvent* e) {
    QWidget::closeEvent(e);
    emit Geschlossen();
}

void MiniFenster::showEvent(QShowEvent* e) {
    InDieEcke();
    QWidget::showEvent(e);
}

void MiniFenster::changeEvent(QEvent* e) {
    // Moved away while another program had the screen, it goes back to its
    // corner as soon as it is the active window again.
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        InDieEcke();
    QWidget::changeEvent(e);
}

} // namespace cb
