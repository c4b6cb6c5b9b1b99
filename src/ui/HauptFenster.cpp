// SPDX-License-Identifier: GPL-3.0-or-later
#include "HauptFenster.h"

#include "BaumAnsicht.h"
#include "QtMeldungen.h"

#include "app/Zustand.h"
#include "import/AppBaumHaken.h"
#include "import/AppTexte.h"
#include "import/ProjekteAuflisten.h"

#include <QLabel>
#include <QSplitter>
#include <QVBoxLayout>

namespace cb {

HauptFenster::HauptFenster(Zustand& zustand, Host& host, QWidget* parent)
    : QMainWindow(parent), m_zustand(zustand), m_host(host),
      m_meldungen(std::make_unique<QtMeldungen>(this, zustand.ProgrammTitel)) {
    setWindowTitle(QString::fromStdString(m_zustand.ProgrammTitel));
    resize(1000, 700);

    auto* links = new QWidget;
    auto* layout = new QVBoxLayout(links);
    layout->setContentsMargins(0, 0, 0, 0);
    m_txtAppAktiv = new QLabel;
    m_txtAppAktiv->setWordWrap(true);
    m_txtAppAktiv->hide();
    m_treAppAnsicht = new BaumAnsicht(true);
    m_treAppAnsicht->setObjectName("treApp");
    layout->addWidget(m_txtAppAktiv);
    layout->addWidget(m_treAppAnsicht);

    auto* teiler = new QSplitter;
    teiler->addWidget(links);
    teiler->addWidget(new QWidget);
    teiler->setSizes({300, 700});
    setCentralWidget(teiler);

    connect(m_treAppAnsicht, &BaumAnsicht::Gehakt, this, &HauptFenster::AppKnotenGehaktBei);
    ProjekteNeuAuflisten();
}

HauptFenster::~HauptFenster() = default;

void HauptFenster::ProjekteNeuAuflisten() {
    const bool ok = ProjekteAuflisten(m_zustand, m_host, *m_meldungen, m_treApp);
    AlleAufklappen(m_treApp);
    m_treAppAnsicht->Zeigen(m_treApp);
    std::string hinweis;
    if (!ok)
        hinweis = m_zustand.AppVersion >= 10 ? ZugriffVerweigertText(m_zustand.AppName)
                                             : NichtGeoeffnetText(m_zustand.AppName);
    else if (m_treApp.Leer())
        hinweis = KeineProjekteText(m_zustand.AppName);
    m_txtAppAktiv->setText(QString::fromStdString(hinweis));
    m_txtAppAktiv->setVisible(!hinweis.empty());
}

QString HauptFenster::AppHinweis() const {
    return m_txtAppAktiv->isVisible() ? m_txtAppAktiv->text() : QString();
}

void HauptFenster::AppKnotenGehaktBei(const QString& schluessel) {
    m_treAppAnsicht->HakenUebernehmen(m_treApp);
    AppKnotenGehakt(m_treApp, schluessel.toStdString());
    m_treAppAnsicht->Zeigen(m_treApp);
}

} // namespace cb
