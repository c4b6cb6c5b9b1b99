// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mini window frmMin: a small window at the top-left corner of the
// screen above all others that turns the code on the clipboard into HTML
// and brings the main window back. It decides nothing; its buttons and
// its closing go to the controller.
#include <QWidget>

class QPushButton;

namespace cb {

class MiniFenster : public QWidget {
    Q_OBJECT
public:
    explicit MiniFenster(const QString& titel);

    QPushButton& Vollansicht() const { return *m_cmdClose; }
    QPushButton& Html() const { return *m_cmdHtml; }

signals:
    void VollansichtGeklickt();
    void HtmlGeklickt();
    /// Closed by its close box or by the system, not hidden by the controller.
    void Geschlossen();

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void InDieEcke();

    QPushButton* m_cmdClose;
    QPushButton* m_cmdHtml;
};

} // namespace cb
