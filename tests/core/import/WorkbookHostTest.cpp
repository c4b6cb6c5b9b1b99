// SPDX-License-Identifier: GPL-3.0-or-later
// The workbook host over files written by our own workbook writer: what a
// listing shows of them, how unreadable files are reported, and reading
// into a project database.
#include "import/host/WorkbookHost.h"
#include "app/Dateien.h"

#include "import/AppTexte.h"
#include "import/MappenEinlesen.h"
#include "import/ProjektEinlesen.h"
#include "import/ProjekteAuflisten.h"
#include "import/host/CodeZeilen.h"
#include "store/DatenbankDatei.h"
#include "store/ProjektBaum.h"
#include "testhilfen/VbaProjectWriter.h"

#include "ImportHilfen.h"

#include <filesystem>

using namespace cb;
using namespace cb::test;
namespace wb = cb::workbook;
namespace fs = std::filesystem;

namespace {

wb::QuellModul Quelle(const std::string& name, wb::KomponentenArt art, const std::string& code) {
    return {name, art, "Attribute VB_Name = \"" + name + "\"\r\n" + code};
}

wb::ProjektVorlage Mappe(const std::string& name, std::vector<wb::QuellModul> module) {
    wb::ProjektVorlage v;
    v.name = name;
    v.module = std::move(module);
    return v;
}

wb::ProjektVorlage Umsatz() {
    return Mappe(
        "Umsatz",
        {Quelle("DieseArbeitsmappe", wb::KomponentenArt::Dokument, "Option Explicit\r\n"),
         Quelle("Rechnen", wb::KomponentenArt::Standard,
                "Option Explicit\r\nPublic Function Größe() As Long\r\n    Größe = 1\r\nEnd Function\r\n"),
         Quelle("Konto", wb::KomponentenArt::Klasse,
                "Private m_x As Long\r\nPublic Property Get X() As Long\r\n    X = m_x\r\nEnd Property\r\n"),
         Quelle("Eingabe", wb::KomponentenArt::Designer,
                "Private Sub UserForm_Click()\r\n    Me.Hide\r\nEnd Sub\r\n")});
}

class MappenHost : public ImportTest {
protected:
    void SetUp() override {
        ImportTest::SetUp();
        ordner = NeuerOrdner("mappen_" +
                             std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    }
    std::string Schreiben(const std::string& datei, const wb::ProjektVorlage& v) {
        const auto pfad = ordner / datei;
        DateiSchreiben(pfad, datei.ends_with(".xls") ? wb::XlsBauen(v) : wb::XlsmBauen(v));
        return pfad.string();
    }
    bool Auflisten() { return ProjekteAuflisten(z, mappen, meldungen, treApp); }
    std::vector<std::string> Texte() const {
        std::vector<std::string> t;
        for (const auto& k : treApp.Knoten())
            t.push_back((k.Eltern.empty() ? "" : "\t") + k.Text + " " + k.Bild);
        return t;
    }

    fs::path ordner;
    WorkbookHost mappen{meldungen};
};

} // namespace

TEST_F(MappenHost, LaeuftNurMitOffenerMappe) {
    EXPECT_FALSE(Auflisten());
    EXPECT_DOUBLE_EQ(z.AppVersion, 0.0);
    const std::string a = Schreiben("a.xlsm", Umsatz());
    EXPECT_TRUE(mappen.Oeffnen(a));
    EXPECT_FALSE(mappen.Oeffnen(ordner / "." / "a.xlsm")) << "the same workbook twice";
    EXPECT_TRUE(Auflisten());
    EXPECT_DOUBLE_EQ(z.AppVersion, 16.0);
    EXPECT_TRUE(mappen.Schliessen(a));
    EXPECT_FALSE(mappen.Schliessen(a));
    EXPECT_TRUE(mappen.Mappen().empty());
    EXPECT_FALSE(Auflisten());
}

TEST_F(MappenHost, RelativerPfadWirdVoll) {
    const std::string a = Schreiben("a.xlsm", Umsatz());
    const auto vorher = fs::current_path();
    fs::current_path(ordner);
    mappen.Oeffnen("a.xlsm");
    fs::current_path(vorher);
    ASSERT_EQ(mappen.Mappen().size(), 1u);
    EXPECT_EQ(mappen.Mappen()[0], a);
    ASSERT_TRUE(Auflisten());
    EXPECT_EQ(treApp.Knoten()[0].Text, "Umsatz [a.xlsm]");
}

TEST_F(MappenHost, ListeMitTypenOhneGesperrteUndLeere) {
    wb::ProjektVorlage gesperrt = Umsatz();
    gesperrt.name = "Geheim";
    gesperrt.gesperrt = true;
    mappen.Oeffnen(Schreiben("umsatz.xlsm", Umsatz()));
    mappen.Oeffnen(Schreiben("geheim.xlsm", gesperrt));
    mappen.Oeffnen(
        Schreiben("leer.xls", Mappe("Leer", {Quelle("Tabelle1", wb::KomponentenArt::Dokument, "")})));
    mappen.Oeffnen(Schreiben("alt.xls", Mappe("Alt", {Quelle("Modul1", wb::KomponentenArt::Standard,
                                                             "Sub A()\r\n    x = 1\r\nEnd Sub\r\n")})));
    ASSERT_TRUE(Auflisten());
    EXPECT_EQ(Texte(), (std::vector<std::string>{"Umsatz [umsatz.xlsm] Fahne", "\tRechnen M2", "\tKonto M3",
                                                 "\tEingabe M1", "Alt [alt.xls] Fahne", "\tModul1 M2"}));
    EXPECT_TRUE(treApp.Finden("A4\\Modul1")) << "positions count the left-out workbooks";
    EXPECT_TRUE(meldungen.Gezeigt().empty());
    EXPECT_TRUE(mappen.UnlesbareMappen().empty());
}

TEST_F(MappenHost, UnlesbareMappeWirdGemeldetDieAnderenBleiben) {
    const fs::path kaputt = ordner / "kaputt.xlsm";
    DateiSchreiben(kaputt, "Das ist keine Mappe.");
    const std::string fehlt = (ordner / "weg.xlsm").string();
    mappen.Oeffnen(kaputt);
    mappen.Oeffnen(Schreiben("umsatz.xlsm", Umsatz()));
    mappen.Oeffnen(fehlt);
    ASSERT_TRUE(Auflisten());
    ASSERT_EQ(meldungen.Gezeigt().size(), 1u) << "one message for all of them";
    const std::string& text = meldungen.Gezeigt()[0].Text;
    EXPECT_NE(text.find(kaputt.string()), std::string::npos) << text;
    EXPECT_NE(text.find(fehlt), std::string::npos) << text;
    EXPECT_NE(text.find("\r\n"), std::string::npos);
    EXPECT_EQ(meldungen.Gezeigt()[0].Symbol, MeldungsSymbol::Warnung);
    EXPECT_EQ(mappen.UnlesbareMappen(), (std::vector<std::string>{kaputt.string(), fehlt}));
    EXPECT_EQ(treApp.Knoten()[0].Schluessel, "A2\\");
    EXPECT_EQ(treApp.Knoten()[0].Text, "Umsatz [umsatz.xlsm]");

    // Mended, the file is listed at the next refresh.
    Schreiben("kaputt.xlsm",
              Mappe("Heil", {Quelle("Modul1", wb::KomponentenArt::Standard, "a\r\nb\r\nc\r\n")}));
    fs::remove(fehlt);
    mappen.Schliessen(fehlt);
    ASSERT_TRUE(Auflisten());
    EXPECT_EQ(meldungen.Gezeigt().size(), 1u);
    EXPECT_TRUE(mappen.UnlesbareMappen().empty());
    EXPECT_EQ(treApp.Knoten()[0].Text, "Heil [kaputt.xlsm]");
}

// A damaged module name in one workbook among several: that workbook is
// named as unreadable, every other one is listed.
TEST_F(MappenHost, SchlechterModulnameInDerMitteLaesstDieAnderenStehen) {
    wb::ProjektVorlage leer = Umsatz();
    leer.name = "Namenlos";
    leer.schaden = wb::Beschaedigung::ModulName;
    wb::ProjektVorlage strich = Umsatz();
    strich.name = "Strich";
    strich.module[1].name = "Rech\\nen";
    const std::string zweite = Schreiben("zweite.xlsm", leer);
    const std::string dritte = Schreiben("dritte.xls", strich);
    mappen.Oeffnen(Schreiben("erste.xlsm", Umsatz()));
    mappen.Oeffnen(zweite);
    mappen.Oeffnen(dritte);
    mappen.Oeffnen(Schreiben("vierte.xls", Mappe("Letzte", {Quelle("Modul1", wb::KomponentenArt::Standard,
                                                                   "Sub A()\r\n    x = 1\r\nEnd Sub\r\n")})));
    ASSERT_TRUE(Auflisten());
    EXPECT_EQ(Texte(),
              (std::vector<std::string>{"Umsatz [erste.xlsm] Fahne", "\tRechnen M2", "\tKonto M3",
                                        "\tEingabe M1", "Letzte [vierte.xls] Fahne", "\tModul1 M2"}));
    EXPECT_TRUE(treApp.Finden("A4\\Modul1"));
    ASSERT_EQ(meldungen.Gezeigt().size(), 1u);
    const std::string& text = meldungen.Gezeigt()[0].Text;
    EXPECT_NE(text.find("\"" + zweite + "\": Das VBA-Projekt der Datei ist beschädigt."), std::string::npos)
        << text;
    EXPECT_NE(text.find("\"" + dritte + "\": Das VBA-Projekt der Datei ist beschädigt."), std::string::npos)
        << text;
    EXPECT_NE(text.find("empty name"), std::string::npos) << text;
    EXPECT_NE(text.find("backslash"), std::string::npos) << text;
    EXPECT_EQ(mappen.UnlesbareMappen(), (std::vector<std::string>{zweite, dritte}));
}

// Any failure of the reader, not only its own error, leaves that workbook
// out with the file named.
TEST_F(MappenHost, JederLeseFehlerNenntDieDatei) {
    WorkbookHost eigen(meldungen, [](const std::string& pfad) -> wb::VbaProjekt {
        if (pfad.ends_with("b.xlsm"))
            throw std::runtime_error("unerwartet");
        wb::VbaProjekt p;
        p.name = "Gut";
        p.komponenten.push_back({"Modul1", wb::KomponentenArt::Standard, "a\r\nb\r\nc", 3, 3});
        return p;
    });
    eigen.Oeffnen("/x/a.xlsm");
    eigen.Oeffnen("/x/b.xlsm");
    eigen.Oeffnen("/x/c.xlsm");
    ASSERT_TRUE(ProjekteAuflisten(z, eigen, meldungen, treApp));
    EXPECT_EQ(Texte(), (std::vector<std::string>{"Gut [a.xlsm] Fahne", "\tModul1 M2", "Gut [c.xlsm] Fahne",
                                                 "\tModul1 M2"}));
    ASSERT_EQ(meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(meldungen.Gezeigt()[0].Text, "\"/x/b.xlsm\": unerwartet");
    EXPECT_EQ(eigen.UnlesbareMappen(), std::vector<std::string>{"/x/b.xlsm"});
}

TEST_F(MappenHost, AktualisierenZeigtGeaenderteDatei) {
    const std::string a = Schreiben("a.xlsm", Umsatz());
    mappen.Oeffnen(a);
    ASSERT_TRUE(Auflisten());
    EXPECT_FALSE(treApp.Finden("A1\\Neu"));
    wb::ProjektVorlage v = Umsatz();
    v.module.push_back(Quelle("Neu", wb::KomponentenArt::Standard, "Sub N()\r\n    x = 2\r\nEnd Sub\r\n"));
    Schreiben("a.xlsm", v);
    ASSERT_TRUE(Auflisten());
    EXPECT_TRUE(treApp.Finden("A1\\Neu"));
}

TEST_F(MappenHost, EinlesenInDieProjektdatenbank) {
    mappen.Oeffnen(Schreiben("umsatz.xlsm", Umsatz()));
    ASSERT_TRUE(Auflisten());
    for (const char* s : {"A1\\Rechnen", "A1\\Konto", "A1\\Eingabe"})
        treApp.Finden(s)->Haken = true;
    ASSERT_TRUE(ProjektEinlesen(z, projekt, mappen, meldungen, anzeige, treApp));
    EXPECT_TRUE(meldungen.Gezeigt().empty());
    EXPECT_EQ(anzeige.Titel(), "Excel Code Brindle 1.0 Projekt: Umsatz [nicht gespeichert !!!]");
    projekt.DatenbankOeffnen();
    std::vector<std::string> module, routinen;
    for (const auto& k : projekt.ModullisteLaden())
        module.push_back(k.Schluessel + " " + k.Text + " " + k.Bild);
    for (const auto& k : projekt.RoutinenlisteLaden())
        routinen.push_back(k.Eltern + " " + k.Text + " " + k.Bild);
    EXPECT_EQ(module, (std::vector<std::string>{"M3 Eingabe M1", "M1 Rechnen M2", "M2 Konto M3"}));
    EXPECT_EQ(routinen, (std::vector<std::string>{"M1 Größe R2O1", "M2 X R4O1", "M3 UserForm_Click R1O2"}));
}

TEST_F(MappenHost, EinlesenNimmtDenStandDerDateiBeimLesen) {
    const std::string a = Schreiben("a.xlsm", Umsatz());
    mappen.Oeffnen(a);
    ASSERT_TRUE(Auflisten());
    treApp.Finden("A1\\Rechnen")->Haken = true;
    treApp.Finden("A1\\Konto")->Haken = true;

    // Changed code is read as it is now.
    wb::ProjektVorlage v = Umsatz();
    v.module[1].quelle = "Attribute VB_Name = \"Rechnen\"\r\nSub Neu()\r\nEnd Sub\r\n";
    Schreiben("a.xlsm", v);
    ASSERT_TRUE(ProjektEinlesen(z, projekt, mappen, meldungen, anzeige, treApp));
    projekt.DatenbankOeffnen();
    ASSERT_EQ(projekt.RoutinenlisteLaden().size(), 2u);
    EXPECT_EQ(projekt.RoutinenlisteLaden()[0].Text, "Neu");
    projekt.DatenbankSchliessen();

    // A ticked module that is gone fails the reading.
    v.module.erase(v.module.begin() + 2);
    Schreiben("a.xlsm", v);
    EXPECT_FALSE(ProjektEinlesen(z, projekt, mappen, meldungen, anzeige, treApp));
    ASSERT_EQ(meldungen.Gezeigt().size(), 1u);
    EXPECT_TRUE(meldungen.Gezeigt()[0].Text.starts_with(EinleseFehlerText() + "\r\nMappe " + a + ", Modul "))
        << meldungen.Gezeigt()[0].Text;

    // So does a workbook that can no longer be read.
    DateiSchreiben(a, "kaputt");
    EXPECT_FALSE(ProjektEinlesen(z, projekt, mappen, meldungen, anzeige, treApp));
    ASSERT_EQ(meldungen.Gezeigt().size(), 2u) << "no report of the file besides the failure message";
    EXPECT_TRUE(meldungen.Gezeigt()[1].Text.starts_with(EinleseFehlerText() + "\r\n"))
        << meldungen.Gezeigt()[1].Text;
    EXPECT_NE(meldungen.Gezeigt()[1].Text.find(a), std::string::npos) << meldungen.Gezeigt()[1].Text;
}

TEST_F(MappenHost, MappenEinlesenFuerDieBefehlszeile) {
    const std::string leer =
        Schreiben("leer.xlsm", Mappe("Leer", {Quelle("T", wb::KomponentenArt::Dokument, "")}));
    const std::string a = Schreiben("a.xlsm", Umsatz());
    const std::string b =
        Schreiben("b.xlsm", Mappe("Zweite", {Quelle("Modul1", wb::KomponentenArt::Standard,
                                                    "Sub A()\r\n    x = 1\r\nEnd Sub\r\n")}));
    auto Module = [&] {
        projekt.DatenbankOeffnen();
        std::vector<std::string> m;
        for (const auto& k : projekt.ModullisteLaden())
            m.push_back(k.Text);
        projekt.DatenbankSchliessen();
        return m;
    };
    // Project 1 is the first one listed: leer.xlsm lists nothing.
    ASSERT_TRUE(MappenEinlesen(z, projekt, meldungen, anzeige, {leer, a, b}, 1));
    EXPECT_EQ(Module(), (std::vector<std::string>{"Eingabe", "Rechnen", "Konto"}));
    ASSERT_TRUE(MappenEinlesen(z, projekt, meldungen, anzeige, {leer, a, b}, 1, {"konto", "Rechnen"}));
    EXPECT_EQ(Module(), (std::vector<std::string>{"Rechnen", "Konto"}));
    ASSERT_TRUE(MappenEinlesen(z, projekt, meldungen, anzeige, {leer, a, b}, 2));
    EXPECT_EQ(Module(), (std::vector<std::string>{"Modul1"}));
    EXPECT_EQ(anzeige.Titel(), "Excel Code Brindle 1.0 Projekt: Zweite [nicht gespeichert !!!]");
    EXPECT_TRUE(meldungen.Gezeigt().empty());

    // Two workbooks, two projects listed: a third is not one the listing
    // left out.
    auto gelesen = MappenEinlesen(z, projekt, meldungen, anzeige, {a, b}, 3);
    EXPECT_FALSE(gelesen.gelesen);
    EXPECT_FALSE(gelesen.nichtAufgelistet);
    EXPECT_EQ(meldungen.Gezeigt().back().Text, "Ein Projekt 3 gibt es nicht: aufgelistet sind 2 Projekte.");
    // A locked project, or one of short modules only, is left out: the
    // caller may say so.
    wb::ProjektVorlage gesperrt = Umsatz();
    gesperrt.gesperrt = true;
    const std::string zu = Schreiben("zu.xlsm", gesperrt);
    gelesen = MappenEinlesen(z, projekt, meldungen, anzeige, {zu}, 1);
    EXPECT_FALSE(gelesen.gelesen);
    EXPECT_TRUE(gelesen.nichtAufgelistet);
    EXPECT_EQ(meldungen.Gezeigt().back().Text, "Ein Projekt 1 gibt es nicht: aufgelistet sind 0 Projekte.");
    gelesen = MappenEinlesen(z, projekt, meldungen, anzeige, {a, leer}, 2);
    EXPECT_FALSE(gelesen.gelesen);
    EXPECT_TRUE(gelesen.nichtAufgelistet);
    gelesen = MappenEinlesen(z, projekt, meldungen, anzeige, {a}, 1, {"Rechnen", "Fehlt"});
    EXPECT_FALSE(gelesen.gelesen);
    EXPECT_TRUE(gelesen.nichtAufgelistet);
    EXPECT_EQ(meldungen.Gezeigt().back().Text,
              "Das Modul \"Fehlt\" ist im Projekt Umsatz [a.xlsm] nicht aufgelistet.");
    gelesen = MappenEinlesen(z, projekt, meldungen, anzeige, {}, 1);
    EXPECT_FALSE(gelesen.gelesen);
    EXPECT_FALSE(gelesen.nichtAufgelistet);

    // An unreadable workbook is named and left out like a locked one; the
    // numbers count the listed projects, so 2 is still the second one listed.
    const std::size_t vorher = meldungen.Gezeigt().size();
    ASSERT_TRUE(MappenEinlesen(z, projekt, meldungen, anzeige, {a, (ordner / "weg.xlsm").string(), b}, 2));
    ASSERT_EQ(meldungen.Gezeigt().size(), vorher + 1);
    EXPECT_NE(meldungen.Gezeigt().back().Text.find("weg.xlsm"), std::string::npos);
    EXPECT_EQ(Module(), (std::vector<std::string>{"Modul1"}));
    EXPECT_EQ(anzeige.Titel(), "Excel Code Brindle 1.0 Projekt: Zweite [nicht gespeichert !!!]");
    // A workbook that cannot be read was named; what left it out is not
    // the listing's rule.
    gelesen = MappenEinlesen(z, projekt, meldungen, anzeige, {(ordner / "weg.xlsm").string()}, 1);
    EXPECT_FALSE(gelesen.gelesen);
    EXPECT_FALSE(gelesen.nichtAufgelistet);
    EXPECT_EQ(meldungen.Gezeigt().back().Text, "Ein Projekt 1 gibt es nicht: aufgelistet sind 0 Projekte.");
}

TEST(CodeZeilen, ZahlUndAusschnitt) {
    EXPECT_EQ(CodeZeilenZahl(""), 0);
    EXPECT_EQ(CodeZeilenZahl("a"), 1);
    EXPECT_EQ(CodeZeilenZahl("a\r\nb"), 2);
    EXPECT_EQ(CodeZeilenZahl("a\r\nb\r\n"), 2);
    EXPECT_EQ(CodeZeilenZahl("a\r\n\r\n"), 2);
    EXPECT_EQ(CodeZeilenZahl("\r\n"), 1);
    const std::string code = "a\r\n\r\nc\r\nd";
    EXPECT_EQ(CodeZeilenAusschnitt(code, 1, 4), code);
    EXPECT_EQ(CodeZeilenAusschnitt(code, 2, 2), "\r\nc");
    EXPECT_EQ(CodeZeilenAusschnitt(code, 4, 9), "d");
    EXPECT_EQ(CodeZeilenAusschnitt(code, 5, 1), "");
    EXPECT_EQ(CodeZeilenAusschnitt(code, 1, 0), "");
    EXPECT_EQ(CodeZeilenAusschnitt("a\r\nb\r\n", 1, 5), "a\r\nb");
    EXPECT_THROW(CodeZeilenAusschnitt(code, 0, 1), HostFehler);
    EXPECT_THROW(CodeZeilenAusschnitt(code, 1, -1), HostFehler);
}
