// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The menu bar, the pop-up menus and the two toolbars, built from the
// core's tables. Every click comes back as a command or a button key;
// enabled states, check marks and pressed buttons are only what the
// controller last said.
#include "steuerung/Befehle.h"

#include <QObject>
#include <QString>

#include <array>
#include <map>
#include <string_view>

class QAction;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QToolBar;
class QWidget;

namespace cb {

class Freigaben;
struct KontextMenue;
struct ZuletztMenuePunkt;

class Befehlsleisten : public QObject {
    Q_OBJECT
public:
    explicit Befehlsleisten(QMainWindow& fenster);

    void FreigabenZeigen(const Freigaben& f);
    void SchalterZeigen(bool projektsuche, bool ganzesWort, bool zoom);
    /// The recent entries of "&Datei" as the controller keeps them.
    void ZuletztZeigen(const std::array<ZuletztMenuePunkt, 10>& zuletzt);
    /// A pop-up menu made afresh, its captions from km (for the code pane's
    /// own pop-up); the caller shows it and deletes it.
    QMenu* PopUpBauen(PopUp art, const KontextMenue& km, const Freigaben& f, QWidget* eltern);
    /// The routine-search toolbar in place of the main one, or back.
    void RoutSucheLeiste(bool an);

    QAction* Aktion(Befehl befehl) const;
    QAction* Knopf(std::string_view schluessel) const;
    QMenu* Menue(cb::Menue menue) const;
    QToolBar& Haupt() const { return *m_tobSymb1; }
    QToolBar& Suche() const { return *m_tobSuche; }
    QLineEdit& Suchfeld() const { return *m_txtSuche; }
    QLabel& RoutSucheBezeichnung() const { return *m_lblRoutSuche; }

signals:
    void BefehlGewaehlt(cb::Befehl befehl, int index);
    void KnopfGeklickt(const QString& schluessel);
    void SuchleisteGeklickt(const QString& schluessel);

protected:
    bool eventFilter(QObject* objekt, QEvent* e) override;

private:
    void MenueleisteBauen(QMainWindow& fenster);
    void SymbolleisteBauen(QMainWindow& fenster);
    void SuchleisteBauen(QMainWindow& fenster);
    void SchalterErneuern();

    std::map<Befehl, QAction*> m_aktionen;
    std::array<QAction*, 10> m_zuletzt{};
    std::map<cb::Menue, QMenu*> m_menues;
    std::map<std::string, QAction*, std::less<>> m_knoepfe;
    QToolBar* m_tobSymb1 = nullptr;
    QToolBar* m_tobSuche = nullptr;
    QLineEdit* m_txtSuche = nullptr;
    QLabel* m_lblRoutSuche = nullptr;
    bool m_projektsuche = false, m_ganzesWort = false, m_zoom = false;
};

} // namespace cb
