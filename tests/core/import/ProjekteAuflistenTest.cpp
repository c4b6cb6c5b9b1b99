// SPDX-License-Identifier: GPL-3.0-or-later
// Listing the host's projects in the application tree.
#include "import/ProjekteAuflisten.h"

#include "ImportHilfen.h"

using namespace cb;
using namespace cb::test;

namespace {

class Auflisten : public ImportTest {
protected:
    bool Auflisten_() { return ProjekteAuflisten(z, host, meldungen, treApp); }
    const BaumKnoten& Knoten(const std::string& s) {
        const BaumKnoten* k = treApp.Finden(s);
        if (!k)
            throw std::runtime_error("kein Knoten " + s);
        return *k;
    }
};

} // namespace

TEST_F(Auflisten, ProjekteMitDateiTeilUndModulen) {
    host.Projekte = {
        Projekt("VBAProject", "/home/anna/Mappen/Umsatz 2024.xlsm",
                {Komp("DieseArbeitsmappe", HostDokument, SubCode("Workbook_Open")),
                 Komp("Modul1", HostStandardModul, SubCode("A")),
                 Komp("Klasse1", HostKlassenModul, SubCode("B")),
                 Komp("Formular", HostUserForm, SubCode("C")),
                 Komp("Designer1", HostActiveXDesigner, SubCode("D"))}),
        Projekt("Ohne", "Mappe3", {Komp("M", HostStandardModul, SubCode("E"))}),
        Projekt("Ordner", "/tmp/x/", {Komp("M", HostStandardModul, SubCode("E"))}),
    };
    ASSERT_TRUE(Auflisten_());
    EXPECT_EQ(Schluessel(),
              (std::vector<std::string>{"A1\\", "A1\\DieseArbeitsmappe", "A1\\Modul1", "A1\\Klasse1",
                                        "A1\\Formular", "A1\\Designer1", "A2\\", "A2\\M", "A3\\", "A3\\M"}));
    EXPECT_EQ(Knoten("A1\\").Text, "VBAProject [Umsatz 2024.xlsm]");
    EXPECT_EQ(Knoten("A1\\").Bild, "Fahne");
    EXPECT_EQ(Knoten("A2\\").Text, "Ohne [Mappe3]") << "no separator: the whole text";
    EXPECT_EQ(Knoten("A3\\").Text, "Ordner []") << "ending in the separator: empty";
    EXPECT_EQ(Knoten("A1\\Modul1").Eltern, "A1\\");
    EXPECT_EQ(Knoten("A1\\Modul1").Text, "Modul1");
    EXPECT_EQ(Knoten("A1\\DieseArbeitsmappe").Bild, "M5");
    EXPECT_EQ(Knoten("A1\\Modul1").Bild, "M2");
    EXPECT_EQ(Knoten("A1\\Klasse1").Bild, "M3");
    EXPECT_EQ(Knoten("A1\\Formular").Bild, "M1");
    EXPECT_EQ(Knoten("A1\\Designer1").Bild, "XXX");
    for (const auto& k : treApp.Knoten()) {
        EXPECT_TRUE(k.Aufgeklappt) << k.Schluessel;
        EXPECT_FALSE(k.Haken) << k.Schluessel;
    }
    EXPECT_TRUE(meldungen.Gezeigt().empty());
    EXPECT_EQ(host.LebendeObjekte(), 0) << "the host is released after listing";
    EXPECT_DOUBLE_EQ(z.AppVersion, 16.0);
}

TEST_F(Auflisten, NieGespeicherteMappe) {
    host.Projekte = {Projekt("VBAProject", "", {Komp("Modul1", HostStandardModul, SubCode("A"))})};
    host.Projekte[0].NieGespeichert();
    ASSERT_TRUE(Auflisten_());
    EXPECT_EQ(Knoten("A1\\").Text, "VBAProject [Nicht gespeichert]");
}

