// SPDX-License-Identifier: GPL-3.0-or-later
#include "BaumBereich.h"
#include "BaumModell.h"
#include "BaumSicht.h"

#include <QPlainTextEdit>

namespace cb {

BaumBereich::BaumBereich(QWidget* parent)
    : QStackedWidget(parent), m_appModell(new BaumModell(true, this)),
      m_projektModell(new BaumModell(false, this)), m_routSucheModell(new BaumModell(false, this)),
      m_treApp(new BaumSicht(*m_appModell, "treApp", this)),
      m_treProjekt(new BaumSicht(*m_projektModell, "treProjekt", this)),
      m_treRoutSuche(new BaumSicht(*m_routSucheModell, "treRoutSuche", this)),
      m_txtAppAktiv(new QPlainTextEdit(this)) {
    m_txtAppAktiv->setObjectName("txtAppAktiv");
    m_txtAppAktiv->setReadOnly(true);
    m_treApp->DateienAnnehmen(true);
    for (QWidget* w : {static_cast<QWidget*>(m_treApp), static_cast<QWidget*>(m_treProjekt),
                       static_cast<QWidget*>(m_treRoutSuche), static_cast<QWidget*>(m_txtAppAktiv)})
        addWidget(w);
    setCurrentWidget(m_treApp);
    connect(m_treApp, &BaumSicht::DateienAbgelegt, this, &BaumBereich::DateienAbgelegt);
    // Without any workbook the hint stands where the tree would: it takes
    // the files the tree would take.
    m_txtAppAktiv->viewport()->setAcceptDrops(true);
    m_txtAppAktiv->viewport()->installEventFilter(this);
}

bool BaumBereich::eventFilter(QObject* objekt, QEvent* event) {
    QStringList pfade;
    if (objekt == m_txtAppAktiv->viewport() && DateiAblage(event, pfade)) {
        if (!pfade.isEmpty())
            emit DateienAbgelegt(pfade);
        return true;
    }
    return QStackedWidget::eventFilter(objekt, event);
}

void BaumBereich::Zeigen(LinkerBereich bereich) {
    m_sichtbar = bereich;
    switch (bereich) {
    case LinkerBereich::App:
        setCurrentWidget(m_treApp);
        break;
    case LinkerBereich::Projekt:
        setCurrentWidget(m_treProjekt);
        break;
    case LinkerBereich::RoutSuche:
        setCurrentWidget(m_treRoutSuche);
        break;
    case LinkerBereich::Hinweis:
        setCurrentWidget(m_txtAppAktiv);
        break;
    }
}

void BaumBereich::HinweisSetzen(const QString& text) {
    m_txtAppAktiv->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

} // namespace cb
