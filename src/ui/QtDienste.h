// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop's services behind the core's interfaces: the choosers and
// the input box, the system clipboard and the desktop's programs.
#include "app/Dialoge.h"
#include "app/Shell.h"
#include "app/Zwischenablage.h"

#include <QStringList>

class QWidget;

namespace cb {

class QtDialoge final : public Dialoge {
public:
    explicit QtDialoge(QWidget* besitzer) : m_besitzer(besitzer) {}
    std::string OrdnerWaehlen(const std::string& titel, const std::string& startOrdner) override;
    std::string DateiSpeichern(const SpeichernDialogAnfrage& anfrage) override;
    std::vector<std::string> DateienOeffnen(const std::string& titel, const std::vector<FilterZeile>& filter,
                                            const std::string& startOrdner) override;
    std::vector<std::string> Schriftarten() override;
    std::string EingabeFeld(const std::string& aufforderung, const std::string& titel,
                            const std::string& vorgabe) override;

private:
    QWidget* m_besitzer;
};

class QtZwischenablage final : public Zwischenablage {
public:
    void Leeren() override;
    void TextSetzen(const std::string& text) override;
    void RtfSetzen(const std::string& rtfBytes, const std::string& text) override;
    void HtmlSetzen(const std::string& html) override;
    std::string TextLesen() const override;
};

class QtShell final : public Shell {
public:
    bool Oeffnen(const std::string& dateiOderAdresse) override;
    std::string ProgrammFinden(const std::string& name) override;
    bool ProgrammStarten(const std::string& pfad) override;
};

/// The window a dialog or message belongs to: the modal dialog open (the
/// options), else the main window, or the active window (the mini window)
/// while the main window is hidden.
QWidget* DialogBesitzer(QWidget* haupt);

/// Makes the owner's window active again after a dialog: without a window
/// manager to do it (a bare X server) its shortcuts would stay dead.
void FensterAktivieren(QWidget* besitzer);

/// The name filters of a file dialog for the filter lines: every extension
/// in both letter cases, since the file system tells them apart.
QStringList NamensFilter(const std::vector<FilterZeile>& filter);

} // namespace cb
