// SPDX-License-Identifier: GPL-3.0-or-later
// Visual Basic files read into a real project: the application tree made
// from a .vbp or from module files, and VBProjektEinlesen over it.
#include "../AufzeichnendeMeldungen.h"
#include "../TestHilfen.h"
#include "../store/StoreHilfen.h"

#include "app/Anzeige.h"
#include "app/Baum.h"
#include "app/Dateien.h"
#include "import/vb/VbAnwendungsBaum.h"
#include "import/vb/VbProjektEinlesen.h"
#include "store/DatenbankDatei.h"
#include "store/ModulText.h"
#include "store/OffenesProjekt.h"
#include "store/Sqlite.h"

#include <filesystem>

namespace cb::test {
namespace {

namespace fs = std::filesystem;

class VbEinlesen : public ::testing::Test {
protected:
    void SetUp() override {
        m_ordner = NeuerOrdner(::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_ordner / "projekt");
        z.ProgrammOrdner = std::string(CB_BIN_DIR) + "/";
        projekt.PfadSetzen((m_ordner / "projekt").string() + "/");
    }
    void TearDown() override { projekt.DatenbankSchliessen(); }

    fs::path Datei(const std::string& relativ, const std::string& inhalt) {
        fs::path p = m_ordner / "quellen" / relativ;
        fs::create_directories(p.parent_path());
        DateiSchreiben(p, inhalt);
        return p;
    }
    std::string Quellen() const { return (m_ordner / "quellen").string() + "/"; }

    bool Einlesen(const Baum& baum, int codepage = StandardCodepage) {
        return VBProjektEinlesen(projekt, z.Opt, z.ProgrammOrdner, meldungen, anzeige, baum, codepage);
    }

    // What the next session finds in the file, through a connection of its own.
    std::vector<std::string> ModuleAufDerPlatte() {
        auto v = sql::Verbindung::Oeffnen(projekt.ProjektPfad() + DatenbankDateiName);
        sql::Anweisung a(v, "SELECT mod_num, mod_name, mod_typ FROM td_mod ORDER BY mod_num");
        std::vector<std::string> m;
        while (a.Schritt())
            m.push_back(std::to_string(a.Ganzzahl(0)) + " " + a.Text(1) + " " +
                        std::to_string(a.Ganzzahl(2)));
        return m;
    }
    std::int64_t ErsteRoutinenNummer() {
        auto v = sql::Verbindung::Oeffnen(projekt.ProjektPfad() + DatenbankDateiName);
        sql::Anweisung a(v, "SELECT min(rou_num) FROM td_rout");
        a.Schritt();
        return a.IstNull(0) ? -1 : a.Ganzzahl(0);
    }
    std::string Gespeichert(std::int64_t modul) {
        return OhneMarken(ModulTextLesen(projekt.ProjektPfad(), modul));
    }

