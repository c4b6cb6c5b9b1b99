// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Messages of the core as modal message boxes over the main window.
#include "app/Meldungen.h"

#include <string>

class QWidget;

namespace cb {

class QtMeldungen final : public Meldungen {
public:
    /// titel is used for messages without a title of their own.
    QtMeldungen(QWidget* besitzer, std::string titel) : m_besitzer(besitzer), m_titel(std::move(titel)) {}
    MeldungsAntwort Zeigen(const std::string& text, MeldungsSymbol symbol, MeldungsKnoepfe knoepfe,
                           const std::string& titel) override;

private:
    QWidget* m_besitzer;
    std::string m_titel;
};

} // namespace cb
