// SPDX-License-Identifier: GPL-3.0-or-later
// RTF files of a module and of the project: header blocks, bytes, the
// file name, failures that must not cost the old file, and a real reader.
#include "../KleinesDateisystem.h"
#include "ExportHilfen.h"
#include "app/Dateien.h"

#include "app/Marken.h"
#include "export/ModulKopf.h"
#include "export/RtfAusgabe.h"
#include "steuerung/RtfBefehle.h"

#include <cstdlib>
#include <sstream>

namespace cb::test {
namespace {

namespace fs = std::filesystem;

const std::string Sterne = "' " + std::string(62, '*');

class RtfAusgabeTest : public ExportTest {};

TEST(ModulKopfBlock, NamesTheModuleAndItsType) {
    auto block = [](const std::string& typ) { return OhneMarken(ModulKopfBlock("Name", typ)); };
    EXPECT_EQ(block("M2"), Sterne + "\r\n'  Modul:  Name  Typ = Allgemeines Modul\r\n" + Sterne);
    EXPECT_EQ(block("M1"), Sterne + "\r\n'  Modul:  Name  Typ = Userform\r\n" + Sterne);
    EXPECT_EQ(block("M3"), Sterne + "\r\n'  Modul:  Name  Typ = Klassenmodul\r\n" + Sterne);
    EXPECT_EQ(block("M5"),
              Sterne + "\r\n'  Modul:  Name  Typ = Element der Mappe(Sheet, Workbook, ...)\r\n" + Sterne);
    EXPECT_EQ(block("M4"), Sterne + "\r\n'  Modul:  Name  \r\n" + Sterne);
    EXPECT_EQ(block("M32"), Sterne + "\r\n'  Modul:  Name  \r\n" + Sterne);
    std::string roh = ModulKopfBlock("xxxxx_yyyyy", "M2");
    EXPECT_TRUE(roh.starts_with(std::string(MarkeFettAn) + std::string(MarkeKommentar)));
    EXPECT_TRUE(roh.ends_with(std::string(MarkeNormal) + std::string(MarkeFettAus)));
    EXPECT_NE(roh.find("Modul:  xxxxx_yyyyy  Typ"), std::string::npos) << "the name is taken as it is";
}

TEST(RtfDateiPfad, EndsInUpperCaseRtf) {
    EXPECT_EQ(RtfDateiPfad("/doku/Modul1.rtf"), "/doku/Modul1.RTF");
    EXPECT_EQ(RtfDateiPfad("/doku/Modul1.Rtf"), "/doku/Modul1.RTF");
    EXPECT_EQ(RtfDateiPfad("/doku/Modul1.doc"), "/doku/Modul1.RTF");
    EXPECT_EQ(RtfDateiPfad("/doku/Bericht"), "/doku/Bericht.RTF") << "no letters of the name are lost";
    EXPECT_EQ(RtfDateiPfad("/do.ku/ab"), "/do.ku/ab.RTF");
}

TEST_F(RtfAusgabeTest, ProjectDocumentHasOneHeaderAndABoldCommentBlockPerModule) {
    Oeffnen(ZweiModule());
    auto k = K();
    std::string pfad = (ordner / "p.RTF").string();
    ASSERT_TRUE(RtfProjekt(k, pfad));
    std::string rtf = DateiInhalt(pfad);
    EXPECT_EQ(Anzahl(rtf, "{\\rtf1"), 1u);
    EXPECT_EQ(Anzahl(rtf, "{\\colortbl"), 1u);
    EXPECT_TRUE(rtf.ends_with("}"));
    EXPECT_EQ(Anzahl(rtf, "\r\n\\par \r\n\\par \\b \\cf2 " + Sterne + "\r\n\\par '  Modul:  "), 2u) << rtf;
    EXPECT_NE(rtf.find("Modul:  Modul1  Typ = Allgemeines Modul"), std::string::npos);
    EXPECT_NE(rtf.find("Modul:  Klasse1  Typ = Klassenmodul"), std::string::npos);
    EXPECT_NE(rtf.find("Zwei = 2"), std::string::npos);
    EXPECT_TRUE(meldungen.Gezeigt().empty());
    EXPECT_EQ(anzeige.Status(Panel::Aktivitaet), "");
    EXPECT_FALSE(anzeige.Sanduhr());

    z.Opt.RoutinenFett = false;
    ASSERT_TRUE(RtfProjekt(k, pfad));
    rtf = DateiInhalt(pfad);
    EXPECT_EQ(rtf.find("\\b "), std::string::npos);
    EXPECT_EQ(rtf.find("\\b0"), std::string::npos);
}

TEST_F(RtfAusgabeTest, ModuleFileIsWindows1252WithOtherCharactersEscaped) {
    Oeffnen({{"Modul1", ModulStandard, "Sub A()\r\n    x = \"Grüße Ж\"\r\nEnd Sub"},
             {"Leer", ModulStandard, ""}});
    auto k = K();
    k.aktModulNummer = 1;
    std::string pfad = (ordner / "m.RTF").string();
    ASSERT_TRUE(RtfModul(k, pfad));
    std::string rtf = DateiInhalt(pfad);
    EXPECT_NE(rtf.find("Gr\xFC\xDF"
                       "e \\u1046?"),
              std::string::npos);
    EXPECT_EQ(rtf.find("Modul:"), std::string::npos) << "a module alone has no header block";
    k.aktModulNummer = 2;
    ASSERT_TRUE(RtfModul(k, pfad));
    EXPECT_TRUE(DateiInhalt(pfad).starts_with("{\\rtf1"));
}

TEST_F(RtfAusgabeTest, ChooserProposesTheNameAndTheFileGetsTheRtfExtension) {
    Oeffnen(ZweiModule());
    auto k = K();
    AufzeichnendeDialoge d;
    k.aktModulNummer = 2;
    d.speichernAntworten.push_back((ordner / "Klasse1.rtf").string());
    mnuRtf_Modul_Click(k, d, "Klasse1");
    ASSERT_EQ(d.speichernFragen.size(), 1u);
    EXPECT_EQ(d.speichernFragen[0].VorgeschlagenerName, "Klasse1");
    EXPECT_EQ(d.speichernFragen[0].Filter[0].Text, "RTF-Dokument (*.rtf)");
    EXPECT_EQ(d.speichernFragen[0].StandardEndung, "RTF");
    EXPECT_EQ(d.speichernFragen[0].StartOrdner, fs::current_path().string());
    EXPECT_TRUE(fs::exists(ordner / "Klasse1.RTF"));
    EXPECT_FALSE(fs::exists(ordner / "Klasse1.rtf"));

    mnuRtf_Projekt_Click(k, d, "VBAProject"); // cancelled
    EXPECT_EQ(d.speichernFragen.back().VorgeschlagenerName, "VBAProject");
    EXPECT_TRUE(meldungen.Gezeigt().empty());
}

TEST_F(RtfAusgabeTest, FailuresSayWhyAndKeepTheOldFile) {
    Oeffnen(ZweiModule());
    auto k = K();
    std::string pfad = (ordner / "alt.RTF").string();
    DateiSchreiben(pfad, "altes Dokument");
    fs::remove(projektOrdner + "M2.txt");
    EXPECT_FALSE(RtfProjekt(k, pfad));
    ASSERT_EQ(meldungen.Gezeigt().size(), 1u);
    EXPECT_NE(meldungen.Gezeigt()[0].Text.find("M2.txt"), std::string::npos);
    EXPECT_EQ(DateiInhalt(pfad), "altes Dokument");
    EXPECT_EQ(anzeige.Status(Panel::Aktivitaet), "");
    EXPECT_FALSE(anzeige.Sanduhr());

    k.aktModulNummer = 1;
    EXPECT_FALSE(RtfModul(k, (ordner / "fehlt" / "x.RTF").string()));
    EXPECT_NE(meldungen.Gezeigt().back().Text.find("x.RTF"), std::string::npos);
}

TEST_F(RtfAusgabeTest, ReplacedFileKeepsItsRightsAndItsLink) {
    Oeffnen(ZweiModule());
    auto k = K();
    k.aktModulNummer = 1;
    const fs::path privat = ordner / "privat.RTF";
    DateiSchreiben(privat.string(), "alt");
    fs::permissions(privat, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(RtfModul(k, privat.string()));
    EXPECT_EQ(fs::status(privat).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_TRUE(DateiInhalt(privat).starts_with("{\\rtf1"));

    const fs::path echt = NeuerOrdner("ablage") / "echt.RTF";
    DateiSchreiben(echt.string(), "alt");
    const fs::path verweis = ordner / "verweis.RTF";
    fs::create_symlink(echt, verweis);
    ASSERT_TRUE(RtfModul(k, verweis.string()));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(verweis))) << "the link stays a link";
    EXPECT_TRUE(DateiInhalt(echt).starts_with("{\\rtf1")) << "the file it names is written";

    // A link planted where a temporary file might be made is never written through.
    const fs::path opfer = NeuerOrdner("opfer") / "opfer.txt";
    DateiSchreiben(opfer.string(), "bleibt");
    fs::create_symlink(opfer, ordner / ".neu.RTF.neu");
    ASSERT_TRUE(RtfModul(k, (ordner / "neu.RTF").string()));
    EXPECT_EQ(DateiInhalt(opfer), "bleibt");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(ordner / "neu.RTF")));
    for (const auto& e : fs::directory_iterator(ordner))
        EXPECT_EQ(e.path().filename().string().find(".neu-"), std::string::npos)
            << "left behind: " << e.path();
    EXPECT_TRUE(meldungen.Gezeigt().empty());
}