TEST_F(Auflisten, GesperrteUndLeereProjekteFehlenOhneMeldung) {
    host.Projekte = {
        Projekt("Gesperrt", "/a/g.xlsm", {Komp("Modul1", HostStandardModul, SubCode("A"))}),
        Projekt("Kurz", "/a/k.xlsm",
                {Komp("Leer", HostStandardModul, ""), Komp("Eine", HostStandardModul, "Option Explicit"),
                 Komp("Zwei", HostDokument, "Option Explicit\r\nDim x\r\n")}),
        Projekt("Offen", "/a/o.xlsm",
                {Komp("Zwei", HostStandardModul, "a\r\nb"), Komp("Drei", HostStandardModul, "a\r\nb\r\nc")}),
    };
    host.Projekte[0].Protection = 1;
    ASSERT_TRUE(Auflisten_());
    // Keys keep the host's positions, with the left-out projects counted.
    EXPECT_EQ(Schluessel(), (std::vector<std::string>{"A3\\", "A3\\Drei"}));
    EXPECT_TRUE(meldungen.Gezeigt().empty());
}

TEST_F(Auflisten, Projekt10NebenProjekt1) {
    for (int i = 1; i <= 10; ++i)
        host.Projekte.push_back(
            Projekt("P" + std::to_string(i), "/p" + std::to_string(i) + ".xlsm",
                    {Komp("Modul" + std::to_string(i), HostStandardModul, SubCode("A"))}));
    ASSERT_TRUE(Auflisten_());
    EXPECT_EQ(Knoten("A10\\Modul10").Eltern, "A10\\");
    EXPECT_EQ(Knoten("A1\\Modul1").Eltern, "A1\\");
    EXPECT_EQ(treApp.KinderAnzahl("A1\\"), 1u);
}

TEST_F(Auflisten, KeinHostKeinZugriffKeineProjekte) {
    host.Laeuft = false;
    host.Projekte = {Projekt("P", "/p.xlsm", {Komp("M", HostStandardModul, SubCode("A"))})};
    treApp.Hinzufuegen("alt", "alt", "Fahne");
    EXPECT_FALSE(Auflisten_());
    EXPECT_TRUE(treApp.Leer()) << "the old nodes go in any case";
    EXPECT_DOUBLE_EQ(z.AppVersion, 0.0);

    host.Laeuft = true;
    host.Version = "10.0";
    host.ZugriffVerweigern();
    EXPECT_FALSE(Auflisten_());
    EXPECT_TRUE(treApp.Leer());
    EXPECT_DOUBLE_EQ(z.AppVersion, 10.0);
    EXPECT_TRUE(meldungen.Gezeigt().empty()) << "refused access is the refresh's hint, not a message";

    host.Fehler.clear();
    host.Projekte.clear();
    EXPECT_TRUE(Auflisten_());
    EXPECT_TRUE(treApp.Leer());
    EXPECT_EQ(host.LebendeObjekte(), 0);
}

TEST_F(Auflisten, VersionAlsZahl) {
    for (auto [text, wert] : std::vector<std::pair<std::string, double>>{
             {"9.0", 9.0}, {"16.0", 16.0}, {" 11.5a", 11.5}, {"abc", 0.0}, {"", 0.0}}) {
        host.Version = text;
        Auflisten_();
        EXPECT_DOUBLE_EQ(z.AppVersion, wert) << text;
    }
    host.Fehler["Version"] = "Automatisierungsfehler";
    EXPECT_FALSE(Auflisten_()) << "a version that cannot be read fails the attach";
    EXPECT_DOUBLE_EQ(z.AppVersion, 0.0);
}

