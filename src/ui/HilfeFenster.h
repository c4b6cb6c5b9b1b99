// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help window: the program's HTML pages in a browser of their own,
// with the contents page, back and forward. Links between the pages and
// their anchors are followed in place; addresses outside go to the
// desktop's browser.
#include <QWidget>

class QAction;
class QTextBrowser;

namespace cb {

class HilfeFenster : public QWidget {
    Q_OBJECT
public:
    HilfeFenster(const QString& titel, QWidget* parent);
    /// Shows the page and brings the window to the front.
    void Zeigen(const QString& seite);
    QTextBrowser& Browser() const { return *m_browser; }
    QAction& Inhalt() const { return *m_inhalt; }
    QAction& Zurueck() const { return *m_zurueck; }
    QAction& Vor() const { return *m_vor; }

signals:
    /// A link to an address outside the help pages.
    void AdresseGewaehlt(const QString& adresse);

private:
    QTextBrowser* m_browser;
    QAction* m_inhalt;
    QAction* m_zurueck;
    QAction* m_vor;
};

} // namespace cb
