// SPDX-License-Identifier: GPL-3.0-or-later
#include "HilfeFenster.h"
#include "Masse.h"
#include "Symbole.h"

#include <QAction>
#include <QKeySequence>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

namespace cb {

HilfeFenster::HilfeFenster(const QString& titel, QWidget* parent)
    : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this)) {
    setObjectName("frmHilfe");
    setWindowTitle(titel);
    setWindowIcon(ProgrammBild());
    auto* leiste = new QToolBar(this);
    m_inhalt = leiste->addAction(QStringLiteral("&Inhalt"), m_browser, &QTextBrowser::home);
    m_zurueck = leiste->addAction(QStringLiteral("&Zurück"), m_browser, &QTextBrowser::backward);
    m_vor = leiste->addAction(QStringLiteral("&Vor"), m_browser, &QTextBrowser::forward);
    m_zurueck->setShortcut(QKeySequence::Back);
    m_vor->setShortcut(QKeySequence::Forward);
    m_zurueck->setEnabled(false);
    m_vor->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_zurueck, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_vor, &QAction::setEnabled);
    m_browser->setObjectName("txtHilfe");
    // The pages' own links are followed here; an address outside goes to
    // the desktop's browser as every other address of the program does.
    m_browser->setOpenLinks(false);
    connect(m_browser, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        const QUrl ziel = m_browser->source().resolved(url);
        if (ziel.isLocalFile())
            m_browser->setSource(ziel);
        else
            emit AdresseGewaehlt(url.toString());
    });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(leiste);
    layout->addWidget(m_browser, 1);
    resize(TwipsPixel(9000, this), TwipsPixel(9000, this));
}

void HilfeFenster::Zeigen(const QString& seite) {
    const QUrl url = QUrl::fromLocalFile(seite);
    // A second call starts at the contents again, with the way back kept.
    if (m_browser->source() != url)
        m_browser->setSource(url);
    show();
    raise();
    activateWindow();
    m_browser->setFocus();
}

} // namespace cb
