// SPDX-License-Identifier: GPL-3.0-or-later
// The caller search over projects stored from code: which uses count, which
// routines they fall into, and what the left pane shows afterwards.
#include "../TestHilfen.h"
#include "CodeProjekt.h"

#include "analysis/AufrufeSuche.h"
#include "analysis/StrukturListe.h"
#include "app/Dateien.h"
#include "app/Marken.h"
#include "store/ModulText.h"
#include "store/OffenesProjekt.h"

#include <algorithm>
#include <filesystem>

namespace cb::test {
namespace {

class AufrufeSuche : public CodeProjekt {
protected:
    std::optional<AufrufeErgebnis> Suchen(std::int64_t modul, const std::string& routine) {
        Vorne(modul);
        return AufrufeSuchen(projekt, aktModulIndex + 1, meldungen, routine);
    }
    std::string Liste(const std::optional<AufrufeErgebnis>& e) {
        return e ? StrukturText(e->RoutSuche) : "(nichts)";
    }
    std::string SchluesselVon(const Baum& baum, const std::string& text) {
        for (const auto& k : baum.Knoten())
            if (k.Text == text)
                return k.Schluessel;
        return {};
    }
};

TEST_F(AufrufeSuche, NurGanzeWoerterImCodeZaehlenUndJederAufruferEinmal) {
    Modul("Modul1", {"Public Sub Foo()", "    Debug.Print 1", "End Sub"});
    Modul("Modul2", {"Private Const Grenze = 1", "Sub Aufrufer()", "    x = Foo(1)", "    Call Foo",
                     "End Sub", "Sub Keiner()", "    FooBar = 1: MyFoo = 2: Foo2 = 3: Foo_x = 4",
                     "    ' Foo im Kommentar", "    s = \"Foo im String\"", "    y = foo", "End Sub",
                     // a header over four lines: its blanked line breaks must still count
                     "Sub Lang(a, _", "    b, _", "    c, _", "    d)", "End Sub", "Sub Danach()", "    Foo",
                     "End Sub"});
    Modul("Tabelle1", {"Private Const Wert As Long = Foo", "Sub Leer()", "End Sub"}, ModulDokument);
    Baum projektBaum = Anzeigen();

    auto e = Suchen(1, "Foo");
    ASSERT_TRUE(e);
    EXPECT_EQ(Liste(e), "Modul2\r\n\tAufrufer\r\n\tDanach\r\nTabelle1\r\n")
        << "a use in the declarations gives the module alone";
    EXPECT_TRUE(e->ListeZeigen);
    EXPECT_EQ(e->Bezeichnung, "Foo");
    EXPECT_TRUE(meldungen.Gezeigt().empty());

    const std::string aufrufer = SchluesselVon(projektBaum, "Aufrufer");
    const BaumKnoten* k = e->RoutSuche.Finden(aufrufer);
    ASSERT_NE(k, nullptr) << "keys as in the project tree";
    EXPECT_EQ(k->Bild, "R1O1");
    EXPECT_EQ(k->Eltern, "M2");
    ASSERT_NE(e->RoutSuche.Finden("M3"), nullptr);
    EXPECT_EQ(e->RoutSuche.Finden("M3")->Bild, "M5");
}

TEST_F(AufrufeSuche, AnweisungenNebenKopfUndEndeRufen) {
    Modul("Modul1", {"Public Sub Foo(): End Sub"});
    // The header's own colons (in brackets, in a string) and the comment
    // after the End are no statements; the name in the header is no call.
    Modul("Modul2",
          {"Sub A(): Foo: End Sub",
           "Sub B(Optional s = \"x: Foo\", Optional d As Date = #1:00:00 AM#): End Sub ' Foo",
           "Private Function C() As Long: C = 1: Call Foo: End Function",
           "Property Get D(): Foo: End Property", "Sub E(): End Sub", "Sub Foo2(): x = 1:Foo:End Sub",
           "Sub F(): Foo", "End Sub", "Sub G()", "  x = 1: Foo: End Sub", "Sub H(): x = 1", "End Sub"});
    Anzeigen();
    EXPECT_EQ(Liste(Suchen(1, "Foo")), "Modul2\r\n\tA\r\n\tC\r\n\tD\r\n\tFoo2\r\n\tF\r\n\tG\r\n");
    EXPECT_EQ(Liste(Suchen(2, "C")), "Modul2\r\n\tC\r\n") << "its own return value, as in any function";
}

TEST_F(AufrufeSuche, PrivateRoutineNurImEigenenModulOeffentlicheUeberall) {
    Modul("Modul1", {"Private Sub Geheim()", "End Sub", "Sub Nutzer()", "    Geheim", "End Sub",
                     "Public Function Offen() As Long", "    Offen = 1", "End Function"});
    Modul("Modul2", {"Sub Auch()", "    Geheim", "    x = Offen()", "End Sub"});
    Anzeigen();

    EXPECT_EQ(Liste(Suchen(1, "Geheim")), "Modul1\r\n\tNutzer\r\n");
    EXPECT_EQ(Liste(Suchen(1, "Offen")), "Modul1\r\n\tOffen\r\nModul2\r\n\tAuch\r\n")
        << "a function that sets its own value is among its callers";
}

TEST_F(AufrufeSuche, NichtsGesuchtOderNichtSuchbarLaesstDieAnsichtStehen) {
    Modul("Modul1", {"Property Get Wert() As Long", "End Property", "Sub Einsam()", "End Sub"});
    Modul("Modul2", {"Sub Anderswo()", "End Sub"});
    Anzeigen();

    EXPECT_FALSE(Suchen(1, ""));
    EXPECT_TRUE(meldungen.Gezeigt().empty()) << "an empty panel does nothing";

    EXPECT_FALSE(Suchen(1, "Wert"));
    ASSERT_EQ(meldungen.Gezeigt().size(), 1u);
    EXPECT_EQ(meldungen.Gezeigt()[0].Text, "Property wird von der Routinensuche nicht unterstützt");
    EXPECT_EQ(meldungen.Gezeigt()[0].Symbol, MeldungsSymbol::Warnung);

    EXPECT_FALSE(Suchen(1, "Anderswo"));
    EXPECT_FALSE(Suchen(1, "Ein'sam"));
    ASSERT_EQ(meldungen.Gezeigt().size(), 3u);
    EXPECT_EQ(meldungen.Gezeigt()[1].Text, "Infos zu Routine nicht gefunden");
    EXPECT_EQ(meldungen.Gezeigt()[2].Text, "Infos zu Routine nicht gefunden");

    auto e = Suchen(1, "Einsam");
    ASSERT_TRUE(e) << "a routine called nowhere is a search with no result";
    EXPECT_TRUE(e->RoutSuche.Leer());
    EXPECT_FALSE(e->ListeZeigen) << "the project tree stays in the pane";
    EXPECT_EQ(e->Bezeichnung, "");
    EXPECT_EQ(meldungen.Gezeigt().size(), 3u) << "and no message";
}

TEST_F(AufrufeSuche, BezeichnerAusBuchstabenJederSchrift) {
    Modul("Módulo1",
          {"Public Function Größe() As Long", "End Function", "Sub Nutzer()",
           "    x = Größe() + ÄGröße + GrößeÄ + Größe_ + Größe2", "End Sub", "Sub Ändern()", "    y = Größe",
           "End Sub", "Sub Keiner()", "    z = äGröße + GrößeŸ + ЖGröße", "End Sub"});
    Anzeigen();
    EXPECT_EQ(Liste(Suchen(1, "Größe")), "Módulo1\r\n\tNutzer\r\n\tÄndern\r\n");
}

TEST_F(AufrufeSuche, FehlendeModuldateiGehtAnDenBefehl) {
    Modul("Modul1", {"Sub A()", "End Sub"});
    Modul("Modul2", {"Sub B()", "    A", "End Sub"});
    Anzeigen();
    std::filesystem::remove(ModulTextPfad(projekt.ProjektPfad(), 2));
    EXPECT_THROW(Suchen(1, "A"), std::runtime_error);
}

// Rows as a damaged or hand-edited database may hold them: overlapping
// routines, and a module text file whose module row is missing.
class AufrufeSucheBeschaedigt : public StoreProjekt {};

TEST_F(AufrufeSucheBeschaedigt, UeberlappendeRoutinenWieRoutineAnZeileUndJedeNurEinmal) {
    Modul(1, "Modul1", ModulStandard, 12);
    Routine(1, 1, "Innen", TypSub, OffenPublic, 5, 6);
    Routine(2, 1, "Aussen", TypSub, OffenPublic, 1, 10);
    Routine(3, 1, "Ziel", TypSub, OffenPublic, 11, 12);
    test::DateiSchreiben(ModulTextPfad(projekt.ProjektPfad(), 1),
                         "a\r\nb\r\nZiel\r\nd\r\nZiel\r\nf\r\ng\r\nZiel\r\ni\r\nj\r\nk\r\nl\r\n");
    test::DateiSchreiben(ModulTextPfad(projekt.ProjektPfad(), 2), "Ziel\r\n");
    Modul(3, "Modul3", ModulStandard, 1); // module 2 has its text file but lost its row
    ASSERT_EQ(projekt.ModullisteLaden().size(), 2u);
    auto e = AufrufeSuchen(projekt, 1, meldungen, "Ziel");
    ASSERT_TRUE(e);
    EXPECT_EQ(StrukturText(e->RoutSuche), "Modul1\r\n\tAussen\r\n\tInnen\r\n");
    for (std::int64_t zeile : {3, 5, 8})
        EXPECT_EQ(projekt.RoutineAnZeile(zeile, "M1")->RouName, zeile == 5 ? "Innen" : "Aussen");
}

TEST(MarkierteBereiche, WerdenLeerUndZeilenBleiben) {
    // a header continued over two lines, a keyword, a comment, a string
    std::string t = M("~B~KSub~N Lang(a, _\r\n    b)~b\r\n    x = ~S\"Foo\"~N ~C' Foo~N\r\n    Foo");
    const std::string vorher = t;
    MarkierteBereicheLeeren(t);
    ASSERT_EQ(t.size(), vorher.size());
    EXPECT_EQ(std::count(t.begin(), t.end(), '\r'), 3);
    EXPECT_EQ(t.find("Sub"), std::string::npos);
    EXPECT_EQ(t.find("Foo"), t.rfind("Foo")) << "only the plain use stays";
    EXPECT_EQ(t.substr(t.size() - 7), "    Foo");
    EXPECT_EQ(t.find(std::string(MarkeZeichen)), std::string::npos);

    std::string offen = M("a ~SFoo\r\nFoo");
    MarkierteBereicheLeeren(offen);
    EXPECT_EQ(offen, "a " + std::string(MarkeString.size() + 3, ' ') + "\r\n   ")
        << "a span that never closes runs to the end";
}

} // namespace
} // namespace cb::test
