// SPDX-License-Identifier: GPL-3.0-or-later
// The code pane's text and spans against the RTF document the system builds
// for the same marked text, read back character by character by a reader of
// the RTF that builder writes.
#include "GenerierteFaelle.h"
#include "TestHilfen.h"
#include "store/StoreHilfen.h"

#include "analysis/ModulParser.h"
#include "app/Text.h"
#include "export/TextAusgabe.h"
#include "render/CodeAnsicht.h"
#include "render/CodeMarkieren.h"
#include "render/Rtf.h"
#include "store/Datensaetze.h"
#include "store/ModulText.h"
#include "store/Sqlite.h"

#include <random>
#include <sstream>

namespace cb {
std::ostream& operator<<(std::ostream& o, const Spanne& s) {
    return o << "{" << s.Anfang << "," << s.Laenge << "}";
}
std::ostream& operator<<(std::ostream& o, const FarbSpanne& s) {
    return o << "{" << s.Anfang << "," << s.Laenge << "," << static_cast<int>(s.Art) << "}";
}
} // namespace cb

namespace {

using cb::FarbArt;
using cb::FarbSpanne;
using cb::Spanne;
using cb::test::M;

const std::string Y = "\xC5\xB8"; // the marker character

// One shown character: code point, colour table index, bold.
struct Zeichen {
    char32_t cp;
    int farbe;
    bool fett;
    bool operator==(const Zeichen&) const = default;
};

// The characters an RTF reader shows for the documents of our builder:
// \cfN, \b, \b0, \plain, \tab, \par, \uN with its "?", the escapes \\ \{ \},
// Windows-1252 bytes; groups inside the document (font and colour tables)
// and every other control word show nothing; bare CR and LF are not text.
std::vector<Zeichen> RtfLesen(std::string_view rtf) {
    std::vector<Zeichen> aus;
    int tiefe = 0, farbe = 0;
    bool fett = false;
    char32_t hoch = 0;
    auto zeigen = [&](char32_t cp) {
        if (cp >= 0xD800 && cp < 0xDC00) {
            hoch = cp;
            return;
        }
        if (cp >= 0xDC00 && cp < 0xE000 && hoch) {
            cp = 0x10000 + ((hoch - 0xD800) << 10) + (cp - 0xDC00);
        }
        hoch = 0;
        aus.push_back({cp, farbe, fett});
    };
    for (std::size_t i = 0; i < rtf.size();) {
        char c = rtf[i];
        if (c == '{' || c == '}') {
            tiefe += c == '{' ? 1 : -1;
            ++i;
        } else if (c == '\\') {
            char n = i + 1 < rtf.size() ? rtf[i + 1] : '\0';
            if (n == '\\' || n == '{' || n == '}') {
                if (tiefe == 1)
                    zeigen(static_cast<unsigned char>(n));
                i += 2;
                continue;
            }
            std::size_t j = i + 1;
            while (j < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[j])))
                ++j;
            std::string wort(rtf.substr(i + 1, j - i - 1));
            if (wort.empty()) {
                ADD_FAILURE() << "control symbol the builder does not write: " << n;
                i += 2;
                continue;
            }
            std::size_t p = j;
            if (p < rtf.size() && rtf[p] == '-')
                ++p;
            while (p < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[p])))
                ++p;
            bool mitZahl = p > j && rtf[p - 1] != '-';
            long zahl = mitZahl ? std::stol(std::string(rtf.substr(j, p - j))) : 0;
            if (p < rtf.size() && rtf[p] == ' ')
                ++p;
            i = p;
            if (tiefe != 1)
                continue;
            if (wort == "cf") {
                farbe = static_cast<int>(zahl);
            } else if (wort == "b") {
                fett = !mitZahl || zahl != 0;
            } else if (wort == "plain") {
                farbe = 0;
                fett = false;
            } else if (wort == "tab") {
                zeigen('\t');
            } else if (wort == "par") {
                zeigen('\n');
            } else if (wort == "u") {
                zeigen(static_cast<char32_t>(zahl < 0 ? zahl + 65536 : zahl));
                EXPECT_TRUE(i < rtf.size() && rtf[i] == '?') << "\\u without its stand-in";
                ++i;
            }
        } else {
            if (tiefe == 1 && c != '\r' && c != '\n') {
                std::string utf8 = cb::Cp1252NachUtf8(rtf.substr(i, 1));
                std::size_t laenge;
                zeigen(cb::CodepunktAn(utf8, 0, laenge));
            }
            ++i;
        }
    }
    EXPECT_EQ(tiefe, 0) << "unbalanced groups";
    return aus;
}

