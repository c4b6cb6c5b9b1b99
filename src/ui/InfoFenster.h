// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The about box frmAbout: title, version, the home-page button that turns
// yellow under the mouse, and the system-information button. What the
// buttons do is the controller's.
#include <QDialog>
#include <QPalette>

class QPushButton;

namespace cb {

struct InfoTexte;

class InfoFenster : public QDialog {
    Q_OBJECT
public:
    InfoFenster(const InfoTexte& texte, QWidget* parent);
    QPushButton& HomePage() const { return *m_cmdHP; }
    QPushButton& SysInfo() const { return *m_cmdSysInfo; }

signals:
    void HomePageGeklickt();
    void SysInfoGeklickt();

protected:
    bool eventFilter(QObject* objekt, QEvent* e) override;

private:
    QPushButton* m_cmdHP;
    QPushButton* m_cmdSysInfo;
    QPalette m_normal; // cmdHP's own colours
};

} // namespace cb