TEST_F(Auflisten, FehlerZeigtBeschreibungUndBehaeltKnoten) {
    host.Projekte = {
        Projekt("Erstes", "/e.xlsm", {Komp("Modul1", HostStandardModul, SubCode("A"))}),
        Projekt(
            "Zweites", "/z.xlsm",
            {Komp("Gut", HostStandardModul, SubCode("B")), Komp("Kaputt", HostStandardModul, SubCode("C"))}),
        Projekt("Drittes", "/d.xlsm", {Komp("Modul1", HostStandardModul, SubCode("D"))}),
    };
    host.Projekte[1].Komponenten[1].Fehler["Name"] = "Anwendungs- oder objektdefinierter Fehler";
    EXPECT_FALSE(Auflisten_());
    ASSERT_EQ(meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(meldungen.Gezeigt()[0].Text, "Anwendungs- oder objektdefinierter Fehler");
    EXPECT_EQ(meldungen.Gezeigt()[0].Knoepfe, MeldungsKnoepfe::Ok);
    EXPECT_EQ(Schluessel(), (std::vector<std::string>{"A1\\", "A1\\Modul1", "A2\\", "A2\\Gut"}));
    EXPECT_EQ(host.LebendeObjekte(), 0) << "released after a failure too";

    // Every operation of a project and a component is covered.
    for (const char* op : {"Name", "Protection", "VBComponents", "VBComponents.Count"}) {
        host.Projekte[1].Komponenten[1].Fehler.clear();
        host.Projekte[1].Fehler = {{op, std::string("Fehler bei ") + op}};
        EXPECT_FALSE(Auflisten_()) << op;
        EXPECT_EQ(meldungen.Gezeigt().back().Text, std::string("Fehler bei ") + op);
    }
    host.Projekte[1].Fehler.clear();
    for (const char* op : {"CodeModule", "CountOfLines", "Type"}) {
        host.Projekte[1].Komponenten[1].Fehler = {{op, std::string("Fehler bei ") + op}};
        EXPECT_FALSE(Auflisten_()) << op;
        EXPECT_EQ(meldungen.Gezeigt().back().Text, std::string("Fehler bei ") + op);
    }
}

// A module name that cannot key a node (none, a "\", one twice) leaves its
// project out with a warning that names the file; the projects after it stay.
TEST_F(Auflisten, UnbrauchbarerModulnameLaesstNurSeinProjektAus) {
    host.Projekte = {
        Projekt("Erstes", "/m/e.xlsm", {Komp("Modul1", HostStandardModul, SubCode("A"))}),
        Projekt("Leer", "/m/leer.xlsm",
                {Komp("Gut", HostStandardModul, SubCode("B")), Komp("", HostStandardModul, SubCode("C"))}),
        Projekt("Strich", "/m/strich.xlsm", {Komp("A\\B", HostStandardModul, SubCode("D"))}),
        Projekt("Doppelt", "/m/doppelt.xlsm",
                {Komp("Modul1", HostStandardModul, SubCode("E")),
                 Komp("Modul1", HostKlassenModul, SubCode("F"))}),
        Projekt("Letztes", "/m/l.xlsm", {Komp("Modul1", HostStandardModul, SubCode("G"))}),
    };
    ASSERT_TRUE(Auflisten_()) << "the listing runs to its end";
    EXPECT_EQ(Schluessel(), (std::vector<std::string>{"A1\\", "A1\\Modul1", "A5\\", "A5\\Modul1"}));
    ASSERT_EQ(meldungen.Gezeigt().size(), 1u) << "one warning for all of them";
    const std::string text = meldungen.Gezeigt()[0].Text;
    EXPECT_EQ(meldungen.Gezeigt()[0].Symbol, MeldungsSymbol::Warnung);
    EXPECT_EQ(
        text,
        "\"/m/leer.xlsm\": Das Projekt Leer wird nicht aufgelistet, da der Modulname \"\" leer, doppelt "
        "oder ungültig ist.\r\n"
        "\"/m/strich.xlsm\": Das Projekt Strich wird nicht aufgelistet, da der Modulname \"A\\B\" leer, "
        "doppelt oder ungültig ist.\r\n"
        "\"/m/doppelt.xlsm\": Das Projekt Doppelt wird nicht aufgelistet, da der Modulname \"Modul1\" "
        "leer, doppelt oder ungültig ist.");
    EXPECT_EQ(host.LebendeObjekte(), 0);

    // A host failure after such a project still ends the listing as before,
    // and the warning is not lost.
    host.Projekte[4].Fehler["Name"] = "Automatisierungsfehler";
    EXPECT_FALSE(Auflisten_());
    ASSERT_EQ(meldungen.Gezeigt().size(), 3u);
    EXPECT_EQ(meldungen.Gezeigt()[1].Text, text);
    EXPECT_EQ(meldungen.Gezeigt()[2].Text, "Automatisierungsfehler");
}
