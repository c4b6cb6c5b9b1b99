// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands of the "&Datei" menu that open and save projects. What the
// window shows afterwards is the controller's to say; these report what
// became of the project.
#include <cstddef>
#include <string>
#include <vector>

namespace cb {

struct ProjektKontext;

enum class DateiAusgang {
    Unveraendert, // nothing done, or refused after a message: the view stays
    Gezeigt,      // a saved project is now the current one (opened, or saved and gone on with)
    Verloren,     // the project is gone from the view: the window runs "&Neu"
};

struct DateiErgebnis {
    DateiAusgang Ausgang = DateiAusgang::Unveraendert;
    /// An opened project's marked module texts for the code panes.
    std::vector<std::string> Texte;
};

/// "&Öffnen ...": lets the user choose a project folder and loads it.
DateiErgebnis mnuOeffnen_Click(ProjektKontext& k);

/// An entry of the recent list: loads the project of menu item index.
DateiErgebnis mnuOpenIndex_Click(ProjektKontext& k, std::size_t index);

/// "&Speichern Unter ...": copies the current project into a folder of its
/// own and goes on there (Gezeigt).
DateiAusgang mnuSpeichern_Click(ProjektKontext& k);

/// Makes the folder the current project and loads it, as opening does once
/// the folder is chosen.
DateiErgebnis ProjektOeffnen(ProjektKontext& k, const std::string& ordner);

} // namespace cb
