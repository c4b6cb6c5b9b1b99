// SPDX-License-Identifier: GPL-3.0-or-later
#include "HauptFenster.h"

#include "app/Zustand.h"

namespace cb {

HauptFenster::HauptFenster(Zustand& zustand, QWidget* parent)
    : QMainWindow(parent), m_zustand(zustand) {
    setWindowTitle(QString::fromStdString(m_zustand.ProgrammTitel));
    resize(1000, 700);
}

} // namespace cb