int TabellenIndex(FarbArt a) {
    switch (a) {
    case FarbArt::Schluessel:
        return 1;
    case FarbArt::Kommentar:
        return 2;
    case FarbArt::String:
        return 3;
    }
    return 0;
}

// Spans in order, apart, not empty, inside the text, and maximal: two spans
// of one kind never touch.
template <class S, class Gleich>
::testing::AssertionResult Geordnet(const std::vector<S>& v, std::size_t n, Gleich gleicheArt) {
    for (std::size_t k = 0; k < v.size(); ++k) {
        if (v[k].Laenge == 0 || v[k].Anfang + v[k].Laenge > n)
            return ::testing::AssertionFailure() << "span " << k << " empty or past the text";
        if (k > 0 && v[k - 1].Anfang + v[k - 1].Laenge > v[k].Anfang)
            return ::testing::AssertionFailure() << "span " << k << " out of order or overlapping";
        if (k > 0 && v[k - 1].Anfang + v[k - 1].Laenge == v[k].Anfang && gleicheArt(v[k - 1], v[k]))
            return ::testing::AssertionFailure() << "spans " << k - 1 << " and " << k << " not merged";
    }
    return ::testing::AssertionSuccess();
}

std::vector<Zeichen> AnsichtLesen(const cb::CodeAnsicht& a) {
    std::vector<Zeichen> aus;
    EXPECT_TRUE(cb::IstGueltigesUtf8(a.Text));
    for (std::size_t i = 0, n; i < a.Text.size(); i += n)
        aus.push_back({cb::CodepunktAn(a.Text, i, n), 0, false});
    EXPECT_EQ(aus.size(), cb::ZeichenAnzahl(a.Text));
    EXPECT_TRUE(Geordnet(a.Farben, aus.size(), [](auto& x, auto& y) { return x.Art == y.Art; }));
    EXPECT_TRUE(Geordnet(a.Fett, aus.size(), [](auto&, auto&) { return true; }));
    for (const FarbSpanne& s : a.Farben)
        for (std::size_t k = s.Anfang; k < s.Anfang + s.Laenge && k < aus.size(); ++k)
            aus[k].farbe = TabellenIndex(s.Art);
    for (const Spanne& s : a.Fett)
        for (std::size_t k = s.Anfang; k < s.Anfang + s.Laenge && k < aus.size(); ++k)
            aus[k].fett = true;
    return aus;
}

std::string Zeigen(const std::vector<Zeichen>& v, std::size_t ab) {
    std::ostringstream o;
    for (std::size_t k = ab; k < v.size() && k < ab + 12; ++k)
        o << " U+" << std::hex << static_cast<unsigned>(v[k].cp) << std::dec << "/cf" << v[k].farbe
          << (v[k].fett ? "/b" : "");
    return o.str();
}

std::string Rtf(const std::string& markiert, bool fett) {
    static cb::Zustand z = cb::test::FrischerZustand();
    z.Opt.RoutinenFett = fett;
    std::string d = markiert;
    cb::MarkenNachRtf(z.Opt, d);
    cb::RtfDokumentBilden(z.Opt, d);
    return cb::RtfBytes(d);
}

::testing::AssertionResult WieRtf(const std::string& markiert, bool fett) {
    std::vector<Zeichen> rtf = RtfLesen(Rtf(markiert, fett));
    std::vector<Zeichen> ansicht = AnsichtLesen(cb::CodeAnsichtBilden(markiert, fett));
    std::size_t k = 0;
    while (k < rtf.size() && k < ansicht.size() && rtf[k] == ansicht[k])
        ++k;
    if (k == rtf.size() && k == ansicht.size())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "bold " << fett << ", " << ::testing::PrintToString(markiert)
           << "\n first difference at character " << k << " of " << rtf.size() << " (RTF) / "
           << ansicht.size() << " (view)\n RTF: " << Zeigen(rtf, k) << "\n view:" << Zeigen(ansicht, k);
}

std::string LfStattCrLf(const std::string& t) {
    return cb::AllesErsetzt(t, "\r\n", "\n");
}

