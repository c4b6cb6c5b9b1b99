// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtMeldungen.h"
#include "QtDienste.h"

#include <QMessageBox>

namespace cb {

MeldungsAntwort QtMeldungen::Zeigen(const std::string& text, MeldungsSymbol symbol, MeldungsKnoepfe knoepfe,
                                    const std::string& titel) {
    QWidget* besitzer = DialogBesitzer(m_besitzer);
    QMessageBox box(besitzer);
    box.setWindowTitle(QString::fromStdString(titel.empty() ? m_titel : titel));
    box.setText(QString::fromStdString(text));
    switch (symbol) {
    case MeldungsSymbol::Keins:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MeldungsSymbol::Kritisch:
        box.setIcon(QMessageBox::Critical);
        break;
    case MeldungsSymbol::Warnung:
        box.setIcon(QMessageBox::Warning);
        break;
    case MeldungsSymbol::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MeldungsSymbol::Frage:
        box.setIcon(QMessageBox::Question);
        break;
    }
    switch (knoepfe) {
    case MeldungsKnoepfe::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MeldungsKnoepfe::OkAbbrechen:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MeldungsKnoepfe::JaNein:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MeldungsKnoepfe::JaNeinAbbrechen:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    const int gewaehlt = box.exec();
    FensterAktivieren(besitzer);
    switch (gewaehlt) {
    case QMessageBox::Yes:
        return MeldungsAntwort::Ja;
    case QMessageBox::No:
        return MeldungsAntwort::Nein;
    case QMessageBox::Cancel:
        return MeldungsAntwort::Abbrechen;
    default:
        return MeldungsAntwort::Ok;
    }
}

} // namespace cb
