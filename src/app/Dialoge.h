// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The choosers and the input box as the core asks for them. The Qt
// application shows its own dialogs; tests answer from a script and keep
// what was asked.
#include <string>
#include <vector>

namespace cb {

/// One line of a save dialog's file-type list.
struct FilterZeile {
    std::string Text;   // shown, such as "RTF-Dokument (*.rtf)"
    std::string Muster; // such as "*.RTF"; "*.*" for all files
    /// The extensions of the line as written in the filter text; empty for
    /// all files. A dialog on a case-sensitive file system matches with these.
    std::vector<std::string> Endungen;
    bool operator==(const FilterZeile&) const = default;
};

struct SpeichernDialogAnfrage {
    std::string Titel;
    std::vector<FilterZeile> Filter;
    int FilterIndex = 1; // 1 for the first line
    std::string StartOrdner;
    std::string VorgeschlagenerName;
    std::string StandardEndung; // added when the user types a name without one
    bool UeberschreibenFragen = true;
};

class Dialoge {
public:
    virtual ~Dialoge() = default;
    /// The folder chosen, without a separator at its end; "" when cancelled.
    virtual std::string OrdnerWaehlen(const std::string& titel, const std::string& startOrdner) = 0;
    /// The full path of the file chosen; "" when cancelled.
    virtual std::string DateiSpeichern(const SpeichernDialogAnfrage& anfrage) = 0;
    /// Existing files chosen to open, full paths; none when cancelled.
    virtual std::vector<std::string> DateienOeffnen(const std::string& titel,
                                                    const std::vector<FilterZeile>& filter,
                                                    const std::string& startOrdner) = 0;
    /// The names of the fonts the screen offers, in the platform's order.
    virtual std::vector<std::string> Schriftarten() = 0;
    /// The text typed; "" when cancelled.
    virtual std::string EingabeFeld(const std::string& aufforderung, const std::string& titel,
                                    const std::string& vorgabe) = 0;
};

} // namespace cb