TEST(CodeAnsicht, TextAndSpansOfAMarkedRoutine) {
    const std::string markiert =
        M("~B~KSub~N A() ~C' \xC3\xA4~N~b\r\n\ts = ~S\"\xF0\x9F\x98\x80\"~N\r\n~B~KEnd~N ~KSub~N~b\r\n");
    cb::CodeAnsicht a = cb::CodeAnsichtBilden(markiert, true);
    EXPECT_EQ(a.Text, "Sub A() ' \xC3\xA4\n\ts = \"\xF0\x9F\x98\x80\"\nEnd Sub\n");
    // Offsets count characters: the emoji is one, the umlaut is one
    EXPECT_EQ(a.Farben, (std::vector<FarbSpanne>{{{0, 3}, FarbArt::Schluessel},
                                                 {{8, 3}, FarbArt::Kommentar},
                                                 {{17, 3}, FarbArt::String},
                                                 {{21, 3}, FarbArt::Schluessel},
                                                 {{25, 3}, FarbArt::Schluessel}}));
    EXPECT_EQ(a.Fett, (std::vector<Spanne>{{0, 11}, {21, 7}}));
    cb::CodeAnsicht ohne = cb::CodeAnsichtBilden(markiert, false);
    EXPECT_EQ(ohne.Text, a.Text);
    EXPECT_EQ(ohne.Farben, a.Farben);
    EXPECT_TRUE(ohne.Fett.empty());
    EXPECT_TRUE(WieRtf(markiert, true));
    EXPECT_TRUE(WieRtf(markiert, false));
}

TEST(CodeAnsicht, ColourSpansMergeAndEmptyOnesVanish) {
    // Keyword markers back to back, a colour that ends without text, a
    // marker at the very end
    cb::CodeAnsicht a = cb::CodeAnsichtBilden(M("~KOption~N~KBase~N~S~N x ~C~K~S~N"), true);
    EXPECT_EQ(a.Text, "OptionBase x ");
    EXPECT_EQ(a.Farben, (std::vector<FarbSpanne>{{{0, 10}, FarbArt::Schluessel}}));
    EXPECT_TRUE(a.Fett.empty());
    cb::CodeAnsicht leer = cb::CodeAnsichtBilden("", true);
    EXPECT_TRUE(leer.Text.empty());
    EXPECT_TRUE(leer.Farben.empty());
    // A colour left open runs over the line break into the next line, as in RTF
    cb::CodeAnsicht offen = cb::CodeAnsichtBilden(M("~Sab\r\ncd"), true);
    EXPECT_EQ(offen.Farben, (std::vector<FarbSpanne>{{{0, 5}, FarbArt::String}}));
}

// Handwritten marked text of every kind the builder treats in its own way.
const std::vector<std::string>& Handfaelle() {
    static const std::vector<std::string> f = {
        M("~KDim~N x ~KAs~N ~KLong~N"),
        M("x = 1 ~C' Dim y~N"),
        M("s = ~S\"it's\"~N ~C' note~N"),
        M("~B~KPublic~N ~KFunction~N F(~KByVal~N v ~KAs~N ~KVariant~N)~b\r\n\tF = v\r\n~B~KEnd~N "
          "~KFunction~N~b"),
        M("\r\n~B~KSub~N A()~b\r\n\r\n\r\n~B~KEnd~N ~KSub~N~b\r\n\r\n"),
        // umlauts, the euro sign and characters beyond Windows-1252
        M("\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F = ~S\"\xE2\x82\xAC \xD0\x96 \xE4\xB8\xAD \xF0\x9F\x98\x80\"~N"),
        M("~C' \xEF\xBF\xBD \xF0\x9F\x98\x80\xF0\x9F\x98\x80~N"),
        // tabs, empty lines, text that RTF has to escape
        "\t\tx\t= 1\r\n\r\n\t\r\n",
        M("p = ~S\"\\\\server\\share\"~N ~C' {x} | \\par \\b ~N"),
        "a | b || c |n| |y| {}} \\",
        // the marker character as text, and marker look-alikes
        "\xC5\xB8 |\xC5\xB8| |\xC5\xB8?| |n\xC5\xB8 \xC5\xB8|",
        M("|\xC5\xB8~Nk| |y~B\xC5\xB8| |\xC5\xB8x~b"),
        // markers that share a "|": the replacement chain decides
        M("~K\xC5\xB8s|x~S") + Y + "f|y",
        M("a~K\xC5\xB8k|b~N~C\xC5\xB8x|c~N\r\nd"),
        // (with bold off the conversion keeps the "|yŸ|" that the vanishing
        // marker leaves, where its chain of replacements would drop it)
        M("|y~B\xC5\xB8|x~b\xC5\xB8|y"),
        M("~K~N\xC5\xB8k|~B") + Y + "f|",
        // line breaks that are not CR LF, and CR LF split by markers
        "a\rb\nc\n\rd\r\r\ne",
        M("a\r~B\nb~b\r~K\nc~N\r~b~B~b\nd"),
        // bytes that are not UTF-8, also split by a marker that vanishes
        "\xE4\x80\xFF\xC5 x \xF0\x9F\x98",
        M("\xC5~B\xB8~b \xF0\x9F~b\x98\x80 \xC3~K\xA4~N"),
        std::string("nul\0byte", 8),
    };
    return f;
}

