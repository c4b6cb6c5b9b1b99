// SPDX-License-Identifier: GPL-3.0-or-later
// The structure listing of the visible tree, and the clipboard command.
#include "CodeProjekt.h"

#include "analysis/StrukturListe.h"
#include "app/Start.h"
#include "app/Zwischenablage.h"

namespace cb::test {
namespace {

class StrukturListe : public CodeProjekt {};

TEST_F(StrukturListe, ProjektbaumInSeinerReihenfolge) {
    Modul("Tabelle1", {"Private Sub Worksheet_Change(ByVal Target As Range)", "End Sub"}, ModulDokument);
    Modul("Modul1", {"Sub B()", "End Sub", "Function A() As Long", "End Function"});
    Modul("Leer", {"' nur ein Kommentar"}, ModulDokument);
    Baum projektBaum = Anzeigen();
    EXPECT_EQ(StrukturText(projektBaum), "Modul1\r\n\tA\r\n\tB\r\nLeer\r\nTabelle1\r\n\tWorksheet_Change\r\n")
        << "standard modules before document modules, each group and its routines by name";
}

TEST(StrukturText, NurZweiEbenenUndKinderInIhrerIndexreihenfolge) {
    Baum b;
    b.Hinzufuegen("A1\\", "Projekt [Mappe.xlsm]", "Fahne");
    b.Hinzufuegen("X", "Zweites", "M2");
    b.Hinzufuegen("A1\\M", "Modul", "M2", "A1\\");
    b.Hinzufuegen("A1\\M\\R", "tiefer", "R1O1", "A1\\M");
    b.Hinzufuegen("X\\K", "Kind von Zweites", "M2", "X");
    b.Hinzufuegen("A1\\N", "Nachzügler", "M3", "A1\\");
    EXPECT_EQ(StrukturText(b),
              "Projekt [Mappe.xlsm]\r\n\tModul\r\n\tNachzügler\r\nZweites\r\n\tKind von Zweites\r\n");
    EXPECT_EQ(StrukturText(Baum{}), "");
}

TEST(StrukturInZwischenablage, LeertSetztUndMeldetNachOption) {
    Zustand z;
    StandardWerteSetzen(z);
    ZwischenablageImSpeicher clip;
    clip.TextSetzen("alt");
    AufzeichnendeMeldungen meldungen;
    Baum b;
    b.Hinzufuegen("M1", "Modul1", "M2");
    b.Hinzufuegen("R1", "A", "R1O1", "M1");

    StrukturInZwischenablage(z.Opt, z.ProgrammTitel, b, clip, meldungen);
    EXPECT_EQ(clip.TextLesen(), "Modul1\r\n\tA\r\n");
    EXPECT_EQ(clip.MalGeleert(), 1);
    ASSERT_EQ(meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(meldungen.Gezeigt()[0].Text, "Struktur in der Zwischenablage erstellt");
    EXPECT_EQ(meldungen.Gezeigt()[0].Symbol, MeldungsSymbol::Information);
    EXPECT_EQ(meldungen.Gezeigt()[0].Knoepfe, MeldungsKnoepfe::Ok);
    EXPECT_EQ(meldungen.Gezeigt()[0].Titel, z.ProgrammTitel);

    StrukturInZwischenablage(z.Opt, z.ProgrammTitel, Baum{}, clip, meldungen);
    EXPECT_EQ(clip.TextLesen(), "") << "an empty tree empties the clipboard";
    EXPECT_EQ(meldungen.Gezeigt().size(), 2u) << "and still says so";

    z.Opt.MeldungNachClip = false;
    StrukturInZwischenablage(z.Opt, z.ProgrammTitel, b, clip, meldungen);
    EXPECT_EQ(clip.TextLesen(), "Modul1\r\n\tA\r\n");
    EXPECT_EQ(meldungen.Gezeigt().size(), 2u) << "silent with the option off";
}

TEST(StrukturBaumWaehlen, DerLetzteSichtbareVonAnwendungProjektSuche) {
    Baum app, projekt, suche;
    EXPECT_EQ(StrukturBaumWaehlen(app, true, projekt, false, suche, false), &app);
    EXPECT_EQ(StrukturBaumWaehlen(app, true, projekt, true, suche, false), &projekt);
    EXPECT_EQ(StrukturBaumWaehlen(app, false, projekt, true, suche, true), &suche);
    EXPECT_EQ(StrukturBaumWaehlen(app, false, projekt, false, suche, false), nullptr);
}

} // namespace
} // namespace cb::test
