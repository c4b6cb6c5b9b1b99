// SPDX-License-Identifier: GPL-3.0-or-later
// HTML to the clipboard: the question and credit line, the preview file
// and its opening, the sources and their empty cases.
#include "ExportHilfen.h"

#include "BuildInfo.h"
#include "export/HtmlAusgabe.h"

namespace cb::test {
namespace {

namespace fs = std::filesystem;

const std::string Frage = "Die Daten sind jetzt für die Zwischenablage vorbereitet \r\n"
                          "und stehen Ihnen nach Schliessen des Dialoges dort zur Verfügung !\r\n\r\n"
                          "Hinweis auf Erstellungsprogramm Hinzufügen ?";

class HtmlAusgabeTest : public ExportTest {};

TEST_F(HtmlAusgabeTest, QuestionAddsTheCreditLineOnYes) {
    auto k = K();
    std::string html = "<pre>x</pre>";
    meldungen.Antworten(MeldungsAntwort::Ja);
    HtmlAusgeben(k, html);
    ASSERT_EQ(meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(meldungen.Gezeigt()[0].Text, Frage);
    EXPECT_EQ(meldungen.Gezeigt()[0].Symbol, MeldungsSymbol::Frage);
    EXPECT_EQ(meldungen.Gezeigt()[0].Knoepfe, MeldungsKnoepfe::JaNein);
    const std::string erwartet =
        "<pre>x</pre>\r\n<br><span style=\" font-weight:bold;\"> Code eingef&uuml;gt mit: </span> "
        "<a style =\"color:#ffff00; background-color:#000080; font-weight:bold;\" href=\"" +
        std::string(build::HomePage) + "\" target=\"blank\">Excel Code Brindle</a>";
    EXPECT_EQ(ablage.TextLesen(), erwartet);
    EXPECT_EQ(html, erwartet);
    EXPECT_EQ(ablage.MalGeleert(), 1);
    EXPECT_TRUE(shell.geoeffnet.empty()) << "no preview unless asked";

    html = "<pre>y</pre>";
    meldungen.Antworten(MeldungsAntwort::Nein);
    HtmlAusgeben(k, html);
    EXPECT_EQ(ablage.TextLesen(), "<pre>y</pre>");
}

TEST_F(HtmlAusgabeTest, WithoutTheMessageOptionNothingIsAskedOrAdded) {
    z.Opt.MeldungNachClip = false;
    auto k = K();
    std::string html = "<pre>x</pre>";
    HtmlAusgeben(k, html);
    EXPECT_TRUE(meldungen.Gezeigt().empty());
    EXPECT_EQ(ablage.TextLesen(), "<pre>x</pre>");
}

TEST_F(HtmlAusgabeTest, PreviewIsWrittenToTheWorkingAreaAndOpened) {
    z.Opt.MeldungNachClip = false;
    z.Opt.VorschauHtml = true;
    auto k = K();
    std::string html = "<pre>Grüße Ж</pre>";
    HtmlAusgeben(k, html);
    std::string datei = (ordner / "TempDateien" / "TempCodeBrindle.htm").string();
    EXPECT_EQ(VorschauDatei(VorschauOrdner(z)), datei);
    ASSERT_EQ(shell.geoeffnet, std::vector<std::string>{datei});
    EXPECT_EQ(DateiInhalt(datei),
              "<HTML><HEAD><TITLE>Excel Code Brindle</TITLE></HEAD><BODY><pre>Gr&#252;&#223;e &#1046;</pre>"
              "</Body></HTML>\r\n");
    EXPECT_EQ(ablage.TextLesen(), html) << "the clipboard keeps the characters themselves";
    EXPECT_TRUE(meldungen.Gezeigt().empty());
    EXPECT_TRUE(fs::is_empty(z.TempPfad)) << "nothing lands in the instance folder, which a save copies";
}

TEST_F(HtmlAusgabeTest, PreviewFailuresAreReported) {
    auto k = K();
    shell.gelingt = false;
    EXPECT_FALSE(HtmlVorschau(k, "<pre></pre>"));
    EXPECT_EQ(meldungen.Gezeigt().back().Text, "Vorschau nicht möglich, vermutlich kein IE installiert");

    fs::remove(VorschauDatei(VorschauOrdner(z)));
    fs::create_directories(VorschauDatei(VorschauOrdner(z))); // a folder where the file should go
    shell.geoeffnet.clear();
    EXPECT_FALSE(HtmlVorschau(k, "<pre></pre>"));
    EXPECT_NE(meldungen.Gezeigt().back().Text.find("TempCodeBrindle.htm"), std::string::npos);
    EXPECT_TRUE(shell.geoeffnet.empty());
}

TEST_F(HtmlAusgabeTest, APlantedLinkInThePreviewsPlaceIsReplacedNotWrittenThrough) {
    auto k = K();
    const fs::path datei = VorschauDatei(VorschauOrdner(z));
    fs::create_directories(datei.parent_path());
    const fs::path opfer = ordner / "opfer.txt";
    DateiSchreiben(opfer.string(), "bleibt");
    fs::create_symlink(opfer, datei);
    ASSERT_TRUE(HtmlVorschau(k, "<pre>x</pre>"));
    EXPECT_EQ(DateiInhalt(opfer), "bleibt");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(datei)));
    EXPECT_NE(DateiInhalt(datei.string()).find("<pre>x</pre>"), std::string::npos);
    EXPECT_EQ(shell.geoeffnet, std::vector<std::string>{datei.string()});
}

TEST_F(HtmlAusgabeTest, EmptySourcesSayWhyAndLeaveTheClipboard) {
    auto k = K();
    ablage.TextSetzen("");
    mnuHtml_Clipboard_Click(k);
    mnuHtml_Auswahl_Click(k, "");
    mnuPopUp_Zoom_Html_Click(k, "");
    ASSERT_EQ(meldungen.Gezeigt().size(), 2u);
    EXPECT_EQ(meldungen.Gezeigt()[0].Text, "Kein Text in der Zwischenablage");
    EXPECT_EQ(meldungen.Gezeigt()[0].Symbol, MeldungsSymbol::Information);
    EXPECT_EQ(meldungen.Gezeigt()[1].Text, "Bitte markieren Sie den gewünschten Text");
    EXPECT_EQ(meldungen.Gezeigt()[1].Symbol, MeldungsSymbol::Warnung);
    EXPECT_EQ(ablage.MalGeleert(), 0);
}

TEST_F(HtmlAusgabeTest, TextSourcesAreColouredOnTheSpot) {
    z.Opt.MeldungNachClip = false;
    auto k = K();
    ablage.TextSetzen("If a < b Then\nx = \"A&B\"");
    mnuHtml_Clipboard_Click(k);
    std::string html = ablage.TextLesen();
    EXPECT_TRUE(html.starts_with("<pre><span style=\"font-family=MS Sans Serif,Arial; font-size=10pt\"; >"))
        << html;
    EXPECT_NE(html.find("a &lt; b"), std::string::npos);
    EXPECT_NE(html.find("<span style=\"color:#800000\"; >&#34;A&#38;B&#34;</span>"), std::string::npos)
        << html;
    EXPECT_NE(html.find("Then</span>\r\nx"), std::string::npos) << "line breaks become CR LF";

    mnuHtml_Auswahl_Click(k, "Debug.Print (a + b): Stop");
    for (const char* e : {"&#40;", "&#41;", "&#58;", "&#43;"})
        EXPECT_NE(ablage.TextLesen().find(e), std::string::npos) << e;
    mnuPopUp_Zoom_Html_Click(k, "' nur Kommentar");
    EXPECT_NE(ablage.TextLesen().find("<span style=\"color:#008000\"; >"), std::string::npos);
    EXPECT_EQ(anzeige.Status(Panel::Aktivitaet), "");
}

TEST_F(HtmlAusgabeTest, ProjectGivesOneFragmentPerModuleWithItsHeader) {
    Oeffnen({{"Modul1", ModulStandard, "Sub A()\r\nEnd Sub"},
             {"Tabelle1", ModulDokument, "Dim x"},
             {"Form1", ModulUserForm, "Dim y"}});
    z.Opt.MeldungNachClip = false;
    auto k = K();
    HtmlProjekt(k);
    std::string html = ablage.TextLesen();
    EXPECT_EQ(Anzahl(html, "<pre>"), 3u);
    EXPECT_EQ(Anzahl(html, "</span></pre><pre>"), 2u) << "nothing between the fragments";
    const std::string kopf = "<pre><span style=\"font-family=MS Sans Serif,Arial; font-size=10pt\"; >\r\n\r\n"
                             "<b><span style=\"color:#008000\"; >' " +
                             std::string(62, '*') + "\r\n'  Modul&#58;  ";
    EXPECT_TRUE(html.starts_with(kopf + "Modul1  Typ = Allgemeines Modul\r\n")) << html;
    EXPECT_NE(html.find(kopf + "Tabelle1  Typ = Element der Mappe&#40;Sheet, Workbook, ...&#41;\r\n"),
              std::string::npos);
    EXPECT_NE(html.find(kopf + "Form1  Typ = Userform\r\n"), std::string::npos);

    z.Opt.RoutinenFett = false;
    HtmlProjekt(k);
    EXPECT_EQ(ablage.TextLesen().find("<b>"), std::string::npos);
}

TEST_F(HtmlAusgabeTest, ModuleExportReadsItsTextFileAndAMissingOneStopsBeforeTheClipboard) {
    Oeffnen(ZweiModule());
    z.Opt.MeldungNachClip = false;
    auto k = K();
    HtmlModul(k, "M2");
    EXPECT_NE(ablage.TextLesen().find("Zwei = 2"), std::string::npos);

    ablage.TextSetzen("vorher");
    fs::remove(projektOrdner + "M1.txt");
    EXPECT_THROW(HtmlModul(k, "M1"), std::runtime_error);
    k.aktModulNummer = 1;
    mnuHtml_Modul_Click(k);
    mnuHtml_projekt_Click(k);
    EXPECT_EQ(ablage.TextLesen(), "vorher");
    ASSERT_EQ(meldungen.Gezeigt().size(), 2u);
    for (const auto& m : meldungen.Gezeigt())
        EXPECT_NE(m.Text.find("M1.txt"), std::string::npos) << m.Text;
    EXPECT_EQ(anzeige.Status(Panel::Aktivitaet), "");
}

} // namespace
} // namespace cb::test
