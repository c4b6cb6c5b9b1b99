// SPDX-License-Identifier: GPL-3.0-or-later
#include "testhilfen/BiffMappe.h"

#include "app/Text.h"
#include "import/workbook/Bytes.h"

namespace cb::workbook {

namespace {

// Record types of MS-XLS 2.3.
enum : std::uint16_t {
    Bof = 0x0809,
    Eof = 0x000A,
    InterfaceHdr = 0x00E1,
    Mms = 0x00C1,
    InterfaceEnd = 0x00E2,
    WriteAccess = 0x005C,
    CodePage = 0x0042,
    Dsf = 0x0161,
    RRTabId = 0x013D,
    ObProj = 0x00D3,
    CodeName = 0x01BA,
    FnGroupCount = 0x009C,
    WinProtect = 0x0019,
    Protect = 0x0012,
    Password = 0x0013,
    Prot4Rev = 0x01AF,
    Prot4RevPass = 0x01BC,
    Window1 = 0x003D,
    Backup = 0x0040,
    HideObj = 0x008D,
    Date1904 = 0x0022,
    CalcPrecision = 0x000E,
    RefreshAll = 0x01B7,
    BookBool = 0x00DA,
    Font = 0x0031,
    Xf = 0x00E0,
    Style = 0x0293,
    UsesElfs = 0x0160,
    BoundSheet8 = 0x0085,
    Country = 0x008C,
    Sst = 0x00FC,
    ExtSst = 0x00FF,
    Index = 0x020B,
    CalcMode = 0x000D,
    CalcCount = 0x000C,
    CalcRefMode = 0x000F,
    DefaultRowHeight = 0x0225,
    WsBool = 0x0081,
    DefColWidth = 0x0055,
    Dimensions = 0x0200,
    Window2 = 0x023E,
};

class Saetze {
public:
    void Satz(std::uint16_t typ, std::string_view daten = {}) {
        PutU16(m_out, typ);
        PutU16(m_out, static_cast<std::uint16_t>(daten.size()));
        m_out += daten;
    }
    void Satz16(std::uint16_t typ, std::uint16_t wert) {
        std::string d;
        PutU16(d, wert);
        Satz(typ, d);
    }
    std::size_t Position() const { return m_out.size(); }
    std::string& Bytes() { return m_out; }

private:
    std::string m_out;
};

// Characters as one byte each where all fit, else UTF-16 (fHighByte).
std::string Zeichen(std::string_view utf8, std::size_t& anzahl) {
    const std::string utf16 = Utf8NachCodepage(utf8, 1200);
    anzahl = utf16.size() / 2;
    bool schmal = true;
    for (std::size_t i = 1; i < utf16.size(); i += 2)
        schmal = schmal && utf16[i] == '\0';
    if (!schmal)
        return '\x01' + utf16;
    std::string out(1, '\0');
    for (std::size_t i = 0; i < utf16.size(); i += 2)
        out += utf16[i];
    return out;
}

// XLUnicodeString: a 16-bit count of characters.
std::string LangerText(std::string_view utf8) {
    std::size_t n = 0;
    const std::string z = Zeichen(utf8, n);
    std::string out;
    PutU16(out, static_cast<std::uint16_t>(n));
    return out + z;
}

// ShortXLUnicodeString: an 8-bit count.
std::string KurzerText(std::string_view utf8) {
    std::size_t n = 0;
    const std::string z = Zeichen(utf8, n);
    return std::string(1, static_cast<char>(n)) + z;
}

std::string BofDaten(std::uint16_t art) {
    std::string d;
    PutU16(d, 0x0600); // BIFF8
    PutU16(d, art);
    PutU16(d, 0x0DBB); // build and year of the writing application
    PutU16(d, 0x07CC);
    PutU32(d, 0);
    PutU32(d, 0x0006); // lowest BIFF version to read all records
    return d;
}

void Globale(Saetze& s, const ExcelCodeNamen& namen, bool mitVba, std::size_t blaetter) {
    s.Satz(Bof, BofDaten(0x0005));
    s.Satz16(InterfaceHdr, 1200);
    s.Satz(Mms, std::string(2, '\0'));
    s.Satz(InterfaceEnd);
    std::string wer = LangerText("Code Brindle");
    wer.resize(112, ' ');
    s.Satz(WriteAccess, wer);
    s.Satz16(CodePage, 1200);
    s.Satz16(Dsf, 0);
    std::string tabs;
    for (std::size_t i = 1; i <= blaetter; ++i)
        PutU16(tabs, static_cast<std::uint16_t>(i));
    s.Satz(RRTabId, tabs);
    if (mitVba)
        s.Satz(ObProj);
    if (!namen.arbeitsmappe.empty())
        s.Satz(CodeName, LangerText(namen.arbeitsmappe));
    s.Satz16(FnGroupCount, 0x000E);
    for (std::uint16_t t : {WinProtect, Protect, Password, Prot4Rev, Prot4RevPass})
        s.Satz16(t, 0);
    std::string fenster;
    for (std::uint16_t w : {0x0000, 0x0000, 0x4000, 0x2000, 0x0038, 0x0000, 0x0000, 0x0001, 0x0258})
        PutU16(fenster, w);
    s.Satz(Window1, fenster);
    s.Satz16(Backup, 0);
    s.Satz16(HideObj, 0);
    s.Satz16(Date1904, 0);
    s.Satz16(CalcPrecision, 1);
    s.Satz16(RefreshAll, 0);
    s.Satz16(BookBool, 0);
    // Four fonts, since index 4 is never used and readers count on 0 to 3.
    std::string font;
    for (std::uint16_t w : {200, 0x0000, 0x7FFF, 400, 0x0000})
        PutU16(font, w);
    font += std::string(4, '\0'); // underline, family, character set, reserved
    font += KurzerText("Arial");
    for (int i = 0; i < 4; ++i)
        s.Satz(Font, font);
    // The 15 style formats and one cell format that every workbook has;
    // each uses font 0, the general number format and the default look.
    auto xf = [](std::uint16_t flags) {
        std::string d;
        PutU16(d, 0);     // font
        PutU16(d, 0);     // number format
        PutU16(d, flags); // locked, style or cell, parent
        d += '\x20';      // aligned to the bottom
        d += std::string(3, '\0');
        PutU32(d, 0); // no borders
        PutU32(d, 0);
        PutU16(d, 0x20C0); // pattern colours: system foreground and background
        return d;
    };
    for (int i = 0; i < 15; ++i)
        s.Satz(Xf, xf(0xFFF5));
    s.Satz(Xf, xf(0x0001));
    std::string normal;
    PutU16(normal, 0x8000); // built-in style of XF 0
    normal += '\0';         // "Normal"
    normal += '\xFF';
    s.Satz(Style, normal);
    s.Satz16(UsesElfs, 0);
}

void Blatt(Saetze& s, const std::string& codeName, bool aktiv) {
    s.Satz(Bof, BofDaten(0x0010));
    const std::size_t index = s.Position();
    s.Satz(Index, std::string(16, '\0'));
    s.Satz16(CalcMode, 1);
    s.Satz16(CalcCount, 100);
    s.Satz16(CalcRefMode, 1);
    std::string hoehe;
    PutU16(hoehe, 0);
    PutU16(hoehe, 0x00FF);
    s.Satz(DefaultRowHeight, hoehe);
    s.Satz16(WsBool, 0x04C1);
    // Index points at DefColWidth; with no rows it holds nothing else.
    const std::size_t breite = s.Position();
    s.Satz16(DefColWidth, 8);
    std::string lage;
    PutU32(lage, static_cast<std::uint32_t>(breite));
    s.Bytes().replace(index + 4 + 12, 4, lage);
    s.Satz(Dimensions, std::string(14, '\0'));
    std::string fenster;
    // Grid, headers, zeros and outline shown; the first sheet is the active one.
    for (std::uint16_t w : {aktiv ? 0x06B6 : 0x04B6, 0, 0, 64, 0, 0, 0, 0, 0})
        PutU16(fenster, w);
    s.Satz(Window2, fenster);
    if (!codeName.empty())
        s.Satz(CodeName, LangerText(codeName));
    s.Satz(Eof);
}

} // namespace

std::string BiffWorkbookStream(const ExcelCodeNamen& namen, bool mitVba) {
    const std::vector<std::string> titel = BlattNamen(namen);
    Saetze s;
    Globale(s, namen, mitVba, titel.size());
    // BoundSheet8 holds the stream offset of its sheet's BOF, known only
    // once the globals end: the offsets are filled in afterwards.
    std::vector<std::size_t> verweise;
    for (const std::string& t : titel) {
        verweise.push_back(s.Position() + 4);
        std::string d(4, '\0');
        d += '\0'; // visible
        d += '\0'; // worksheet
        s.Satz(BoundSheet8, d + KurzerText(t));
    }
    std::string land;
    PutU16(land, 1);
    PutU16(land, 49);
    s.Satz(Country, land);
    s.Satz(Sst, std::string(8, '\0'));
    s.Satz16(ExtSst, 8);
    s.Satz(Eof);
    for (std::size_t i = 0; i < titel.size(); ++i) {
        std::string lage;
        PutU32(lage, static_cast<std::uint32_t>(s.Position()));
        s.Bytes().replace(verweise[i], 4, lage);
        Blatt(s, i < namen.tabellen.size() ? namen.tabellen[i] : std::string(), i == 0);
    }
    return std::move(s.Bytes());
}

} // namespace cb::workbook
