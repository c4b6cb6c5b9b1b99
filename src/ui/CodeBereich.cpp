// SPDX-License-Identifier: GPL-3.0-or-later
#include "CodeBereich.h"
#include "CodeFenster.h"

#include "render/CodeAnsicht.h"

#include <algorithm>

namespace cb {

CodeBereich::CodeBereich(QWidget* parent) : QStackedWidget(parent), m_zoom(new CodeFenster(this)) {
    m_zoom->setObjectName("rtbZoom");
    addWidget(m_zoom);
}

void CodeBereich::Anlegen(std::int64_t anzahl) {
    // Later, not now: a command chosen from a pane's own pop-up menu comes
    // here while that pane is still handling its right click.
    for (CodeFenster* f : m_fenster)
        if (f) {
            removeWidget(f);
            f->hide();
            f->deleteLater();
        }
    m_fenster.assign(static_cast<std::size_t>(std::max<std::int64_t>(0, anzahl)), nullptr);
    m_vorne = nullptr;
}

CodeFenster* CodeBereich::Zeigen(std::int64_t index, const CodeAnsicht& code, const Optionen& o) {
    if (index < 0 || static_cast<std::size_t>(index) >= m_fenster.size())
        return m_vorne;
    CodeFenster*& f = m_fenster[static_cast<std::size_t>(index)];
    if (!f) {
        f = new CodeFenster(this);
        f->setObjectName(QStringLiteral("rtbHaupt_%1").arg(index));
        f->Fuellen(code, o);
        addWidget(f);
        emit FensterNeu(f, index);
    }
    m_vorne = f;
    if (!m_zoomAn)
        setCurrentWidget(f);
    return f;
}

void CodeBereich::ZoomZeigen(const CodeAnsicht* inhalt, const Optionen& o) {
    m_zoomAn = inhalt != nullptr;
    if (inhalt) {
        m_zoom->Fuellen(*inhalt, o);
        setCurrentWidget(m_zoom);
        m_zoom->setFocus();
    } else if (m_vorne) {
        setCurrentWidget(m_vorne);
        m_vorne->setFocus();
    }
}

std::size_t CodeBereich::AnzahlGefuellt() const {
    return static_cast<std::size_t>(
        std::count_if(m_fenster.begin(), m_fenster.end(), [](auto* f) { return f; }));
}

} // namespace cb
