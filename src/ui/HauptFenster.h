// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QMainWindow>

namespace cb {

struct Zustand;

/// The main window (frmHaupt).
class HauptFenster : public QMainWindow {
    Q_OBJECT
public:
    explicit HauptFenster(Zustand& zustand, QWidget* parent = nullptr);

private:
    Zustand& m_zustand;
};

} // namespace cb
