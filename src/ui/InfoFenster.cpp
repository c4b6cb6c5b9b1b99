// SPDX-License-Identifier: GPL-3.0-or-later
#include "InfoFenster.h"
#include "Masse.h"
#include "Symbole.h"

#include "steuerung/HilfeInfo.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace cb {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QFrame* Linie() {
    auto* linie = new QFrame;
    linie->setFrameShape(QFrame::HLine);
    linie->setFrameShadow(QFrame::Sunken);
    return linie;
}

} // namespace

InfoFenster::InfoFenster(const InfoTexte& texte, QWidget* parent)
    : QDialog(parent), m_cmdHP(new QPushButton(Q(texte.HomePage), this)),
      m_cmdSysInfo(new QPushButton(QStringLiteral("&Systeminfo..."), this)) {
    setObjectName("frmAbout");
    setWindowTitle(Q(texte.Titel));
    auto* bild = new QLabel;
    bild->setObjectName("picIcon");
    bild->setPixmap(ProgrammBild().pixmap(TwipsPixel(480, this)));
    auto* titel = new QLabel(Q(texte.Ueberschrift));
    titel->setObjectName("lblTitle");
    QFont gross = titel->font();
    gross.setPointSizeF(gross.pointSizeF() * 1.3);
    gross.setBold(true);
    titel->setFont(gross);
    auto* version = new QLabel(Q(texte.Version));
    version->setObjectName("lblVersion");
    m_cmdHP->setObjectName("cmdHP");
    m_cmdHP->setCursor(Qt::PointingHandCursor);
    m_normal = m_cmdHP->palette();
    m_cmdHP->installEventFilter(this);
    m_cmdSysInfo->setObjectName("cmdSysInfo");
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cmdHP, &QPushButton::clicked, this, &InfoFenster::HomePageGeklickt);
    connect(m_cmdSysInfo, &QPushButton::clicked, this, &InfoFenster::SysInfoGeklickt);

    auto* kopf = new QHBoxLayout;
    kopf->addWidget(bild, 0, Qt::AlignTop);
    auto* texteLayout = new QVBoxLayout;
    texteLayout->addWidget(titel);
    texteLayout->addWidget(version);
    kopf->addLayout(texteLayout, 1);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(m_cmdHP);
    knoepfe->addStretch();
    knoepfe->addWidget(m_cmdSysInfo);
    knoepfe->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(kopf);
    layout->addWidget(Linie());
    layout->addStretch();
    layout->addWidget(Linie());
    layout->addLayout(knoepfe);
    setMinimumWidth(TwipsPixel(6000, this));
}

bool InfoFenster::eventFilter(QObject* objekt, QEvent* e) {
    // Yellow under the mouse, its own colour again when the mouse leaves;
    // the palette keeps the button's shape and size as they are.
    if (objekt == m_cmdHP && (e->type() == QEvent::Enter || e->type() == QEvent::Leave)) {
        QPalette farben = m_normal;
        if (e->type() == QEvent::Enter)
            farben.setColor(QPalette::Button, QColor(255, 255, 0));
        m_cmdHP->setPalette(farben);
    }
    return QDialog::eventFilter(objekt, e);
}

} // namespace cb
