// SPDX-License-Identifier: GPL-3.0-or-later
#include "testhilfen/OoxmlPaket.h"

#include "app/Text.h"

#include <algorithm>
#include <set>

namespace cb::workbook {

namespace {

constexpr const char* XmlKopf = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n";
constexpr const char* RelNs = "http://schemas.openxmlformats.org/package/2006/relationships";
constexpr const char* RelTyp = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
constexpr const char* VbaRelTyp = "http://schemas.microsoft.com/office/2006/relationships/vbaProject";
constexpr const char* VbaTyp = "application/vnd.ms-office.vbaProject";

std::string Xml(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

struct Beziehung {
    std::string typ; // full type URI
    std::string ziel;
};

std::string Beziehungen(const std::vector<Beziehung>& b) {
    std::string out = std::string(XmlKopf) + "<Relationships xmlns=\"" + RelNs + "\">";
    for (std::size_t i = 0; i < b.size(); ++i)
        out += "<Relationship Id=\"rId" + std::to_string(i + 1) + "\" Type=\"" + b[i].typ + "\" Target=\"" +
               b[i].ziel + "\"/>";
    return out + "</Relationships>";
}

struct Teil {
    std::string pfad; // without the leading "/"
    std::string typ;
    std::string daten;
};

// The main document and what hangs off it, apart from vbaProject.bin.
struct Hauptteil {
    std::string ordner; // "xl"
    std::string name;   // "workbook.xml"
    std::string typ;
    std::string daten;
    std::vector<Beziehung> beziehungen; // vbaProject.bin's comes last
    std::vector<Teil> weitere;
};

Hauptteil Arbeitsmappe(PaketArt art, const ExcelCodeNamen& namen) {
    constexpr const char* Ns = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
    Hauptteil h{"xl", "workbook.xml", {}, {}, {}, {}};
    switch (art) {
    case PaketArt::Xltm:
        h.typ = "application/vnd.ms-excel.template.macroEnabled.main+xml";
        break;
    case PaketArt::Xlam:
        h.typ = "application/vnd.ms-excel.addin.macroEnabled.main+xml";
        break;
    default:
        h.typ = "application/vnd.ms-excel.sheet.macroEnabled.main+xml";
        break;
    }
    const std::vector<std::string> titel = BlattNamen(namen);
    h.daten = std::string(XmlKopf) + "<workbook xmlns=\"" + Ns + "\" xmlns:r=\"" +
              "http://schemas.openxmlformats.org/officeDocument/2006/relationships\">";
    h.daten += namen.arbeitsmappe.empty() ? "<workbookPr/>"
                                          : "<workbookPr codeName=\"" + Xml(namen.arbeitsmappe) + "\"/>";
    h.daten += "<bookViews><workbookView/></bookViews><sheets>";
    for (std::size_t i = 0; i < titel.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        const std::string code = i < namen.tabellen.size() ? namen.tabellen[i] : std::string();
        h.daten += "<sheet name=\"" + Xml(titel[i]) + "\" sheetId=\"" + n + "\" r:id=\"rId" + n + "\"/>";
        h.beziehungen.push_back({std::string(RelTyp) + "worksheet", "worksheets/sheet" + n + ".xml"});
        std::string blatt = std::string(XmlKopf) + "<worksheet xmlns=\"" + Ns + "\">";
        if (!code.empty())
            blatt += "<sheetPr codeName=\"" + Xml(code) + "\"/>";
        blatt += "<sheetData/></worksheet>";
        h.weitere.push_back({"xl/worksheets/sheet" + n + ".xml",
                             "application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml",
                             blatt});
    }
    h.daten += "</sheets></workbook>";
    return h;
}

Hauptteil Dokument(PaketArt art) {
    Hauptteil h{"word", "document.xml", {}, {}, {}, {}};
    h.typ = art == PaketArt::Dotm ? "application/vnd.ms-word.template.macroEnabledTemplate.main+xml"
                                  : "application/vnd.ms-word.document.macroEnabled.main+xml";
    h.daten = std::string(XmlKopf) +
              "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
              "<w:body><w:p/></w:body></w:document>";
    return h;
}

// A presentation without slides still needs a master, its one layout and
// the theme the master uses.
Hauptteil Praesentation() {
    constexpr const char* Ns =
        "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" "
        "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\" "
        "xmlns:p=\"http://schemas.openxmlformats.org/presentationml/2006/main\"";
    constexpr const char* LeererBaum =
        "<p:cSld><p:spTree><p:nvGrpSpPr><p:cNvPr id=\"1\" name=\"\"/><p:cNvGrpSpPr/><p:nvPr/></p:nvGrpSpPr>"
        "<p:grpSpPr/></p:spTree></p:cSld>";
    Hauptteil h{
        "ppt", "presentation.xml", "application/vnd.ms-powerpoint.presentation.macroEnabled.main+xml", {}, {},
        {}};
    h.daten =
        std::string(XmlKopf) + "<p:presentation " + Ns +
        "><p:sldMasterIdLst><p:sldMasterId id=\"2147483648\" r:id=\"rId1\"/></p:sldMasterIdLst>"
        "<p:sldSz cx=\"9144000\" cy=\"6858000\"/><p:notesSz cx=\"6858000\" cy=\"9144000\"/></p:presentation>";
    h.beziehungen.push_back({std::string(RelTyp) + "slideMaster", "slideMasters/slideMaster1.xml"});
    h.beziehungen.push_back({std::string(RelTyp) + "theme", "theme/theme1.xml"});

    const std::string master =
        std::string(XmlKopf) + "<p:sldMaster " + Ns + ">" + LeererBaum +
        "<p:clrMap bg1=\"lt1\" tx1=\"dk1\" bg2=\"lt2\" tx2=\"dk2\" accent1=\"accent1\" accent2=\"accent2\" "
        "accent3=\"accent3\" accent4=\"accent4\" accent5=\"accent5\" accent6=\"accent6\" hlink=\"hlink\" "
        "folHlink=\"folHlink\"/><p:sldLayoutIdLst><p:sldLayoutId id=\"2147483649\" r:id=\"rId1\"/>"
        "</p:sldLayoutIdLst></p:sldMaster>";
    const std::string layout = std::string(XmlKopf) + "<p:sldLayout " + Ns + " type=\"blank\">" + LeererBaum +
                               "<p:clrMapOvr><a:masterClrMapping/></p:clrMapOvr></p:sldLayout>";
    std::string farben;
    const std::pair<const char*, const char*> schema[] = {
        {"dk1", "000000"},     {"lt1", "FFFFFF"},     {"dk2", "44546A"},     {"lt2", "E7E6E6"},
        {"accent1", "4472C4"}, {"accent2", "ED7D31"}, {"accent3", "A5A5A5"}, {"accent4", "FFC000"},
        {"accent5", "5B9BD5"}, {"accent6", "70AD47"}, {"hlink", "0563C1"},   {"folHlink", "954F72"}};
    for (const auto& [name, rgb] : schema)
        farben += std::string("<a:") + name + "><a:srgbClr val=\"" + rgb + "\"/></a:" + name + ">";
    const std::string fuellung = "<a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill>";
    const std::string linie = "<a:ln w=\"6350\">" + fuellung + "</a:ln>";
    const std::string effekt = "<a:effectStyle><a:effectLst/></a:effectStyle>";
    std::string dreimal[4];
    for (int i = 0; i < 3; ++i) {
        dreimal[0] += fuellung;
        dreimal[1] += linie;
        dreimal[2] += effekt;
        dreimal[3] += fuellung;
    }
    const std::string thema =
        std::string(XmlKopf) +
        "<a:theme xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" "
        "name=\"Office\"><a:themeElements>"
        "<a:clrScheme name=\"Office\">" +
        farben +
        "</a:clrScheme>"
        "<a:fontScheme name=\"Office\"><a:majorFont><a:latin typeface=\"Calibri\"/><a:ea typeface=\"\"/>"
        "<a:cs typeface=\"\"/></a:majorFont><a:minorFont><a:latin typeface=\"Calibri\"/><a:ea typeface=\"\"/>"
        "<a:cs typeface=\"\"/></a:minorFont></a:fontScheme>"
        "<a:fmtScheme name=\"Office\"><a:fillStyleLst>" +
        dreimal[0] + "</a:fillStyleLst><a:lnStyleLst>" + dreimal[1] + "</a:lnStyleLst><a:effectStyleLst>" +
        dreimal[2] + "</a:effectStyleLst><a:bgFillStyleLst>" + dreimal[3] +
        "</a:bgFillStyleLst></a:fmtScheme></a:themeElements></a:theme>";

    h.weitere.push_back({"ppt/slideMasters/slideMaster1.xml",
                         "application/vnd.openxmlformats-officedocument.presentationml.slideMaster+xml",
                         master});
    h.weitere.push_back(
        {"ppt/slideMasters/_rels/slideMaster1.xml.rels",
         {},
         Beziehungen({{std::string(RelTyp) + "slideLayout", "../slideLayouts/slideLayout1.xml"},
                      {std::string(RelTyp) + "theme", "../theme/theme1.xml"}})});
    h.weitere.push_back({"ppt/slideLayouts/slideLayout1.xml",
                         "application/vnd.openxmlformats-officedocument.presentationml.slideLayout+xml",
                         layout});
    h.weitere.push_back(
        {"ppt/slideLayouts/_rels/slideLayout1.xml.rels",
         {},
         Beziehungen({{std::string(RelTyp) + "slideMaster", "../slideMasters/slideMaster1.xml"}})});
    h.weitere.push_back(
        {"ppt/theme/theme1.xml", "application/vnd.openxmlformats-officedocument.theme+xml", thema});
    return h;
}

} // namespace

std::vector<std::string> BlattNamen(const ExcelCodeNamen& namen) {
    const std::size_t anzahl = std::max<std::size_t>(namen.tabellen.size(), 1);
    auto brauchbar = [](const std::string& n) {
        return !n.empty() && Utf8NachCodepage(n, 1200).size() <= 62 &&
               n.find_first_of("[]:*?/\\") == std::string::npos;
    };
    std::set<std::string> vergeben;
    for (const std::string& n : namen.tabellen)
        if (brauchbar(n))
            vergeben.insert(KleinGefaltet(n));
    std::vector<std::string> out;
    for (std::size_t i = 0; i < anzahl; ++i) {
        const std::string code = i < namen.tabellen.size() ? namen.tabellen[i] : std::string();
        if (brauchbar(code)) {
            out.push_back(code);
            continue;
        }
        std::string ersatz = "Tabelle" + std::to_string(i + 1);
        for (std::size_t k = anzahl + 1; !vergeben.insert(KleinGefaltet(ersatz)).second; ++k)
            ersatz = "Tabelle" + std::to_string(k);
        out.push_back(ersatz);
    }
    return out;
}

std::vector<ContainerEintrag> PaketTeile(PaketArt art, const ExcelCodeNamen& namen,
                                         std::string vbaProjectBin) {
    Hauptteil h;
    switch (art) {
    case PaketArt::Xlsm:
    case PaketArt::Xltm:
    case PaketArt::Xlam:
        h = Arbeitsmappe(art, namen);
        break;
    case PaketArt::Docm:
    case PaketArt::Dotm:
        h = Dokument(art);
        break;
    case PaketArt::Pptm:
        h = Praesentation();
        break;
    }
    h.beziehungen.push_back({VbaRelTyp, "vbaProject.bin"});

    const std::string haupt = h.ordner + "/" + h.name;
    std::string typen = std::string(XmlKopf) +
                        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                        "<Default Extension=\"rels\" "
                        "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
                        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
                        "<Default Extension=\"bin\" ContentType=\"" +
                        VbaTyp +
                        "\"/>"
                        "<Override PartName=\"/" +
                        haupt + "\" ContentType=\"" + h.typ + "\"/>";
    for (const Teil& t : h.weitere)
        if (!t.typ.empty())
            typen += "<Override PartName=\"/" + t.pfad + "\" ContentType=\"" + t.typ + "\"/>";
    typen +=
        "<Override PartName=\"/" + h.ordner + "/vbaProject.bin\" ContentType=\"" + VbaTyp + "\"/></Types>";

    std::vector<ContainerEintrag> out;
    out.push_back({"[Content_Types].xml", std::move(typen)});
    out.push_back({"_rels/.rels", Beziehungen({{std::string(RelTyp) + "officeDocument", haupt}})});
    out.push_back({haupt, std::move(h.daten)});
    out.push_back({h.ordner + "/_rels/" + h.name + ".rels", Beziehungen(h.beziehungen)});
    for (Teil& t : h.weitere)
        out.push_back({std::move(t.pfad), std::move(t.daten)});
    out.push_back({h.ordner + "/vbaProject.bin", std::move(vbaProjectBin)});
    return out;
}

} // namespace cb::workbook
