// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dropping the shown project and listing the host's projects again.
namespace cb {

struct Zustand;
class OffenesProjekt;
class Anzeige;
class AppFenster;
class Baum;
class Host;
class Meldungen;

/// What the refresh works on.
struct AppKontext {
    Zustand& z;
    OffenesProjekt& projekt;
    Host& host;
    Meldungen& meldungen;
    Anzeige& anzeige;
    AppFenster& fenster;
    Baum& treApp;
};

/// Closes the shown project, lists the host's projects in treApp and, when
/// there is nothing to choose from, puts the reason into txtAppAktiv. Every
/// step runs even when one before it failed.
void AppProjekteAktualisieren(AppKontext& k);

/// The command "&Aktualisieren VBA Projekte": asks whether an unsaved
/// project is to be saved first (Cancel changes nothing), then resets the
/// caption and the mode and lists again.
void mnuAnsicht_App_Aktualisieren_Click(AppKontext& k);

} // namespace cb
