// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controller as the window drives it: a recording view, recorded
// dialogs, messages, clipboard and shell, an in-memory host, and a cache
// folder of its own for the working area and the settings.
#include "../AufzeichnendeShell.h"
#include "../import/ImportHilfen.h"
#include "../projects/ProjektHilfen.h"

#include "analysis/StrukturListe.h"
#include "app/Zwischenablage.h"
#include "render/CodeAnsicht.h"
#include "settings/IniEinstellungsSpeicher.h"
#include "steuerung/Ansicht.h"
#include "steuerung/HilfeInfo.h"
#include "steuerung/OptionenDialog.h"
#include "steuerung/Steuerung.h"

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace cb::test {

/// The window: every call in order as a short line, and what it shows now.
class AufzeichnendeAnsicht final : public Ansicht {
public:
    void StatusSetzen(Panel panel, std::string_view t) override {
        status[static_cast<std::size_t>(panel) - 1] = std::string(t);
    }
    void TitelSetzen(std::string_view t) override { titel = std::string(t); }
    void SanduhrSetzen(bool an) override { sanduhr = an; }

    void LinksZeigen(LinkerBereich bereich) override {
        links = bereich;
        Merken("Links " + std::to_string(static_cast<int>(bereich)));
    }
    void HinweisSetzen(std::string_view t) override { hinweis = std::string(t); }
    void AppBaumZeigen(const Baum& b) override {
        appKnoten = b.Anzahl();
        Merken("AppBaum " + std::to_string(b.Anzahl()));
    }
    void ProjektBaumZeigen(const Baum& b) override {
        projektKnoten = b.Anzahl();
        Merken("ProjektBaum " + std::to_string(b.Anzahl()));
    }
    void RoutSucheZeigen(const Baum& b, std::string_view bezeichnung) override {
        routSuche = StrukturText(b);
        routSucheBezeichnung = std::string(bezeichnung);
    }
    void ModulKnotenMarkieren(std::string_view schluessel) override { markiert = std::string(schluessel); }
    void CodeFensterAnlegen(std::int64_t anzahl) override {
        fenster = anzahl;
        Merken("Fenster " + std::to_string(anzahl));
    }
    void CodeFensterZeigen(std::int64_t index, const CodeAnsicht& code) override {
        vorne = index;
        text = code.Text;
        Merken("Vorne " + std::to_string(index));
    }
    void AuswahlSetzen(std::size_t a, std::size_t l) override {
        anfang = a;
        laenge = l;
    }
    void ZoomZeigen(const CodeAnsicht* inhalt) override {
        zoom = inhalt ? std::optional<std::string>(inhalt->Text) : std::nullopt;
    }
    void BeschriftungSetzen(Befehl b, std::string_view t) override { beschriftungen[b] = std::string(t); }
    void TooltipSetzen(Knopf k, std::string_view t) override { tooltips[k] = std::string(t); }
    void FreigabenZeigen(const Freigaben& f) override { freigaben = f; }
    void SchalterZeigen(bool p, bool g, bool z) override { schalter = {p, g, z}; }
    void SuchfeldSetzen(std::string_view t) override { suchfeld = std::string(t); }
    void NeuZeichnenAussetzen(bool aus) override {
        angehalten = aus;
        Merken(aus ? "Anhalten" : "Weiter");
    }

    void FensterZeigen(Fenster f) override {
        sichtbar = f;
        Merken(f == Fenster::Mini ? "Mini" : "Haupt");
    }
    void Schliessen() override {
        geschlossen = true;
        Merken("Schliessen");
    }
    void LageSetzen(const FensterLage& l) override {
        lage = l;
        Merken("Lage " + LayoutText(l));
    }
    void OptionenZeigen(OptionenDialog& dialog) override {
        Merken("Optionen");
        if (optionenBedienen)
            optionenBedienen(dialog);
    }
    void HilfeZeigen(const std::string& seite) override { hilfe = seite; }
    void InfoZeigen(const InfoTexte& texte) override { info = texte; }

    bool Aufgerufen(const std::string& was) const {
        return std::find(aufrufe.begin(), aufrufe.end(), was) != aufrufe.end();
    }
    std::string Status(Panel panel) const { return status[static_cast<std::size_t>(panel) - 1]; }

    std::vector<std::string> aufrufe;
    std::array<std::string, 5> status;
    std::string titel, hinweis, routSuche, routSucheBezeichnung, markiert, text, suchfeld;
    bool sanduhr = false, angehalten = false;
    LinkerBereich links = LinkerBereich::App;
    std::size_t appKnoten = 0, projektKnoten = 0, anfang = 0, laenge = 0;
    std::int64_t fenster = 0, vorne = -1;
    std::optional<std::string> zoom;
    std::optional<Fenster> sichtbar;
    std::map<Befehl, std::string> beschriftungen;
    std::map<Knopf, std::string> tooltips;
    bool geschlossen = false;
    FensterLage lage;
    /// What the user does in the options dialog before it closes.
    std::function<void(OptionenDialog&)> optionenBedienen;
    std::string hilfe;
    std::optional<InfoTexte> info;
    Freigaben freigaben;
    std::array<bool, 3> schalter{};
    /// The call of this line fails, as a broken widget would.
    std::string scheitert;

private:
    void Merken(std::string s) {
        aufrufe.push_back(std::move(s));
        if (aufrufe.back() == scheitert)
            throw std::runtime_error("Fenster: " + scheitert);
    }
};

/// One program instance, started as the window starts it.
class SteuerungsTest : public ::testing::Test {
protected:
    void SetUp() override {
        cache = NeuerOrdner(::testing::UnitTest::GetInstance()->current_test_info()->name());
        einstellungen = std::make_unique<IniEinstellungsSpeicher>((cache / "einstellungen.ini").string());
        Zustand z;
        cb::Starten(z, *einstellungen, CB_BIN_DIR, cache.string());
        z.ProjektOrdner = NeuerOrdner("projekte").string() + "/";
        auto h = std::make_unique<SpeicherHost>();
        host = h.get();
        s = std::make_unique<Steuerung>(std::move(z), std::move(h),
                                        Dienste{*einstellungen, meldungen, dialoge, ablage, shell}, ansicht);
    }
    void TearDown() override {
        if (s)
            s->Beenden();
    }

    /// The host offers one workbook with the modules given; the window
    /// starts and the user ticks every module of it.
    void StartenUndHaken(std::vector<SpeicherKomponente> module) {
        host->Projekte = {Projekt("VBAProject", "/mappen/Umsatz.xlsm", std::move(module))};
        s->Starten();
        s->AppHakenSetzen("A1\\", true);
    }
    /// Reads two modules, Modul1 (Sub Eins, calling Zwei) and Klasse1
    /// (Function Zwei), as a user does.
    void ZweiModuleEinlesen() {
        StartenUndHaken(
            {Komp("Modul1", HostStandardModul, "Option Explicit\r\nSub Eins()\r\n    x = Zwei()\r\nEnd Sub"),
             Komp("Klasse1", HostKlassenModul,
                  "Public Function Zwei() As Long\r\n    Zwei = 2\r\nEnd Function")});
        s->mnuBearbeiten_Code_Click();
    }
    const std::string& Temp() const { return s->Z().TempPfad; }

    std::filesystem::path cache;
    std::unique_ptr<IniEinstellungsSpeicher> einstellungen;
    AufzeichnendeMeldungen meldungen;
    AufzeichnendeDialoge dialoge;
    ZwischenablageImSpeicher ablage;
    AufzeichnendeShell shell;
    AufzeichnendeAnsicht ansicht;
    SpeicherHost* host = nullptr;
    std::unique_ptr<Steuerung> s;
};

} // namespace cb::test
