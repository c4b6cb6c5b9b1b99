// SPDX-License-Identifier: GPL-3.0-or-later
#include "Befehlsleisten.h"
#include "Masse.h"
#include "QtText.h"
#include "Symbole.h"

#include "projects/ZuletztListe.h"
#include "steuerung/KontextMenue.h"
#include "steuerung/ProjektModus.h"

#include <QAction>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>

namespace cb {

Befehlsleisten::Befehlsleisten(QMainWindow& fenster) : QObject(&fenster) {
    MenueleisteBauen(fenster);
    SymbolleisteBauen(fenster);
    SuchleisteBauen(fenster);
}

void Befehlsleisten::MenueleisteBauen(QMainWindow& fenster) {
    QMenu* menue = nullptr;
    for (const MenueEintrag& e : Menueleiste()) {
        if (e.Ebene == 0 && e.Art == MenueArt::Menue) {
            menue = fenster.menuBar()->addMenu(Q(e.Beschriftung));
            menue->setObjectName(Q(e.Name));
            if (e.Gruppe)
                m_menues[*e.Gruppe] = menue;
            continue;
        }
        if (e.Art == MenueArt::Strich) {
            if (menue)
                menue->addSeparator()->setObjectName(Q(e.Name));
            continue;
        }
        // A command of the bar itself ("&VB Einlesen") or an item of the menu
        QAction* a = e.Ebene == 0 ? fenster.menuBar()->addAction(Q(e.Beschriftung))
                                  : menue->addAction(Q(e.Beschriftung));
        a->setObjectName(e.Index >= 0 ? QStringLiteral("%1_%2").arg(Q(e.Name)).arg(e.Index) : Q(e.Name));
        a->setVisible(e.Sichtbar);
        a->setCheckable(e.Abhakbar);
        if (!e.Taste.empty())
            a->setShortcut(QKeySequence(Q(e.Taste), QKeySequence::PortableText));
        if (!e.Ausfuehren)
            continue;
        const Befehl befehl = *e.Ausfuehren;
        const int index = e.Index;
        if (befehl == Befehl::ZuletztOeffnen)
            m_zuletzt[static_cast<std::size_t>(index)] = a;
        else
            m_aktionen[befehl] = a;
        connect(a, &QAction::triggered, this, [this, befehl, index] {
            emit BefehlGewaehlt(befehl, index < 0 ? 0 : index);
            SchalterErneuern();
        });
    }
}

void Befehlsleisten::SymbolleisteBauen(QMainWindow& fenster) {
    m_tobSymb1 = fenster.addToolBar(QStringLiteral("Symbolleiste"));
    m_tobSymb1->setObjectName("tobSymb1");
    m_tobSymb1->setMovable(false);
    for (const LeistenEintrag& e : Symbolleiste()) {
        switch (e.Art) {
        case LeistenArt::Strich:
            m_tobSymb1->addSeparator();
            break;
        case LeistenArt::Platzhalter: {
            QWidget* platz;
            if (e.Schluessel.empty()) {
                m_txtSuche = new QLineEdit(m_tobSymb1);
                m_txtSuche->setObjectName("txtSuche");
                m_txtSuche->setToolTip(QStringLiteral("Text für Suche"));
                m_txtSuche->installEventFilter(this);
                platz = m_txtSuche;
            } else {
                platz = new QWidget(m_tobSymb1);
                platz->setObjectName(Q(e.Schluessel));
            }
            platz->setFixedWidth(TwipsPixel(e.Breite, &fenster));
            m_tobSymb1->addWidget(platz)->setVisible(e.Sichtbar);
            break;
        }
        case LeistenArt::Knopf: {
            QAction* a = m_tobSymb1->addAction(KnopfBild(e.Schluessel), Q(e.Tooltip));
            a->setObjectName(Q(e.Schluessel));
            a->setToolTip(Q(e.Tooltip));
            a->setCheckable(e.Schluessel == "su_p" || e.Schluessel == "su_g" || e.Schluessel == "zoom");
            m_knoepfe.emplace(std::string(e.Schluessel), a);
            const QString schluessel = Q(e.Schluessel);
            connect(a, &QAction::triggered, this, [this, schluessel] {
                emit KnopfGeklickt(schluessel);
                SchalterErneuern();
            });
            break;
        }
        }
    }
}

void Befehlsleisten::SuchleisteBauen(QMainWindow& fenster) {
    m_tobSuche = fenster.addToolBar(QStringLiteral("Routinensuche"));
    m_tobSuche->setObjectName("tobSuche");
    m_tobSuche->setMovable(false);
    auto* cont = new QWidget(m_tobSuche);
    cont->setObjectName("cont");
    cont->setFixedWidth(TwipsPixel(4000, &fenster));
    auto* layout = new QHBoxLayout(cont);
    layout->setContentsMargins(4, 0, 4, 0);
    m_lblRoutSuche = new QLabel(cont);
    m_lblRoutSuche->setObjectName("lblRoutSuche");
    layout->addWidget(m_lblRoutSuche);
    m_tobSuche->addWidget(cont);
    QAction* schliessen = m_tobSuche->addAction(KnopfBild("close"), QStringLiteral("Schliessen"));
    schliessen->setObjectName("close");
    schliessen->setToolTip(QStringLiteral("Schliesst die Routinensuche"));
    connect(schliessen, &QAction::triggered, this,
            [this] { emit SuchleisteGeklickt(QStringLiteral("close")); });
    m_tobSuche->setVisible(false);
}

void Befehlsleisten::RoutSucheLeiste(bool an) {
    m_tobSuche->setVisible(an);
    m_tobSymb1->setVisible(!an);
}

QAction* Befehlsleisten::Aktion(Befehl befehl) const {
    if (befehl == Befehl::ZuletztOeffnen)
        return m_zuletzt[0];
    auto it = m_aktionen.find(befehl);
    return it == m_aktionen.end() ? nullptr : it->second;
}

QAction* Befehlsleisten::Knopf(std::string_view schluessel) const {
    auto it = m_knoepfe.find(schluessel);
    return it == m_knoepfe.end() ? nullptr : it->second;
}

QMenu* Befehlsleisten::Menue(cb::Menue menue) const {
    auto it = m_menues.find(menue);
    return it == m_menues.end() ? nullptr : it->second;
}

void Befehlsleisten::FreigabenZeigen(const Freigaben& f) {
    for (auto& [befehl, aktion] : m_aktionen)
        aktion->setEnabled(f.An(befehl));
    for (QAction* a : m_zuletzt)
        a->setEnabled(f.An(Befehl::ZuletztOeffnen));
    for (auto& [menue, qmenue] : m_menues)
        qmenue->menuAction()->setEnabled(f.An(menue));
    for (std::size_t k = 0; k < KnopfAnzahl; ++k)
        if (QAction* a = Knopf(KnopfSchluessel(static_cast<cb::Knopf>(k))))
            a->setEnabled(f.An(static_cast<cb::Knopf>(k)));
}

void Befehlsleisten::SchalterZeigen(bool projektsuche, bool ganzesWort, bool zoom) {
    m_projektsuche = projektsuche;
    m_ganzesWort = ganzesWort;
    m_zoom = zoom;
    SchalterErneuern();
}

void Befehlsleisten::SchalterErneuern() {
    // A checkable action flips itself when triggered; what shows is only
    // what the controller said, also when it refused the command.
    const std::pair<QAction*, bool> schalter[] = {
        {Aktion(Befehl::ProjektsucheUmschalten), m_projektsuche},
        {Knopf("su_p"), m_projektsuche},
        {Aktion(Befehl::GanzesWortUmschalten), m_ganzesWort},
        {Knopf("su_g"), m_ganzesWort},
        {Aktion(Befehl::Zoom), m_zoom},
        {Knopf("zoom"), m_zoom},
    };
    for (auto [aktion, an] : schalter)
        if (aktion)
            aktion->setChecked(an);
}

void Befehlsleisten::ZuletztZeigen(const std::array<ZuletztMenuePunkt, 10>& zuletzt) {
    for (std::size_t i = 0; i < zuletzt.size(); ++i) {
        m_zuletzt[i]->setText(QString::fromStdString(zuletzt[i].Caption));
        m_zuletzt[i]->setVisible(zuletzt[i].Sichtbar);
    }
}

QMenu* Befehlsleisten::PopUpBauen(PopUp art, const KontextMenue& km, const Freigaben& f, QWidget* eltern) {
    auto* menue = new QMenu(eltern);
    QMenu* unter = nullptr;
    for (const MenueEintrag& e : PopUpMenue(art)) {
        if (e.Ebene == 0) {
            menue->setObjectName(Q(e.Name));
            continue;
        }
        QMenu* ziel = e.Ebene == 2 && unter ? unter : menue;
        if (e.Art == MenueArt::Strich) {
            ziel->addSeparator();
            continue;
        }
        if (!e.Ausfuehren) {
            unter = menue->addMenu(Q(e.Beschriftung));
            unter->setObjectName(Q(e.Name));
            continue;
        }
        QString text = Q(e.Beschriftung);
        bool an = f.An(*e.Ausfuehren);
        if (art == PopUp::Haupt && *e.Ausfuehren == Befehl::Definition) {
            text = QString::fromStdString(km.Definition);
            an = km.DefinitionAn;
        } else if (art == PopUp::Haupt && *e.Ausfuehren == Befehl::RoutineAufrufe) {
            text = QString::fromStdString(km.Aufruf);
            an = km.AufrufAn;
        } else if (art == PopUp::Einlesen && *e.Ausfuehren == Befehl::CodeEinlesen) {
            an = km.CodeEinlesenAn;
        }
        QAction* a = ziel->addAction(text);
        a->setObjectName(e.Index >= 0 ? QStringLiteral("%1_%2").arg(Q(e.Name)).arg(e.Index) : Q(e.Name));
        a->setEnabled(an);
        const Befehl befehl = *e.Ausfuehren;
        connect(a, &QAction::triggered, this, [this, befehl] {
            emit BefehlGewaehlt(befehl, 0);
            SchalterErneuern();
        });
    }
    return menue;
}

bool Befehlsleisten::eventFilter(QObject* objekt, QEvent* e) {
    // The whole text is selected as the field gets the focus; after a
    // click, once the click has set its caret.
    // Not when the window comes back or the field's own menu closes: the
    // user goes on where the caret was.
    if (objekt == m_txtSuche && e->type() == QEvent::FocusIn) {
        const Qt::FocusReason grund = static_cast<QFocusEvent*>(e)->reason();
        if (grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason)
            QTimer::singleShot(0, m_txtSuche, &QLineEdit::selectAll);
    }
    return QObject::eventFilter(objekt, e);
}

} // namespace cb
