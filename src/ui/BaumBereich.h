// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The left pane: the application tree, the project tree, the caller list
// and the hint txtAppAktiv share one place; one of them shows.
#include "steuerung/Ansicht.h"

#include <QStackedWidget>

class QPlainTextEdit;

namespace cb {

class BaumModell;
class BaumSicht;

class BaumBereich : public QStackedWidget {
    Q_OBJECT
public:
    explicit BaumBereich(QWidget* parent = nullptr);

    void Zeigen(LinkerBereich bereich);
    LinkerBereich Sichtbar() const { return m_sichtbar; }
    void HinweisSetzen(const QString& text);

    BaumModell& AppModell() const { return *m_appModell; }
    BaumModell& ProjektModell() const { return *m_projektModell; }
    BaumModell& RoutSucheModell() const { return *m_routSucheModell; }
    BaumSicht& App() const { return *m_treApp; }
    BaumSicht& Projekt() const { return *m_treProjekt; }
    BaumSicht& RoutSuche() const { return *m_treRoutSuche; }
    QPlainTextEdit& Hinweis() const { return *m_txtAppAktiv; }
    /// The widget of the part that shows.
    QWidget* Vorne() const { return currentWidget(); }

signals:
    /// Files dropped on the application tree or on the hint in its place.
    void DateienAbgelegt(const QStringList& pfade);

protected:
    bool eventFilter(QObject* objekt, QEvent* event) override;

private:
    BaumModell* m_appModell;
    BaumModell* m_projektModell;
    BaumModell* m_routSucheModell;
    BaumSicht* m_treApp;
    BaumSicht* m_treProjekt;
    BaumSicht* m_treRoutSuche;
    QPlainTextEdit* m_txtAppAktiv;
    LinkerBereich m_sichtbar = LinkerBereich::App;
};

} // namespace cb