// The chooser names the file, and it is the user's own: one without any
// write bit is refused, for root too, and left as it was.
TEST_F(RtfAusgabeTest, AReadOnlyFileIsRefusedAndNamed) {
    Oeffnen(ZweiModule());
    auto k = K();
    k.aktModulNummer = 1;
    const fs::path pfad = ordner / "nurlesen.RTF";
    DateiSchreiben(pfad.string(), "alt");
    fs::permissions(pfad, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_FALSE(RtfModul(k, pfad.string()));
    ASSERT_EQ(meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(meldungen.Gezeigt()[0].Text, "Datei ist schreibgeschützt: " + pfad.string());
    EXPECT_EQ(DateiInhalt(pfad), "alt");
    EXPECT_EQ(anzeige.Status(Panel::Aktivitaet), "");
    EXPECT_FALSE(anzeige.Sanduhr());
}

TEST_F(RtfAusgabeTest, FullDiskKeepsTheOldFile) {
    fs::path ort = NeuerOrdner("vollRtf");
    CB_KLEINES_DATEISYSTEM(klein, ort, 64 << 10);
    std::string code;
    for (int i = 0; i < 4000; ++i)
        code += "' Zeile " + std::to_string(i) + " mit etwas Text\r\n";
    Oeffnen({{"Gross", ModulStandard, code}});
    auto k = K();
    std::string pfad = (ort / "alt.RTF").string();
    DateiSchreiben(pfad, "altes Dokument");
    EXPECT_FALSE(RtfProjekt(k, pfad));
    ASSERT_EQ(meldungen.Gezeigt().size(), 1u);
    EXPECT_NE(meldungen.Gezeigt()[0].Text.find("Kein Platz mehr auf dem Datenträger"), std::string::npos)
        << meldungen.Gezeigt()[0].Text;
    EXPECT_EQ(DateiInhalt(pfad), "altes Dokument");
    EXPECT_EQ(std::distance(fs::directory_iterator(ort), fs::directory_iterator()), 1)
        << "no half file is left";
}

std::string Programm(const std::string& name) {
    std::string befehl = "command -v " + name + " >/dev/null 2>&1";
    return std::system(befehl.c_str()) == 0 ? name : std::string();
}

// The lines of a text with their blanks collapsed, empty lines dropped:
// what a PDF shows, whatever the layout put around the words.
std::vector<std::string> Zeilen(const std::string& text) {
    std::vector<std::string> zeilen;
    std::istringstream ein(text);
    for (std::string zeile; std::getline(ein, zeile);) {
        std::string z;
        for (char c : zeile) {
            bool leer = c == ' ' || c == '\t' || c == '\f' || c == '\r';
            if (!leer)
                z += c;
            else if (!z.empty() && z.back() != ' ')
                z += ' ';
        }
        while (!z.empty() && z.back() == ' ')
            z.pop_back();
        if (!z.empty())
            zeilen.push_back(z);
    }
    return zeilen;
}

TEST_F(RtfAusgabeTest, ProjectFileOpensInLibreOffice) {
    std::string office = Programm("libreoffice");
    if (office.empty())
        office = Programm("soffice");
    if (office.empty())
        GTEST_SKIP() << "LibreOffice is not installed";
    if (Programm("pdftotext").empty())
        GTEST_SKIP() << "pdftotext is not installed";
    Oeffnen(ZweiModule());
    auto k = K();
    std::string rtf = (ordner / "Projekt.RTF").string();
    ASSERT_TRUE(RtfProjekt(k, rtf));
    // A plain document converted alongside tells a LibreOffice without its
    // word processor (which converts no text document at all) from one
    // that cannot read our file.
    std::string probe = (ordner / "Probe.rtf").string();
    DateiSchreiben(probe, "{\\rtf1\\ansi Probe\\par}");
    std::string befehl = office + " --headless -env:UserInstallation=file://" + (ordner / "lo").string() +
                         " --convert-to pdf --outdir " + ordner.string() + " " + probe + " " + rtf +
                         " >/dev/null 2>&1";
    ASSERT_EQ(std::system(befehl.c_str()), 0);
    if (!fs::exists(ordner / "Probe.pdf"))
        GTEST_SKIP() << "this LibreOffice converts no text document (Writer missing)";
    fs::path pdf = ordner / "Projekt.pdf";
    ASSERT_TRUE(fs::exists(pdf)) << "LibreOffice could not read the project's RTF file";
    std::string text = (ordner / "Projekt.txt").string();
    ASSERT_EQ(std::system(("pdftotext -layout " + pdf.string() + " " + text).c_str()), 0);
    // Each module under its bold header block, in the tree's order, and
    // nothing of the markup shown as text.
    EXPECT_EQ(
        Zeilen(DateiInhalt(text)),
        (std::vector<std::string>{Sterne, "' Modul: Modul1 Typ = Allgemeines Modul", Sterne, "Sub Eins()",
                                  "x = 1 ' eins", "End Sub", Sterne, "' Modul: Klasse1 Typ = Klassenmodul",
                                  Sterne, "Public Function Zwei() As Long", "Zwei = 2", "End Function"}));
}

} // namespace
} // namespace cb::test