TEST(CodeAnsicht, AgreesWithTheRtfOnHandwrittenCases) {
    for (const std::string& fall : Handfaelle())
        for (bool fett : {true, false})
            EXPECT_TRUE(WieRtf(fall, fett));
}

TEST(CodeAnsicht, LineBreaksAreOneCharacterAndOnlyCrLfBreaks) {
    cb::CodeAnsicht a = cb::CodeAnsichtBilden("a\r\n\r\nb\tc\r\n", true);
    EXPECT_EQ(a.Text, "a\n\nb\tc\n");
    // A lone CR or LF reaches the RTF as a bare byte: no line, no character
    EXPECT_EQ(cb::CodeAnsichtBilden("a\rb\nc", true).Text, "abc");
    // A CR LF that bold markers split still ends the line when they vanish
    const std::string geteilt = M("a\r~B~b\nb");
    EXPECT_EQ(cb::CodeAnsichtBilden(geteilt, false).Text, "a\nb");
    EXPECT_EQ(cb::CodeAnsichtBilden(geteilt, true).Text, "ab");
    // Bytes that are not UTF-8 show as the character of their value
    EXPECT_EQ(cb::CodeAnsichtBilden("\xE4\x80", true).Text, "\xC3\xA4\xC2\x80");
    EXPECT_EQ(cb::CodeAnsichtBilden(M("\xC5~B\xB8~b"), false).Text, "\xC5\xB8");
}

TEST(CodeAnsicht, SharedBarsFollowTheReplacementOrder) {
    // Keyword is replaced before string: "|Ÿf|" wins where it comes second
    cb::CodeAnsicht a = cb::CodeAnsichtBilden(M("~S") + Y + "f|x", true);
    EXPECT_EQ(a.Text, "|\xC5\xB8sx");
    EXPECT_EQ(a.Farben, (std::vector<FarbSpanne>{{{3, 1}, FarbArt::Schluessel}}));
    cb::CodeAnsicht b = cb::CodeAnsichtBilden(M("~K\xC5\xB8s|x"), true);
    EXPECT_EQ(b.Text, "\xC5\xB8s|x");
    EXPECT_EQ(b.Farben, (std::vector<FarbSpanne>{{{0, 4}, FarbArt::Schluessel}}));
}

// VBA-ish code for the real colouring, in pieces that meet in every order.
std::string Zufallscode(std::mt19937& rng, std::size_t stuecke, bool markenZeichen) {
    // clang-format off
    static const std::vector<std::string> teile = {
        " ", " ", "  ", "\t", "\r\n", "\r\n", "\r\n\r\n", " _\r\n", "(", ")", ",", "\"", "\"\"", "'",
        "x", "Wert1", "a.b", "=", ":", "|", "\\", "{", "}", "\xC3\xA4\xC3\xB6", "\xE2\x82\xAC", "\xD0\x96",
        "\xE4\xB8\xAD", "\xF0\x9F\x98\x80", "Dim", "As", "Long", "String", "If", "Then", "Else", "End", "Sub",
        "Function", "Property", "Get", "Let", "Set", "Exit", "Declare", "Lib", "Private", "Public", "Friend",
        "Option", "Explicit", "Base", "1", "Rem", "For", "Next", "To", "With", "ByVal", "Optional",
        "Sub A()\r\n", "End Sub\r\n", "Function F()\r\n", "End Function\r\n", "Property Get P()\r\n",
        "End Property\r\n", "Declare Sub D Lib \"k\" ()\r\n", "' Kommentar ", "\"text mit 'apostroph\" ",
        "|n", "|y", "\xC5\xB8", "|\xC5\xB8", "\xC5\xB8|"};
    // clang-format on
    // The marker character and the pieces after it only where asked for
    const std::size_t ohne = teile.size() - 5;
    return cb::test::AusStuecken(rng, std::span(teile).first(markenZeichen ? teile.size() : ohne), stuecke);
}

