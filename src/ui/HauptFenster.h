// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/Baum.h"

#include <QMainWindow>

#include <memory>

class QLabel;

namespace cb {

struct Zustand;
class Host;
class BaumAnsicht;
class QtMeldungen;

/// The main window (frmHaupt). So far it lists the host's VBA projects in
/// the application tree with its tick rules.
class HauptFenster : public QMainWindow {
    Q_OBJECT
public:
    HauptFenster(Zustand& zustand, Host& host, QWidget* parent = nullptr);
    ~HauptFenster() override;

    /// Lists the host's projects again, with the hint when there are none.
    void ProjekteNeuAuflisten();

    const Baum& AppBaum() const { return m_treApp; }
    BaumAnsicht& AppAnsicht() const { return *m_treAppAnsicht; }
    /// The hint over the left pane (txtAppAktiv); empty when hidden.
    QString AppHinweis() const;

private:
    void AppKnotenGehaktBei(const QString& schluessel);

    Zustand& m_zustand;
    Host& m_host;
    std::unique_ptr<QtMeldungen> m_meldungen;
    Baum m_treApp;
    BaumAnsicht* m_treAppAnsicht;
    QLabel* m_txtAppAktiv;
};

} // namespace cb