    Zustand z;
    OffenesProjekt projekt;
    AufzeichnendeMeldungen meldungen;
    AnzeigeImSpeicher anzeige;
    fs::path m_ordner;
};

const std::string FormDatei = "VERSION 5.00\r\n"
                              "Begin {C62A69F0-16DC-11CE-9E98-00AA00574A4F} Form1\r\n"
                              "   Caption         =   \"Form1\"\r\n"
                              "End\r\n"
                              "Attribute VB_Name = \"Form1\"\r\n"
                              "Attribute VB_Creatable = False\r\n"
                              "Attribute VB_Exposed = False\r\n"
                              "Private Sub UserForm_Click()\r\n"
                              "    MsgBox \"Klick\"\r\n"
                              "End Sub\r\n";
const std::string KlassenDatei = "VERSION 1.0 CLASS\r\nBEGIN\r\n  MultiUse = -1  'True\r\nEND\r\n"
                                 "Attribute VB_Name = \"Klasse\"\r\n"
                                 "Public Property Get Item() As Long\r\n"
                                 "Attribute Item.VB_UserMemId = 0\r\n"
                                 "End Property\r\n";

TEST_F(VbEinlesen, NurAngehakteDateiknotenWerdenGelesen) {
    Datei("Form1.frm", FormDatei);
    Datei("Klasse.cls", KlassenDatei);
    Datei("Sonst.bas", "Attribute VB_Name = \"Sonst\"\r\nSub S()\r\nEnd Sub\r\n");
    Datei("Nicht.bas", "Sub N()\r\nEnd Sub\r\n");
    Baum baum;
    baum.Tag = Quellen();
    baum.Hinzufuegen("A1\\", "Projekt [p.vbp]", "Fahne").Haken = true;
    baum.Hinzufuegen("A1\\Form1.frm:1", "Form1", "M1", "A1\\").Haken = true;
    baum.Hinzufuegen("A1\\Klasse.cls:3", "Klasse", "M3", "A1\\").Haken = true;
    baum.Hinzufuegen("A1\\Nicht.bas:2", "Nicht", "M2", "A1\\");
    baum.Hinzufuegen("A1\\Sonst.bas:0", "Sonstiges", "M32", "A1\\").Haken = true;
    projekt.RoutinenNummer = 40;

    ASSERT_TRUE(Einlesen(baum));
    EXPECT_TRUE(meldungen.Gezeigt().empty());
    EXPECT_EQ(ModuleAufDerPlatte(), (std::vector<std::string>{"1 Form1 1", "2 Klasse 3", "3 Sonstiges 32"}))
        << "the ticked project node is no module; a key ending in 0 stores 32";
    EXPECT_EQ(ModuleAufDerPlatte().size(), 3u) << "three modules numbered";
    EXPECT_EQ(ErsteRoutinenNummer(), 41) << "routine numbers go on from the last read";
    EXPECT_EQ(Gespeichert(1), "Private Sub UserForm_Click()\r\n    MsgBox \"Klick\"\r\nEnd Sub\r\n\r\n");
    EXPECT_EQ(Gespeichert(2), "Public Property Get Item() As Long\r\nAttribute Item.VB_UserMemId = 0\r\n"
                              "End Property\r\n\r\n");
    EXPECT_EQ(anzeige.Status(Panel::Aktivitaet), "");
}

TEST_F(VbEinlesen, FehlendeDateiBehaeltDieGelesenenModuleUndWarnt) {
    Datei("Eins.bas", "Attribute VB_Name = \"Eins\"\r\nSub A()\r\nEnd Sub\r\n");
    Datei("Drei.bas", "Sub C()\r\nEnd Sub\r\n");
    Baum baum;
    baum.Tag = Quellen();
    baum.Hinzufuegen("A1\\Eins.bas:2", "Eins", "M2").Haken = true;
    baum.Hinzufuegen("A1\\Zwei.bas:2", "Zwei", "M2").Haken = true;
    baum.Hinzufuegen("A1\\Drei.bas:2", "Drei", "M2").Haken = true;

    EXPECT_FALSE(Einlesen(baum));
    ASSERT_EQ(meldungen.Gezeigt().size(), 1u);
    const std::string& text = meldungen.Gezeigt()[0].Text;
    EXPECT_TRUE(text.starts_with("Das Projekt konnte nicht gelesen werden.\r\nMögliche Ursachen:\r\n"
                                 "Ein Modul ist nicht im gleichen Verzeichnis wie die vbp gespeichert.\r\n"
                                 "Im Code befinden sich Syntaxerrors\r\nDatei "))
        << text;
    EXPECT_NE(text.find("Zwei.bas, Modul Zwei: "), std::string::npos) << text;
    EXPECT_EQ(meldungen.Gezeigt()[0].Symbol, MeldungsSymbol::Warnung);
    EXPECT_EQ(ModuleAufDerPlatte(), std::vector<std::string>{"1 Eins 2"})
        << "written before the failure, kept";
    EXPECT_EQ(anzeige.Status(Panel::Aktivitaet), "");
}

TEST_F(VbEinlesen, CodeDenDerParserNichtTeilenKannBeendetDasLesen) {
    Datei("Gut.bas", "Sub A()\r\nEnd Sub\r\n");
    Datei("Kaputt.bas", "Attribute VB_Name = \"Kaputt\"\r\nSub Ohne\r\nEnd Sub\r\n");
    Baum baum = ModulDateienBaum({Quellen() + "Gut.bas", Quellen() + "Kaputt.bas"});
    EXPECT_FALSE(Einlesen(baum));
    ASSERT_EQ(meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(meldungen.Gezeigt()[0].Text,
              VbProjektFehlerText() + "\r\nDatei " + Quellen() +
                  "Kaputt.bas, Modul Kaputt: Routinenkopf ohne Klammer: Sub Ohne");
    EXPECT_EQ(ModuleAufDerPlatte(), std::vector<std::string>{"1 Gut 2"});
}

TEST_F(VbEinlesen, OhneVorlageNurDieMeldungDerVorlage) {
    Datei("Gut.bas", "Sub A()\r\nEnd Sub\r\n");
    z.ProgrammOrdner = (m_ordner / "gibtsnicht").string() + "/";
    EXPECT_FALSE(Einlesen(ModulDateienBaum({Quellen() + "Gut.bas"})));
    ASSERT_EQ(meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(meldungen.Gezeigt()[0].Symbol, MeldungsSymbol::Kritisch);
    EXPECT_EQ(anzeige.Status(Panel::Aktivitaet), "");
}

TEST_F(VbEinlesen, VbpMitRelativenPfadenNamenUndArten) {
    Datei("Haupt.frm", FormDatei);
    Datei("sub/Werkzeug.bas", "Attribute VB_Name = \"AndererName\"\r\nSub W()\r\nEnd Sub\r\n");
    Datei("../gemeinsam/Liste.cls", KlassenDatei);
    Datei("Knopf.ctl", "Sub K()\r\nEnd Sub\r\n");
    Datei("Umgebung.dsr", "Attribute VB_Name = \"Umgebung\"\r\n");
    Datei("Seite.pag", "Sub P()\r\nEnd Sub\r\n");
    fs::path vbp =
        Datei("projekt.vbp", "Type=Exe\r\n"
                             "Reference=*\\G{00020430-0000-0000-C000-000000000046}#2.0#0#stdole2.tlb#OLE\r\n"
                             "Form=Haupt.frm\r\n"
                             "Module=Werkzeug; sub\\Werkzeug.bas\r\n"
                             "Class=Liste; ..\\gemeinsam\\Liste.cls\r\n"
                             "UserControl=C:\\anderswo\\Knopf.ctl\r\n"
                             "Designer=UMGEBUNG.DSR\r\n"
                             "PropertyPage=Seite.pag\r\n"
                             "Name=\"Projekt1\"\r\n"
                             "[MS Transaction Server]\r\n"
                             "Module=Nicht; Nicht.bas\r\n");
    Baum baum = VbpBaum(vbp.string());
    EXPECT_EQ(baum.Tag, Quellen());
    std::vector<std::string> knoten;
    for (const BaumKnoten& k : baum.Knoten())
        knoten.push_back(k.Schluessel + "|" + k.Text + "|" + k.Bild + "|" + k.Eltern +
                         (k.Haken ? "|x" : "|"));
    EXPECT_EQ(knoten, (std::vector<std::string>{
                          "A1\\|Projekt1 [projekt.vbp]|Fahne||x",
                          "A1\\Haupt.frm:1|Form1|M1|A1\\|x",
                          "A1\\sub/Werkzeug.bas:2|Werkzeug|M2|A1\\|x",
                          "A1\\../gemeinsam/Liste.cls:3|Liste|M3|A1\\|x",
                          "A1\\Knopf.ctl:4|Knopf|M4|A1\\|x",
                          "A1\\Umgebung.dsr:7|Umgebung|M7|A1\\|x",
                          "A1\\Seite.pag:0|Seite|M32|A1\\|x",
                      }));

    ASSERT_TRUE(Einlesen(baum));
    EXPECT_EQ(ModuleAufDerPlatte(), (std::vector<std::string>{"1 Form1 1", "2 Werkzeug 2", "3 Liste 3",
                                                              "4 Knopf 4", "5 Umgebung 7", "6 Seite 32"}));
    EXPECT_EQ(Gespeichert(5), "\r\n\r\n") << "a file that is all attributes is an empty module";

    EXPECT_THROW(VbpBaum((m_ordner / "fehlt.vbp").string()), std::runtime_error);
}

TEST_F(VbEinlesen, ModuldateienUnterIhremGemeinsamenOrdner) {
    Datei("a/Eins.bas", "Attribute VB_Name = \"Modul1\"\r\nSub A()\r\nEnd Sub\r\n");
    Datei("b/c/Zwei.cls", "Sub B()\r\nEnd Sub\r\n");
    Baum baum = ModulDateienBaum(
        {Quellen() + "a/Eins.bas", Quellen() + "b/c/Zwei.cls", Quellen() + "a/../a/Eins.bas"});
    EXPECT_EQ(baum.Tag, Quellen());
    ASSERT_EQ(baum.Anzahl(), 2u) << "a file named twice is read once";
    EXPECT_EQ(baum.Knoten()[0].Schluessel, "A1\\a/Eins.bas:2");
    EXPECT_EQ(baum.Knoten()[0].Text, "Modul1");
    EXPECT_EQ(baum.Knoten()[1].Schluessel, "A1\\b/c/Zwei.cls:3");
    EXPECT_EQ(baum.Knoten()[1].Text, "Zwei");
    EXPECT_TRUE(baum.Knoten()[1].Haken);
    EXPECT_THROW(ModulDateienBaum({Quellen() + "Mappe.xlsm"}), std::invalid_argument);

    ASSERT_TRUE(Einlesen(baum));
    EXPECT_EQ(ModuleAufDerPlatte(), (std::vector<std::string>{"1 Modul1 2", "2 Zwei 3"}));
}

TEST_F(VbEinlesen, ExportierteDateienAusEchtenProjekten) {
    const fs::path daten = CB_TESTDATA_DIR;
    const fs::path form = daten / "cristianbuse__Excel-VBA-ProgressBar/src/ProgressForm.frm";
    const fs::path chinesisch = daten / "doomiris__VBA_Proxy_Switcher/frmProxy.frm";
    if (!fs::exists(form) || !fs::exists(chinesisch))
        GTEST_SKIP() << "test data not found in " << daten;

    ASSERT_TRUE(Einlesen(ModulDateienBaum({form.string()})));
    EXPECT_EQ(ModuleAufDerPlatte(), std::vector<std::string>{"1 ProgressForm 1"});
    EXPECT_TRUE(Gespeichert(1).starts_with("\r\nOption Explicit\r\n"))
        << "the first line after the attributes";
    EXPECT_EQ(Gespeichert(1).find("Attribute VB_"), std::string::npos);

    ASSERT_TRUE(Einlesen(ModulDateienBaum({chinesisch.string()}, 936), 936));
    EXPECT_EQ(ModuleAufDerPlatte(), std::vector<std::string>{"1 frmProxy 1"});
    EXPECT_NE(Gespeichert(1).find("'写入的代理服务器地址"), std::string::npos);
}

} // namespace
} // namespace cb::test
