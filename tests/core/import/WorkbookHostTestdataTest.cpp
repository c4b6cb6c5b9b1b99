// SPDX-License-Identifier: GPL-3.0-or-later
// Listing and reading workbooks saved by real Excel.
#include "import/host/WorkbookHost.h"

#include "import/ProjektEinlesen.h"
#include "import/ProjekteAuflisten.h"
#include "store/DatenbankDatei.h"
#include "store/ProjektBaum.h"

#include "ImportHilfen.h"

#include <algorithm>
#include <filesystem>

using namespace cb;
using namespace cb::test;
namespace fs = std::filesystem;

namespace {

fs::path Daten() {
    return fs::path(CB_TESTDATA_DIR);
}

class EchteMappen : public ImportTest {
protected:
    void SetUp() override {
        if (!fs::is_regular_file(Daten() / "MANIFEST.tsv"))
            GTEST_SKIP() << "no test data at " << Daten();
        ImportTest::SetUp();
    }
    WorkbookHost mappen{meldungen};
};

} // namespace

TEST_F(EchteMappen, GesperrtFehltUnlesbareWerdenGenannt) {
    const fs::path gesperrt = Daten() / "doomiris__VBA_Proxy_Switcher/domisoft.proxy.xlam";
    const fs::path offen = Daten() / "doomiris__VBA_Proxy_Switcher/xl/vbaProject.bin";
    const fs::path ohneVba = Daten() / "tafia__calamine/tests/issue3.xlsm";
    const fs::path verschluesselt =
        Daten() / "decalage2__oletools/tests/test-data/encrypted/autostart-encrypt-standardpassword.xlsm";
    const fs::path excel4 =
        Daten() / "decalage2__oletools/tests/test-data/excel4-macros/excel4_sample_macro.xls";
    for (const auto& p : {gesperrt, ohneVba, offen, verschluesselt, excel4})
        mappen.Oeffnen(p);
    ASSERT_TRUE(ProjekteAuflisten(z, mappen, meldungen, treApp));

    std::vector<std::string> projekte;
    for (const auto& k : treApp.Knoten())
        if (k.Eltern.empty())
            projekte.push_back(k.Schluessel + " " + k.Text);
    EXPECT_EQ(projekte, (std::vector<std::string>{"A3\\ Domisoft_UTC_Proxy [vbaProject.bin]"}));
    EXPECT_TRUE(treApp.Finden("A3\\frmProxy"));
    EXPECT_EQ(treApp.Finden("A3\\frmProxy")->Bild, "M1");
    EXPECT_EQ(treApp.Finden("A3\\mdl_Addin_Pub")->Bild, "M2");

    ASSERT_EQ(meldungen.Gezeigt().size(), 1u);
    for (const auto& p : {ohneVba, verschluesselt, excel4})
        EXPECT_NE(meldungen.Gezeigt()[0].Text.find(p.lexically_normal().string()), std::string::npos)
            << meldungen.Gezeigt()[0].Text;
    EXPECT_EQ(meldungen.Gezeigt()[0].Text.find(gesperrt.filename().string()), std::string::npos)
        << "a locked project is left out silently";
}

TEST_F(EchteMappen, AllesGelisteteLiestSichEin) {
    const fs::path datei = Daten() / "liteninkiran__excel-interface/xl/vbaProject.bin";
    mappen.Oeffnen(datei);
    ASSERT_TRUE(ProjekteAuflisten(z, mappen, meldungen, treApp));
    std::vector<std::string> gelistet;
    for (auto& k : treApp.Knoten())
        if (!k.Eltern.empty()) {
            k.Haken = true;
            gelistet.push_back(k.Text);
        }
    ASSERT_FALSE(gelistet.empty());
    ASSERT_TRUE(ProjektEinlesen(z, projekt, mappen, meldungen, anzeige, treApp));
    EXPECT_EQ(anzeige.Titel(), "Excel Code Brindle 1.0 Projekt: InterfaceDemo [nicht gespeichert !!!]");
    projekt.DatenbankOeffnen();
    const auto module = projekt.ModullisteLaden();
    ASSERT_EQ(module.size(), gelistet.size());
    for (const auto& name : gelistet)
        EXPECT_TRUE(std::any_of(module.begin(), module.end(), [&](const BaumKnoten& k) {
            return k.Text == name;
        })) << name;
    EXPECT_FALSE(projekt.RoutinenlisteLaden().empty());
}
