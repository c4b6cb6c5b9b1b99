// SPDX-License-Identifier: GPL-3.0-or-later
// Reading ticked modules from the host into a new project database.
#include "import/ProjektEinlesen.h"

#include "import/AppTexte.h"
#include "import/ProjekteAuflisten.h"
#include "store/DatenbankDatei.h"
#include "store/ProjektBaum.h"

#include "ImportHilfen.h"

#include <filesystem>

using namespace cb;
using namespace cb::test;

namespace {

class Einlesen : public ImportTest {
protected:
    void SetUp() override {
        ImportTest::SetUp();
        host.Projekte = {
            Projekt("Erstes", "/m/erstes.xlsm", {Komp("Modul1", HostStandardModul, SubCode("Eins"))}),
            Projekt(
                "Umsatz", "/m/umsatz.xlsm",
                {Komp("Tabelle1", HostDokument, SubCode("Worksheet_Change")),
                 Komp(
                     "Rechnen", HostStandardModul,
                     "Option Explicit\r\nPublic Function Summe(a, b)\r\n    Summe = a + b\r\nEnd Function\r\n"
                     "Private Sub Hilfe()\r\nEnd Sub"),
                 Komp("Designer1", HostActiveXDesigner, SubCode("D")),
                 Komp("Maske", HostUserForm, SubCode("UserForm_Click"))}),
        };
        ASSERT_TRUE(ProjekteAuflisten(z, host, meldungen, treApp));
    }
    void Haken(const std::string& s) { treApp.Finden(s)->Haken = true; }
    bool Lesen() { return ProjektEinlesen(z, projekt, host, meldungen, anzeige, treApp); }

    struct Modul {
        std::string schluessel, name, bild;
        bool operator==(const Modul&) const = default;
    };
    // What the project tree will show, read back through the store.
    std::vector<Modul> GespeicherteModule() {
        projekt.DatenbankOeffnen();
        std::vector<Modul> m;
        for (const auto& k : projekt.ModullisteLaden())
            m.push_back({k.Schluessel, k.Text, k.Bild});
        return m;
    }
    std::vector<std::string> Routinen() {
        std::vector<std::string> r;
        for (const auto& k : projekt.RoutinenlisteLaden())
            r.push_back(k.Eltern + "/" + k.Text);
        return r;
    }
};

} // namespace

TEST_F(Einlesen, ZweiModuleInBaumreihenfolge) {
    Haken("A2\\Rechnen");
    Haken("A2\\Tabelle1");
    ASSERT_TRUE(Lesen());
    EXPECT_TRUE(meldungen.Gezeigt().empty());
    EXPECT_EQ(anzeige.Titel(), "Excel Code Brindle 1.0 Projekt: Umsatz [nicht gespeichert !!!]");
    EXPECT_TRUE(projekt.NichtGespeichert);
    EXPECT_EQ(treApp.Tag, "Umsatz");
    EXPECT_EQ(anzeige.Status(Panel::Modul), "Modul: Rechnen");
    EXPECT_EQ(anzeige.Status(Panel::Aktivitaet), "");
    EXPECT_FALSE(anzeige.Sanduhr());
    EXPECT_FALSE(projekt.DatenbankOffen()) << "closed after reading";
    EXPECT_EQ(host.LebendeObjekte(), 0);
    EXPECT_EQ(GespeicherteModule().size(), 2u) << "two modules numbered";
    EXPECT_EQ(projekt.RoutinenNummer, 3);
    // Tabelle1 comes first in the tree, so it is module 1.
    EXPECT_EQ(GespeicherteModule(), (std::vector<Modul>{{"M2", "Rechnen", "M2"}, {"M1", "Tabelle1", "M5"}}));
    EXPECT_EQ(Routinen(), (std::vector<std::string>{"M1/Worksheet_Change", "M2/Hilfe", "M2/Summe"}));
    EXPECT_TRUE(std::filesystem::exists(projekt.ProjektPfad() + "M1.txt"));
    EXPECT_TRUE(std::filesystem::exists(projekt.ProjektPfad() + "M2.txt"));
}

TEST_F(Einlesen, AndereTypenUndNochmaligesLesen) {
    Haken("A2\\Designer1");
    Haken("A2\\Maske");
    ASSERT_TRUE(Lesen());
    EXPECT_EQ(GespeicherteModule(), (std::vector<Modul>{{"M2", "Maske", "M1"}, {"M1", "Designer1", "M32"}}));
    projekt.DatenbankSchliessen();

    // A second reading starts again at module 1 and routine 1.
    treApp.Finden("A2\\Designer1")->Haken = false;
    ASSERT_TRUE(Lesen());
    EXPECT_EQ(GespeicherteModule(), (std::vector<Modul>{{"M1", "Maske", "M1"}}));
    EXPECT_EQ(projekt.RoutinenNummer, 1);
}

TEST_F(Einlesen, OhneLaufendenHostNichtsUndKeineMeldung) {
    Haken("A1\\Modul1");
    host.Laeuft = false;
    EXPECT_FALSE(Lesen());
    EXPECT_TRUE(meldungen.Gezeigt().empty());
    EXPECT_FALSE(std::filesystem::exists(projekt.ProjektPfad() + "CodeBrindle.mdb"));
}