TEST(CodeAnsicht, AgreesWithTheRtfAndThePlainTextOnColouredCode) {
    std::mt19937 rng(20240611);
    std::vector<cb::Zustand> varianten = cb::test::Optionsvarianten(4);
    std::uniform_int_distribution<std::size_t> laenge(0, 150);
    for (int runde = 0; runde < 1500; ++runde) {
        const cb::Zustand& z = varianten[static_cast<std::size_t>(runde) % varianten.size()];
        std::string markiert = Zufallscode(rng, laenge(rng), false);
        cb::CodeMarkieren(z.Opt, markiert);
        for (bool fett : {true, false}) {
            ASSERT_TRUE(WieRtf(markiert, fett)) << "round " << runde;
            ASSERT_EQ(cb::CodeAnsichtBilden(markiert, fett).Text, LfStattCrLf(cb::AnzeigeText(markiert)))
                << "round " << runde << ": " << ::testing::PrintToString(markiert);
        }
    }
}

TEST(CodeAnsicht, AgreesWithTheRtfOnCodeWithTheMarkerCharacter) {
    std::mt19937 rng(4711);
    std::vector<cb::Zustand> varianten = cb::test::Optionsvarianten(4);
    std::uniform_int_distribution<std::size_t> laenge(0, 150);
    for (int runde = 0; runde < 1500; ++runde) {
        const cb::Zustand& z = varianten[static_cast<std::size_t>(runde) % varianten.size()];
        std::string markiert = Zufallscode(rng, laenge(rng), true);
        cb::CodeMarkieren(z.Opt, markiert);
        for (bool fett : {true, false})
            ASSERT_TRUE(WieRtf(markiert, fett)) << "round " << runde;
    }
}

TEST(CodeAnsicht, AgreesWithTheRtfOnMarkerSoup) {
    // Marked text as no colouring writes it: markers, their pieces, bare CR
    // and LF, broken UTF-8, all next to each other
    // clang-format off
    static const std::vector<std::string> teile = {
        std::string(cb::MarkeNormal), std::string(cb::MarkeKommentar), std::string(cb::MarkeSchluessel),
        std::string(cb::MarkeString), std::string(cb::MarkeFettAn), std::string(cb::MarkeFettAus),
        "|", "|n", "|y", "\xC5", "\xB8", "\xC5\xB8", "k|", "f|", "s|", "x|", "\r", "\n", "\r\n", "\t",
        "a", "\\", "{", "}", "?", "\xC3", "\xA4", "\xF0\x9F", "\x98\x80", "\x80", std::string(1, '\0')};
    // clang-format on
    std::mt19937 rng(99);
    std::uniform_int_distribution<std::size_t> laenge(0, 40);
    for (int runde = 0; runde < 6000; ++runde) {
        const std::string t = cb::test::AusStuecken(rng, teile, laenge(rng));
        ASSERT_TRUE(WieRtf(t, runde % 2 == 0)) << "round " << runde;
    }
}

class CodeAnsichtGespeichert : public cb::test::StoreProjekt {};

