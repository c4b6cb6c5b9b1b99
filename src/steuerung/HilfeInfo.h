// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help pages and the about box frmAbout: where the pages lie, the
// message when they are missing, the about box's texts, its home-page
// button and its system-information button.
#include <span>
#include <string>

namespace cb {

struct Zustand;
class Meldungen;
class Shell;

/// The first page of the help, in the program's data folder.
std::string HilfeStartseite(const Zustand& z);
/// The message for missing help pages; it names the data folder.
std::string HilfeFehlerText(const Zustand& z);

struct InfoTexte {
    std::string Titel;        // the about box's caption
    std::string Ueberschrift; // lblTitle, two lines
    std::string Version;      // lblVersion
    std::string HomePage;     // caption and address of cmdHP
};
InfoTexte InfoTexteBilden(const Zustand& z);

/// An address in the user's browser; a message when none starts.
void AdresseOeffnen(Shell& shell, Meldungen& meldungen, const std::string& adresse);
/// cmdHP: the home page so.
void HomePageOeffnen(Shell& shell, Meldungen& meldungen);

/// The system-information programs looked for on the search path, in this
/// order: the first one found is started.
std::span<const char* const> SysInfoProgramme();
/// cmdSysInfo: starts the first system-information program there is; a
/// message when there is none or it does not start.
void SysInfoStarten(Shell& shell, Meldungen& meldungen);

} // namespace cb
