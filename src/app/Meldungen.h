// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the core shows a message and takes the user's answer. The Qt
// application shows a message box titled with ProgrammTitel, the command
// line writes to standard error, tests record and answer as scripted.
#include <string>

namespace cb {

enum class MeldungsSymbol { Keins, Kritisch, Warnung, Information, Frage };
enum class MeldungsKnoepfe { Ok, OkAbbrechen, JaNein, JaNeinAbbrechen };
enum class MeldungsAntwort { Ok, Abbrechen, Ja, Nein };

class Meldungen {
public:
    virtual ~Meldungen() = default;
    /// Shows the text and returns the button chosen. An empty title stands
    /// for the application's own title.
    virtual MeldungsAntwort Zeigen(const std::string& text, MeldungsSymbol symbol, MeldungsKnoepfe knoepfe,
                                   const std::string& titel) = 0;

    /// A message with OK only, under the application's title.
    void Melden(const std::string& text, MeldungsSymbol symbol) {
        Zeigen(text, symbol, MeldungsKnoepfe::Ok, {});
    }
};

} // namespace cb