TEST_F(CodeAnsichtGespeichert, RoutineLinesAreTheLinesOfTheDatabase) {
    z.Opt.RoutinenFett = true;
    const std::string code = "Option Explicit\r\n"
                             "Private Declare Function T Lib \"k\" () As Long\r\n\r\n"
                             "Public Sub Eins(ByVal s As String)\r\n"
                             "\tx = \"\xC3\xA4\xF0\x9F\x98\x80 _\" ' \xD0\x96 _\r\n"
                             "\ty = 1 + _\r\n        2\r\n"
                             "End Sub\r\n\r\n"
                             "Function Zwei() As Long\r\n  Zwei = 2\r\nEnd Function\r\n"
                             "Property Get Drei() As Variant\r\nEnd Property";
    for (bool leerzeile : {false, true}) {
        SCOPED_TRACE(leerzeile);
        z.Opt.LeerzeileVorRoutinen = leerzeile;
        ++m_modulNummer;
        cb::ModulSpeichern(Db(), projekt.ProjektPfad(), z.Opt,
                           {m_modulNummer, "Modul" + std::to_string(m_modulNummer), cb::ModulStandard},
                           projekt.RoutinenNummer, code);
        const std::string datei = cb::ModulTextLesen(projekt.ProjektPfad(), m_modulNummer);
        cb::CodeAnsicht a = cb::CodeAnsichtBilden(datei, true);
        EXPECT_TRUE(WieRtf(datei, true));
        EXPECT_EQ(a.Text, LfStattCrLf(cb::AnzeigeText(datei)));
        // The file's last CR LF is a line break of the pane like any other
        EXPECT_TRUE(a.Text.ends_with("\n\n"));

        std::vector<std::size_t> anfaenge{0}; // line starts, in characters
        std::vector<std::string> zeilen{""};
        for (std::size_t i = 0, n, k = 0; i < a.Text.size(); i += n, ++k) {
            char32_t cp = cb::CodepunktAn(a.Text, i, n);
            if (cp == '\n') {
                anfaenge.push_back(k + 1);
                zeilen.emplace_back();
            } else {
                cb::Utf8Anhaengen(zeilen.back(), cp);
            }
        }
        auto fett = [&](std::size_t zeile) {
            for (const Spanne& s : a.Fett)
                if (s.Anfang == anfaenge[zeile - 1] && s.Laenge == cb::ZeichenAnzahl(zeilen[zeile - 1]))
                    return true;
            return false;
        };
        cb::sql::Anweisung r(Db().Verbindung(), "SELECT rou_name, rou_start, rou_ende, rou_typ FROM td_rout "
                                                "WHERE mod_num = " +
                                                    std::to_string(m_modulNummer) + " ORDER BY rou_num");
        int routinen = 0;
        while (r.Schritt()) {
            ++routinen;
            std::string name = r.Text(0);
            auto start = static_cast<std::size_t>(r.Ganzzahl(1));
            ASSERT_TRUE(start >= 1 && start <= zeilen.size()) << name;
            EXPECT_NE(zeilen[start - 1].find(name), std::string::npos) << name << ": " << zeilen[start - 1];
            EXPECT_TRUE(fett(start)) << name;
            if (r.Ganzzahl(3) < 10) {
                auto ende = static_cast<std::size_t>(r.Ganzzahl(2));
                ASSERT_TRUE(ende >= 1 && ende <= zeilen.size()) << name;
                EXPECT_TRUE(zeilen[ende - 1].starts_with("End ")) << name << ": " << zeilen[ende - 1];
                EXPECT_TRUE(fett(ende)) << name;
            }
        }
        EXPECT_EQ(routinen, 4);
    }
}

} // namespace

namespace {

std::string AuswahlRtf(const cb::CodeAnsicht& a, std::size_t anfang, std::size_t laenge) {
    static cb::Zustand z = cb::test::FrischerZustand();
    std::string d = cb::AnsichtNachRtf(a, anfang, laenge);
    cb::RtfDokumentBilden(z.Opt, d);
    return cb::RtfBytes(d);
}

} // namespace

TEST(CodeAnsicht, ASelectionCopiedAsRtfShowsWhatThePaneShowsThere) {
    // Any piece of a pane, copied as RTF, reads back as those characters
    // with their colours and bold, whatever spans it cuts.
    std::mt19937 rng(99);
    std::vector<cb::Zustand> varianten = cb::test::Optionsvarianten(4);
    std::uniform_int_distribution<std::size_t> laenge(0, 150);
    for (int runde = 0; runde < 800; ++runde) {
        std::string markiert = Zufallscode(rng, laenge(rng), runde % 2 == 1);
        cb::CodeMarkieren(varianten[static_cast<std::size_t>(runde) % varianten.size()].Opt, markiert);
        const cb::CodeAnsicht a = cb::CodeAnsichtBilden(markiert, runde % 3 != 0);
        const std::vector<Zeichen> ganz = AnsichtLesen(a);
        std::uniform_int_distribution<std::size_t> stelle(0, ganz.size());
        std::size_t von = stelle(rng), bis = stelle(rng);
        if (von > bis)
            std::swap(von, bis);
        const std::vector<Zeichen> stueck = RtfLesen(AuswahlRtf(a, von, bis - von));
        ASSERT_EQ(stueck, std::vector<Zeichen>(ganz.begin() + static_cast<std::ptrdiff_t>(von),
                                               ganz.begin() + static_cast<std::ptrdiff_t>(bis)))
            << "round " << runde << " [" << von << "," << bis << ") of "
            << ::testing::PrintToString(markiert);
    }
    // A selection past the end stops at the end
    const cb::CodeAnsicht a = cb::CodeAnsichtBilden("Dim x", true);
    EXPECT_EQ(RtfLesen(AuswahlRtf(a, 4, 99)).size(), 1u);
}