TEST_F(Einlesen, FehlendeVorlageNurIhreMeldung) {
    Haken("A1\\Modul1");
    z.ProgrammOrdner = projekt.ProjektPfad() + "nirgends/";
    EXPECT_FALSE(Lesen());
    ASSERT_EQ(meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(meldungen.Gezeigt()[0].Symbol, MeldungsSymbol::Kritisch);
    EXPECT_EQ(anzeige.Status(Panel::Aktivitaet), "");
    EXPECT_EQ(host.LebendeObjekte(), 0);
}

TEST_F(Einlesen, EntferntesModulGibtDieFehlermeldungUndBehaeltDasGelesene) {
    Haken("A2\\Tabelle1");
    Haken("A2\\Rechnen");
    anzeige.TitelSetzen("Excel Code Brindle 1.0");
    // Removed in the host between listing and reading.
    host.Projekte[1].Komponenten.erase(host.Projekte[1].Komponenten.begin() + 1);
    EXPECT_FALSE(Lesen());
    ASSERT_EQ(meldungen.Gezeigt().size(), 1u);
    const auto& m = meldungen.Gezeigt()[0];
    EXPECT_EQ(m.Text, "Fehler beim Einlesen !\r\nDies kann mehrere Ursachen haben:\r\n"
                      "1. Die Mappe mit dem Modul ist nicht mehr geöffnet.\r\n"
                      "2. Im Code sind Konstrukte, die die Codebrindle nicht auslesen kann, z.B.  spezielle "
                      "Doppelpunktonstrukte\r\nin der Art, \r\nPrivate Sub Test : End Sub\r\n"
                      "(Also Deklaration Sub und  End Sub in einer Zeile)\r\n"
                      "3. Syntaktisch nicht korrekter Code (Sollte dann auch im Editior rot sein)\r\n\r\n"
                      "Siehe auch mögliche Fehler in der Hilfe\r\n"
                      "Mappe /m/umsatz.xlsm, Modul Rechnen: Index außerhalb des gültigen Bereichs");
    EXPECT_EQ(m.Symbol, MeldungsSymbol::Warnung);
    EXPECT_EQ(m.Knoepfe, MeldungsKnoepfe::Ok);
    EXPECT_EQ(anzeige.Titel(), "Excel Code Brindle 1.0") << "no caption for a failed reading";
    EXPECT_FALSE(projekt.NichtGespeichert);
    EXPECT_EQ(anzeige.Status(Panel::Aktivitaet), "");
    EXPECT_FALSE(anzeige.Sanduhr());
    EXPECT_FALSE(projekt.DatenbankOffen());
    EXPECT_EQ(host.LebendeObjekte(), 0);
    EXPECT_EQ(GespeicherteModule(), (std::vector<Modul>{{"M1", "Tabelle1", "M5"}})) << "what was read stays";
}

TEST_F(Einlesen, JederHostFehlerUndUnlesbarerCodeScheitern) {
    Haken("A2\\Rechnen");
    for (const char* op : {"Type", "CodeModule", "CountOfLines", "Lines"}) {
        meldungen = {};
        host.Projekte[1].Komponenten[1].Fehler = {{op, "Fehler"}};
        EXPECT_FALSE(Lesen()) << op;
        ASSERT_EQ(meldungen.Gezeigt().size(), 1u) << op;
        EXPECT_EQ(meldungen.Gezeigt()[0].Text,
                  EinleseFehlerText() + "\r\nMappe /m/umsatz.xlsm, Modul Rechnen: Fehler")
            << op;
        EXPECT_FALSE(projekt.DatenbankOffen()) << op;
    }
    host.Projekte[1].Komponenten[1].Fehler.clear();
    // A header without parentheses cannot be split into routines.
    host.Projekte[1].Komponenten[1].Code = "Sub Kaputt\r\n    x = 1\r\nEnd Sub";
    meldungen = {};
    EXPECT_FALSE(Lesen());
    ASSERT_EQ(meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(meldungen.Gezeigt()[0].Text, EinleseFehlerText() + "\r\nMappe /m/umsatz.xlsm, Modul Rechnen: "
                                                                 "Routinenkopf ohne Klammer: Sub Kaputt");
}

TEST_F(Einlesen, VerschobenesProjektWirdNichtStattDesGelistetenGelesen) {
    // Both projects have a Modul1; the first workbook is closed after listing.
    host.Projekte[1].Komponenten.push_back(Komp("Modul1", HostStandardModul, SubCode("Fremd")));
    ASSERT_TRUE(ProjekteAuflisten(z, host, meldungen, treApp));
    Haken("A2\\Modul1");
    host.Projekte.erase(host.Projekte.begin());
    host.Projekte.push_back(
        Projekt("Drittes", "/m/drittes.xlsm", {Komp("Modul1", HostStandardModul, SubCode("X"))}));
    EXPECT_FALSE(Lesen());
    ASSERT_EQ(meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(meldungen.Gezeigt()[0].Text,
              EinleseFehlerText() + "\r\nDas Projekt Umsatz [umsatz.xlsm] ist nicht mehr an seiner Stelle.");
    EXPECT_TRUE(GespeicherteModule().empty());
}

TEST_F(Einlesen, NieGespeicherteMappeLiestSich) {
    host.Projekte[0].NieGespeichert();
    ASSERT_TRUE(ProjekteAuflisten(z, host, meldungen, treApp));
    Haken("A1\\Modul1");
    ASSERT_TRUE(Lesen());
    EXPECT_EQ(GespeicherteModule(), (std::vector<Modul>{{"M1", "Modul1", "M2"}}));
}

TEST_F(Einlesen, HakenZweierProjekteScheitern) {
    // The window's tick rules prevent this; set directly, it must not read
    // a module of one project from the other.
    Haken("A1\\Modul1");
    Haken("A2\\Rechnen");
    EXPECT_FALSE(Lesen());
    EXPECT_EQ(meldungen.Gezeigt().size(), 1u);
}
