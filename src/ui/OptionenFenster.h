// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The options dialog frmOptionen: four pages behind a tab strip. Every
// input goes to the dialog's state in the core, and every control then
// shows what that state says; nothing is read back from a control.
#include "steuerung/OptionenDialog.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTabBar;
class QToolButton;

namespace cb {

class OptionenFenster : public QDialog {
    Q_OBJECT
public:
    OptionenFenster(OptionenDialog& dialog, const QString& titel, QWidget* parent);

private:
    QWidget* AnzeigeSeite();
    QWidget* DateienSeite();
    QWidget* CodeSeite();
    QWidget* FormateSeite();
    QCheckBox* Kasten(int kasten, const QString& text, const QString& tooltip = {});
    QComboBox* Liste(const char* name, void (OptionenDialog::*waehlen)(std::string));
    /// Runs one input on the state, then shows the state.
    template <class F> void Eingabe(F&& f);
    void Erneuern();

    OptionenDialog& m_d;
    QTabBar* m_tbOptionen;
    QStackedWidget* m_seiten;
    std::array<QCheckBox*, KastenAnzahl> m_kaesten{};
    std::array<QGroupBox*, 3> m_rahmen{};
    QLineEdit* m_txtSpeichern = nullptr;
    QComboBox* m_cboTabStop = nullptr;
    QComboBox* m_cboSchriftArt = nullptr;
    QComboBox* m_cboSchriftGr = nullptr;
    QLabel* m_lblSchrift = nullptr;
    bool m_erneuert = false;
};

} // namespace cb
