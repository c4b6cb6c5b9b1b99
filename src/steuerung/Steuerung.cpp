// SPDX-License-Identifier: GPL-3.0-or-later
#include "steuerung/Steuerung.h"

#include "analysis/AufrufeSuche.h"
#include "analysis/DefinitionSuche.h"
#include "analysis/StrukturListe.h"
#include "app/Dialoge.h"
#include "app/EinstellungsSpeicher.h"
#include "app/Meldungen.h"
#include "app/Start.h"
#include "app/Text.h"
#include "export/ExportKontext.h"
#include "export/HtmlAusgabe.h"
#include "export/RtfKopieren.h"
#include "export/TextAusgabe.h"
#include "import/AppBaumHaken.h"
#include "import/AppTexte.h"
#include "import/ProjektEinlesen.h"
#include "import/ProjekteAuflisten.h"
#include "import/host/Host.h"
#include "import/vb/VbAnwendungsBaum.h"
#include "import/vb/VbProjektEinlesen.h"
#include "projects/Arbeitsbereich.h"
#include "projects/InstanzStart.h"
#include "projects/ProjektAnzeigen.h"
#include "projects/ProjektDateien.h"
#include "projects/ProjektKontext.h"
#include "projects/SpeichernUnter.h"
#include "render/WortAnPosition.h"
#include "steuerung/HilfeInfo.h"
#include "steuerung/OptionenDialog.h"
#include "steuerung/RtfBefehle.h"
#include "store/ProjektBaum.h"

#include <algorithm>
#include <exception>
#include <filesystem>

namespace cb {

namespace {

template <class Schritt> void Versuchen(Schritt&& schritt) {
    try {
        schritt();
    } catch (...) {
        // The refresh is how the user gets back to a known state; one step
        // that fails must not keep the others from running.
    }
}

// Lines erste to letzte (1-based) of a text whose lines end in CR LF, with
// their line breaks.
std::string Zeilen(std::string_view text, std::int64_t erste, std::int64_t letzte) {
    std::size_t anfang = 0;
    for (std::int64_t z = 1; z < erste && anfang != std::string_view::npos; ++z) {
        anfang = text.find("\r\n", anfang);
        if (anfang != std::string_view::npos)
            anfang += 2;
    }
    if (anfang == std::string_view::npos)
        return {};
    std::size_t ende = anfang;
    for (std::int64_t z = erste; z <= letzte && ende != std::string_view::npos; ++z) {
        ende = text.find("\r\n", ende);
        if (ende != std::string_view::npos)
            ende += 2;
    }
    return std::string(
        text.substr(anfang, ende == std::string_view::npos ? std::string_view::npos : ende - anfang));
}

std::int64_t NummerAusSchluessel(std::string_view schluessel) {
    return ModulNummerAusSchluessel(schluessel); // the digits after the first character, for "R" keys too
}

} // namespace

Steuerung::Steuerung(Zustand z, std::unique_ptr<Host> host, Dienste dienste, Ansicht& ansicht)
    : m_z(std::move(z)), m_host(std::move(host)), m_dienste(dienste), m_ansicht(ansicht),
      m_projekt(m_z.Arbeitsbereich) {}

Steuerung::~Steuerung() = default;

ProjektKontext Steuerung::ProjektKontextBilden() {
    return {m_z,
            m_projekt,
            m_dienste.einstellungen,
            m_dienste.meldungen,
            m_dienste.dialoge,
            m_ansicht,
            m_treApp,
            m_treProjekt,
            m_zuletzt};
}

ExportKontext Steuerung::ExportKontextBilden() {
    return {m_z.Opt,          m_z.AppName,         VorschauOrdner(m_z),
            m_projekt,        m_aktModulIndex + 1, m_dienste.meldungen,
            m_dienste.ablage, m_ansicht,           m_dienste.shell,
            m_treProjekt};
}

void Steuerung::Starten() {
    InstanzStarten(m_z, m_projekt, m_dienste.einstellungen, m_dienste.meldungen, m_zuletzt, m_sperre);
    m_ansicht.TitelSetzen(m_z.ProgrammTitel);
    // With the options come the texts that name the host
    m_ansicht.BeschriftungSetzen(Befehl::AppAktualisieren, "&Aktualisieren " + m_z.AppName + " VBA Projekte");
    m_ansicht.TooltipSetzen(Knopf::Aktualisieren, "Aktualisieren " + m_z.AppName + " VBA Projekte (F5)");
    mnuAnsicht_App_Aktualisieren_Click();
}

void Steuerung::Beenden() noexcept {
    InstanzBeenden(m_z, m_projekt, m_sperre);
}

void Steuerung::Anzeigen(bool mini) {
    if (mini) {
        mnuAnsicht_Spezial_Click();
        return;
    }
    if (m_z.Opt.UserBildAnwenden)
        mnuExtras_Screen_call_Click();
    m_fenster = Fenster::Haupt;
    m_ansicht.FensterZeigen(Fenster::Haupt);
}

void Steuerung::Melden(const Hinweis& hinweis) {
    m_dienste.meldungen.Melden(hinweis.Text, hinweis.Symbol);
}

// ---- Enabled states, switches, status panels -------------------------------

void Steuerung::FreigabenMelden() {
    m_freigaben.VerlaufFolgen(m_verlauf);
    m_freigaben.Setzen(Befehl::RoutinensucheSchliessen, m_routSucheSichtbar);
    m_ansicht.FreigabenZeigen(m_freigaben);
}

void Steuerung::SchalterMelden() {
    m_ansicht.SchalterZeigen(m_projektweit, m_ganzesWort, m_zoom.An());
}

void Steuerung::ProjektModusSetzen(ProjektModus modus) {
    m_modus = modus;
    m_freigaben.ModusSetzen(modus);
    if (auto aenderung = cb::ProjektModusSetzen(modus); aenderung && aenderung->PanelTexte) {
        StatusSetzen(aenderung->PanelTexte->Modul, aenderung->PanelTexte->Routine);
        m_ansicht.StatusSetzen(Panel::Aktivitaet, aenderung->PanelTexte->Aktion);
    }
    FreigabenMelden();
}

void Steuerung::StatusSetzen(std::string_view modul, std::string_view routine) {
    m_modulPanel = std::string(modul);
    m_routinePanel = std::string(routine);
    m_ansicht.StatusSetzen(Panel::Modul, m_modulPanel);
    m_ansicht.StatusSetzen(Panel::Routine, m_routinePanel);
}

void Steuerung::AnsichtZuruecksetzen() {
    m_verlauf.Leeren();
    m_freigaben.AnsichtZuruecksetzen();
    m_ansicht.LinksZeigen(LinkerBereich::App); // txtAppAktiv hidden
    m_letzteZeile = -1;
    m_aktModulIndex = 0;
    m_auswahlAnfang = m_auswahlLaenge = 0;
    m_markiert.clear();
    m_code.clear();
    m_ansicht.CodeFensterAnlegen(1);
    m_ansicht.CodeFensterZeigen(0, Code(0));
    if (m_zoom.Aus())
        m_ansicht.ZoomZeigen(nullptr);
    SchalterMelden();
    FreigabenMelden();
}

// ---- The code panes ----------------------------------------------------------

const CodeAnsicht& Steuerung::Code(std::int64_t index) {
    static const CodeAnsicht leer;
    if (index < 0 || static_cast<std::size_t>(index) >= m_markiert.size())
        return leer;
    auto& code = m_code[static_cast<std::size_t>(index)];
    if (!code)
        code = CodeAnsichtBilden(m_markiert[static_cast<std::size_t>(index)], m_z.Opt.RoutinenFett);
    return *code;
}

void Steuerung::FensterWechseln(std::int64_t index) {
    // Only the panes made for the project's modules exist; a number beyond
    // them (a damaged tree) stays on the pane in front.
    if (index == m_aktModulIndex || index < 0 ||
        index >= std::max<std::int64_t>(1, static_cast<std::int64_t>(m_markiert.size())))
        return;
    m_aktModulIndex = index;
    m_auswahlAnfang = m_auswahlLaenge = 0;
    m_ansicht.CodeFensterZeigen(index, Code(index));
}

std::int64_t Steuerung::CaretZeile() {
    return static_cast<std::int64_t>(ZeileAnOffset(Code(m_aktModulIndex).Text, m_auswahlAnfang));
}

void Steuerung::ZeileAnspringen(std::int64_t zeile) {
    const std::string& text = Code(m_aktModulIndex).Text;
    // The caret goes to the first word of the line; a line beyond the text
    // leaves it at the end.
    std::size_t pos = 0, zeichen = 0;
    for (std::int64_t z = 1; z < zeile && pos < text.size(); ++pos) {
        std::size_t laenge = 1;
        CodepunktAn(text, pos, laenge);
        pos += laenge - 1;
        ++zeichen;
        if (text[pos] == '\n')
            ++z;
    }
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) {
        ++pos;
        ++zeichen;
    }
    std::size_t wort = 0;
    for (std::size_t p = pos; p < text.size();) {
        std::size_t laenge = 1;
        if (!IstWortZeichen(CodepunktAn(text, p, laenge)))
            break;
        p += laenge;
        ++wort;
    }
    m_auswahlAnfang = zeichen;
    m_auswahlLaenge = wort;
    m_ansicht.AuswahlSetzen(m_auswahlAnfang, m_auswahlLaenge);
}

std::string Steuerung::Auswahl() {
    // In zoom mode the selection is the zoom pane's
    const bool zoom = m_zoom.An() && m_zoomInhalt;
    const std::string& text = zoom ? m_zoomInhalt->Text : Code(m_aktModulIndex).Text;
    const std::size_t anfang = zoom ? m_zoomAnfang : m_auswahlAnfang;
    const std::size_t laenge = zoom ? m_zoomLaenge : m_auswahlLaenge;
    const std::size_t von = BytePosition(text, anfang);
    const std::size_t bis = BytePosition(text, anfang + laenge);
    return text.substr(von, bis - von);
}

void Steuerung::ZeilenAnfang() {
    // Forward over the blanks at the caret, as a caret set in the middle of
    // a line stays there
    const std::string& text = Code(m_aktModulIndex).Text;
    std::size_t pos = BytePosition(text, m_auswahlAnfang);
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) {
        ++pos;
        ++m_auswahlAnfang;
    }
    m_auswahlLaenge = 0;
    m_ansicht.AuswahlSetzen(m_auswahlAnfang, m_auswahlLaenge);
}

void Steuerung::RoutineImStatus() {
    if (!m_projektGeladen || !m_projekt.DatenbankOffen())
        return;
    try {
        m_routinePanel = m_projekt.RoutineImStatus(CaretZeile() + 1, ModulSchluessel(m_aktModulIndex + 1));
        m_ansicht.StatusSetzen(Panel::Routine, m_routinePanel);
    } catch (const std::exception&) {
        // A caret move must never bring a message; the panel keeps its text.
    }
}

// ---- Zoom ------------------------------------------------------------------------

void Steuerung::ZoomFuellen() {
    if (static_cast<std::size_t>(m_aktModulIndex) >= m_markiert.size())
        return;
    try {
        auto bereich = m_projekt.RoutineZoomen(CaretZeile() + 1, m_aktModulIndex + 1);
        if (!bereich)
            return; // the zoom pane keeps its content
        m_zoomMarkiert = Zeilen(m_markiert[static_cast<std::size_t>(m_aktModulIndex)], bereich->ErsteZeile,
                                bereich->LetzteZeile);
        m_zoomInhalt = CodeAnsichtBilden(m_zoomMarkiert, m_z.Opt.RoutinenFett);
        m_zoomAnfang = m_zoomLaenge = 0;
        m_ansicht.ZoomZeigen(&*m_zoomInhalt);
    } catch (const std::exception& e) {
        m_dienste.meldungen.Melden(e.what(), MeldungsSymbol::Keins);
    }
}

void Steuerung::Fokus() {
    if (m_zoom.An())
        ZoomFuellen();
}

bool Steuerung::ImZoomAbgelehnt(Befehl befehl) {
    if (auto hinweis = ZoomSperre(befehl, m_zoom.An())) {
        Melden(*hinweis);
        return true;
    }
    return false;
}

void Steuerung::mnuAnsicht_Zoom_Click() {
    if (m_zoom.Umschalten()) {
        // The pane shows with the check mark, even where no lines are found
        // for the caret: it then keeps what it showed before.
        if (!m_zoomInhalt)
            m_zoomInhalt.emplace();
        m_ansicht.ZoomZeigen(&*m_zoomInhalt);
        ZoomFuellen();
    } else {
        m_ansicht.ZoomZeigen(nullptr);
    }
    SchalterMelden();
}

void Steuerung::ZoomAuswahlGeaendert(std::size_t anfang, std::size_t laenge) {
    m_zoomAnfang = anfang;
    m_zoomLaenge = laenge;
}

// ---- Listing, reading, showing ---------------------------------------------------

void Steuerung::AppProjekteAktualisieren(const Baum* vbDateien) {
    Versuchen([&] { m_projekt.DatenbankSchliessen(); });
    m_projektGeladen = false;
    Versuchen([&] {
        m_treProjekt.Leeren();
        m_ansicht.ProjektBaumZeigen(m_treProjekt);
    });
    Versuchen([&] { mnuAnsicht_RouClose_Click(); });
    Versuchen([&] { m_ansicht.LinksZeigen(LinkerBereich::App); });
    bool ok = false;
    m_vbDateien = vbDateien != nullptr;
    Versuchen([&] {
        if (vbDateien)
            m_treApp = *vbDateien;
        else
            ok = ProjekteAuflisten(m_z, *m_host, m_dienste.meldungen, m_treApp);
    });
    Versuchen([&] {
        AlleAufklappen(m_treApp);
        m_ansicht.AppBaumZeigen(m_treApp);
    });
    Versuchen([&] { AnsichtZuruecksetzen(); });
    if (vbDateien) {
        // The files come ticked: F2 reads them at once.
        const bool gehakt = !m_treApp.GehakteBlaetter().empty();
        m_freigaben.Setzen(Befehl::CodeEinlesen, gehakt);
        m_freigaben.Setzen(Knopf::CodeLesen, gehakt);
        FreigabenMelden();
        return;
    }
    Versuchen([&] {
        const std::string hinweis = AppHinweisText(ok, m_treApp.Leer(), m_z.AppName, m_z.AppVersion);
        if (!hinweis.empty()) {
            m_ansicht.HinweisSetzen(hinweis);
            m_ansicht.LinksZeigen(LinkerBereich::Hinweis);
        }
    });
}

bool Steuerung::ProjektAufgeben() {
    if (m_projekt.NichtGespeichert) {
        const MeldungsAntwort antwort = m_dienste.meldungen.Zeigen(SpeicherFrageText(), MeldungsSymbol::Frage,
                                                                   MeldungsKnoepfe::JaNeinAbbrechen, {});
        if (antwort == MeldungsAntwort::Abbrechen)
            return false;
        if (antwort == MeldungsAntwort::Ja) {
            // A save that loses the project needs no "&Neu" of its own: this
            // is one. A save the user cancels, or one that fails and keeps
            // the project, must not let it go unsaved after all.
            auto k = ProjektKontextBilden();
            if (cb::mnuSpeichern_Click(k) == DateiAusgang::Unveraendert)
                return false;
        }
    }
    return true;
}

void Steuerung::NeuAuflisten(const Baum* vbDateien) {
    m_ansicht.TitelSetzen(m_z.ProgrammTitel);
    m_projekt.NichtGespeichert = false;
    ProjektModusSetzen(ProjektModus::KeinProjekt);
    AppProjekteAktualisieren(vbDateien);
}

void Steuerung::mnuAnsicht_App_Aktualisieren_Click() {
    if (ProjektAufgeben())
        NeuAuflisten(nullptr);
}

void Steuerung::AppHakenSetzen(std::string_view schluessel, bool haken) {
    BaumKnoten* knoten = m_treApp.Finden(schluessel);
    if (!knoten)
        return;
    knoten->Haken = haken;
    const bool gehakt = AppKnotenGehakt(m_treApp, schluessel);
    m_ansicht.AppBaumZeigen(m_treApp);
    m_freigaben.Setzen(Befehl::CodeEinlesen, gehakt);
    m_freigaben.Setzen(Knopf::CodeLesen, gehakt);
    FreigabenMelden();
}

void Steuerung::ProjektZeigen(std::vector<std::string> texte) {
    RoutSucheLeeren(); // a list of the project before would name its nodes
    m_markiert = std::move(texte);
    m_code.assign(m_markiert.size(), std::nullopt);
    m_aktModulIndex = -1; // the first node's click brings its pane to the front
    m_ansicht.CodeFensterAnlegen(std::max<std::int64_t>(1, static_cast<std::int64_t>(m_markiert.size())));
    m_ansicht.ProjektBaumZeigen(m_treProjekt);
    m_ansicht.LinksZeigen(LinkerBereich::Projekt);
    m_projektGeladen = true;
    if (m_treProjekt.Leer())
        FensterWechseln(0);
    else
        KnotenKlick(m_treProjekt.Knoten().front().Schluessel);
}

void Steuerung::mnuBearbeiten_Code_Click() {
    m_projektGeladen = false;
    // A ticked project whose modules are all unticked again holds nothing
    // to read; it would empty the working folder for an empty project.
    if (m_treApp.GehakteBlaetter().empty()) {
        m_dienste.meldungen.Melden("Bitte wählen Sie erst etwas aus", MeldungsSymbol::Keins);
        return;
    }
    m_projekt.DatenbankSchliessen();
    // Built in the working folder, never in a saved project's folder
    m_projekt.PfadSetzen(m_z.TempPfad);
    TempDateienLeeren(m_z, m_projekt.ProjektPfad());
    m_ansicht.NeuZeichnenAussetzen(true);
    bool gelesen;
    if (m_vbDateien) {
        gelesen = VBProjektEinlesen(m_projekt, m_z.Opt, m_z.ProgrammOrdner, m_dienste.meldungen, m_ansicht,
                                    m_treApp);
        m_projekt.DatenbankSchliessen();
        if (gelesen) {
            // From here the tag names the project read, as after a
            // workbook's read: saving and the RTF export offer the name.
            const std::string& knoten = m_treApp.Knoten().front().Text;
            m_treApp.Tag = knoten.substr(0, knoten.rfind(" ["));
            m_ansicht.TitelSetzen(UngespeichertTitel(m_z.ProgrammTitel, m_treApp.Tag));
            m_projekt.NichtGespeichert = true;
            m_vbDateien = false; // read: the tree no longer names their folder
        }
    } else {
        gelesen = ProjektEinlesen(m_z, m_projekt, *m_host, m_dienste.meldungen, m_ansicht, m_treApp);
    }
    m_ansicht.NeuZeichnenAussetzen(false);
    if (!gelesen && m_vbDateien) {
        // The files stay listed: one that failed can be unticked and the rest read.
        const Baum dateien = m_treApp;
        AppProjekteAktualisieren(&dateien);
        return;
    }
    if (!gelesen) {
        mnuAnsicht_App_Aktualisieren_Click();
        return;
    }
    AnsichtZuruecksetzen();
    auto k = ProjektKontextBilden();
    auto texte = ProjektLaden(k);
    if (!texte) {
        mnuAnsicht_App_Aktualisieren_Click();
        return;
    }
    ProjektZeigen(std::move(*texte));
    ProjektModusSetzen(ProjektModus::Eingelesen);
}

// ---- "&Datei" ----------------------------------------------------------------------

void Steuerung::GeoeffnetZeigen(DateiErgebnis ergebnis) {
    if (ergebnis.Ausgang == DateiAusgang::Gezeigt) {
        AnsichtZuruecksetzen();
        ProjektZeigen(std::move(ergebnis.Texte));
        ProjektModusSetzen(ProjektModus::Gespeichert);
    } else if (ergebnis.Ausgang == DateiAusgang::Verloren) {
        mnuAnsicht_App_Aktualisieren_Click();
    }
}

void Steuerung::mnuOeffnen_Click() {
    auto k = ProjektKontextBilden();
    GeoeffnetZeigen(cb::mnuOeffnen_Click(k));
}

void Steuerung::mnuOpenIndex_Click(std::size_t index) {
    auto k = ProjektKontextBilden();
    GeoeffnetZeigen(cb::mnuOpenIndex_Click(k, index));
}

bool Steuerung::mnuSpeichern_Click() {
    auto k = ProjektKontextBilden();
    const DateiAusgang a = cb::mnuSpeichern_Click(k);
    if (a == DateiAusgang::Gezeigt)
        ProjektModusSetzen(ProjektModus::Gespeichert);
    else if (a == DateiAusgang::Verloren)
        mnuAnsicht_App_Aktualisieren_Click();
    return a == DateiAusgang::Gezeigt;
}

void Steuerung::MappenOeffnen(const std::vector<std::string>& pfade) {
    if (pfade.empty())
        return;
    for (const std::string& pfad : pfade)
        m_host->MappeOeffnen(pfad);
    // A workbook open already is read again by the listing: what the user
    // asked for is what the file holds now.
    mnuAnsicht_App_Aktualisieren_Click();
}

void Steuerung::MappenOeffnenFragen() {
    // The files the workbook reader takes; vbaProject.bin is the project
    // part unpacked from an Office Open XML file.
    const auto filter = FilterZeilenBilden(
        "Dateien mit VBA-Projekt:xlsm,xlsb,xlam,xls,xla,xltm,docm,dotm,pptm,doc,bin;Alle Dateien:;",
        m_dienste.meldungen);
    if (filter)
        MappenOeffnen(m_dienste.dialoge.DateienOeffnen("Arbeitsmappen öffnen", *filter, {}));
}

void Steuerung::mnuVB_Click() {
    const auto filter = FilterZeilenBilden(std::string(VbpDateiFilter) +
                                               "VB-Moduldateien:bas,cls,frm,ctl,dob,dsr,pag;Alle Dateien:;",
                                           m_dienste.meldungen);
    if (!filter)
        return;
    const std::vector<std::string> dateien = m_dienste.dialoge.DateienOeffnen("VB Einlesen", *filter, {});
    if (dateien.empty())
        return;
    Baum baum;
    try {
        baum = VbDateienBaum(dateien);
    } catch (const std::exception& e) {
        m_dienste.meldungen.Melden(VbProjektFehlerText() + "\r\n" + e.what(), MeldungsSymbol::Warnung);
        return;
    }
    if (ProjektAufgeben())
        NeuAuflisten(&baum);
}

// ---- Mini window, screen layouts, options, help --------------------------------------

void Steuerung::mnuAnsicht_Spezial_Click() {
    m_zurVollansicht = false;
    m_fenster = Fenster::Mini;
    m_ansicht.FensterZeigen(Fenster::Mini);
}

void Steuerung::cmdHtml_Click() {
    auto k = ExportKontextBilden();
    mnuHtml_Clipboard_Click(k);
}

void Steuerung::cmdClose_Click() {
    m_zurVollansicht = true;
    MiniForm_Unload();
}

void Steuerung::MiniForm_Unload() {
    if (m_fenster != Fenster::Mini)
        return;
    if (m_zurVollansicht) {
        m_fenster = Fenster::Haupt;
        m_ansicht.FensterZeigen(Fenster::Haupt);
    } else {
        m_ansicht.Schliessen();
    }
}

void Steuerung::FensterLageGeaendert(const FensterLage& lage) {
    m_lage = lage;
}

void Steuerung::mnuExtras_Screen_define_Click() {
    if (m_dienste.meldungen.Zeigen(std::string(LayoutFrageText), MeldungsSymbol::Frage,
                                   MeldungsKnoepfe::JaNein, {}) != MeldungsAntwort::Ja)
        return;
    m_z.Opt.WindowLayout = LayoutText(m_lage);
    m_dienste.einstellungen.Schreiben(m_z.EinstellungsName, "optionen", "bis", m_z.Opt.WindowLayout);
}

void Steuerung::mnuExtras_Screen_call_Click() {
    std::optional<FensterLage> lage = LayoutLesen(m_z.Opt.WindowLayout);
    // The stored value stays as it is: the message comes again until the
    // user stores a layout that works.
    if (!lage) {
        m_dienste.meldungen.Melden(std::string(LayoutFehlerText), MeldungsSymbol::Warnung);
        lage = FensterLage{};
    }
    m_ansicht.LageSetzen(*lage);
}

void Steuerung::mnuExtras_Optionen_Click() {
    const Optionen vorher = m_z.Opt;
    OptionenDialog dialog(m_z, m_dienste.einstellungen, m_dienste.dialoge);
    m_ansicht.OptionenZeigen(dialog);
    // What the panes show follows the options at once; a choice that only
    // reading, saving or the start use leaves them as they are.
    const Optionen& o = m_z.Opt;
    if (dialog.Bestaetigt() &&
        (o.FarbeKommentar != vorher.FarbeKommentar || o.FarbeSchluessel != vorher.FarbeSchluessel ||
         o.FarbeString != vorher.FarbeString || o.SchriftName != vorher.SchriftName ||
         o.SchriftGroesse != vorher.SchriftGroesse || o.TabstopMm != vorher.TabstopMm ||
         o.RoutinenFett != vorher.RoutinenFett))
        AnzeigeNeuAufbauen();
}

void Steuerung::AnzeigeNeuAufbauen() {
    if (m_markiert.empty())
        return;
    const std::int64_t index = m_aktModulIndex;
    const std::size_t anfang = m_auswahlAnfang, laenge = m_auswahlLaenge;
    m_code.assign(m_markiert.size(), std::nullopt);
    m_ansicht.CodeFensterAnlegen(static_cast<std::int64_t>(m_markiert.size()));
    m_aktModulIndex = -1;
    FensterWechseln(index);
    m_auswahlAnfang = anfang;
    m_auswahlLaenge = laenge;
    m_ansicht.AuswahlSetzen(anfang, laenge);
    if (m_zoom.An())
        ZoomFuellen();
}

void Steuerung::HilfeAufrufen() {
    try {
        const std::string seite = HilfeStartseite(m_z);
        std::error_code ec;
        if (std::filesystem::is_regular_file(seite, ec))
            m_ansicht.HilfeZeigen(seite);
        else
            m_dienste.meldungen.Melden(HilfeFehlerText(m_z), MeldungsSymbol::Keins);
    } catch (const std::exception& e) {
        m_dienste.meldungen.Melden(e.what(), MeldungsSymbol::Keins);
    }
}

void Steuerung::mnuHilfe_Info_Click() {
    m_ansicht.InfoZeigen(InfoTexteBilden(m_z));
}

void Steuerung::cmdHP_Click() {
    HomePageOeffnen(m_dienste.shell, m_dienste.meldungen);
}

void Steuerung::StartSysInfo() {
    SysInfoStarten(m_dienste.shell, m_dienste.meldungen);
}

void Steuerung::HilfeVerweisOeffnen(const std::string& adresse) {
    AdresseOeffnen(m_dienste.shell, m_dienste.meldungen, adresse);
}

// ---- Navigation ----------------------------------------------------------------------

void Steuerung::KnotenKlick(std::string_view schluessel) {
    const Baum& baum =
        m_routSucheSichtbar && m_treRoutSuche.Finden(schluessel) ? m_treRoutSuche : m_treProjekt;
    const BaumKnoten* knoten = baum.Finden(schluessel);
    if (!knoten)
        return;
    try {
        if (knoten->Eltern.empty()) {
            FensterWechseln(NummerAusSchluessel(knoten->Schluessel) - 1);
            StatusSetzen(knoten->Text, "");
            m_ansicht.ModulKnotenMarkieren(ModulSchluessel(m_aktModulIndex + 1));
            m_auswahlAnfang = m_auswahlLaenge = 0;
            m_ansicht.AuswahlSetzen(0, 0);
        } else {
            const BaumKnoten* modul = baum.Finden(knoten->Eltern);
            FensterWechseln(NummerAusSchluessel(knoten->Eltern) - 1);
            if (auto zeile = m_projekt.RoutineAnspringen(NummerAusSchluessel(knoten->Schluessel)))
                ZeileAnspringen(*zeile);
            StatusSetzen(modul ? modul->Text : std::string(), knoten->Text);
            m_ansicht.ModulKnotenMarkieren(ModulSchluessel(m_aktModulIndex + 1));
            m_verlauf.VerlaufMerken(
                {static_cast<int>(m_aktModulIndex), m_auswahlAnfang, m_modulPanel, m_routinePanel});
            FreigabenMelden();
        }
    } catch (const std::exception& e) {
        m_dienste.meldungen.Melden(e.what(), MeldungsSymbol::Keins);
    }
    Fokus();
}

void Steuerung::AuswahlGeaendert(std::size_t anfang, std::size_t laenge) {
    m_auswahlAnfang = anfang;
    m_auswahlLaenge = laenge;
    if (!m_projektGeladen || Code(m_aktModulIndex).Text.empty())
        return;
    // Moving within the line asks the store nothing
    const std::int64_t zeile = CaretZeile();
    if (zeile == m_letzteZeile)
        return;
    m_letzteZeile = zeile;
    RoutineImStatus();
}

KontextMenue Steuerung::KontextMenueFuerCode() {
    const std::string wort = WortAnPosition(Code(m_aktModulIndex).Text, m_auswahlAnfang);
    KontextEingabe eingabe;
    eingabe.ProjektAktiv = m_freigaben.ProjektAktiv();
    eingabe.Wort = wort;
    eingabe.Panel2 = m_routinePanel;
    eingabe.CodeEinlesenAn = m_freigaben.An(Befehl::CodeEinlesen);
    return KontextMenueBestimmen(eingabe);
}

void Steuerung::VerlaufZeigen(const std::optional<VerlaufEintrag>& eintrag) {
    if (!eintrag)
        return;
    FensterWechseln(eintrag->Bereich);
    m_auswahlAnfang = eintrag->Caret;
    ZeilenAnfang();
    StatusSetzen(eintrag->Modul, eintrag->Routine);
    m_ansicht.ModulKnotenMarkieren(ModulSchluessel(m_aktModulIndex + 1));
    FreigabenMelden();
    Fokus();
}

void Steuerung::VerlaufZurueck() {
    VerlaufZeigen(m_verlauf.Zurueck());
}

void Steuerung::VerlaufVor() {
    VerlaufZeigen(m_verlauf.Vor());
}

void Steuerung::PanelKlick(int panel) {
    if (auto befehl = PanelKlickBefehl(panel))
        Ausfuehren(*befehl);
    else
        Fokus();
}

void Steuerung::PanelDoppelklick(int panel) {
    if (auto befehl = PanelDoppelklickBefehl(panel))
        Ausfuehren(*befehl);
}

void Steuerung::mnuBearbeiten_Definition_Click() {
    if (ImZoomAbgelehnt(Befehl::Definition) || !m_projektGeladen)
        return;
    const std::string wort = WortAnPosition(Code(m_aktModulIndex).Text, m_auswahlAnfang);
    if (wort.empty())
        return; // the pane only keeps the focus
    try {
        const std::size_t start = m_auswahlAnfang;
        auto sprung = DefinitionAnspringen(m_projekt, m_aktModulIndex, m_dienste.meldungen, m_ansicht, wort);
        if (!sprung)
            return;
        FensterWechseln(sprung->AktModulIndex);
        ZeileAnspringen(sprung->Zeile);
        m_routinePanel = wort;
        if (sprung->ModulGewechselt)
            if (const BaumKnoten* modul = m_treProjekt.Finden(ModulSchluessel(m_aktModulIndex + 1)))
                m_modulPanel = modul->Text;
        if (sprung->ModulKnotenMarkieren)
            m_ansicht.ModulKnotenMarkieren(ModulSchluessel(m_aktModulIndex + 1));
        m_verlauf.DefinitionMerken(
            start, {static_cast<int>(m_aktModulIndex), m_auswahlAnfang, m_modulPanel, m_routinePanel});
        FreigabenMelden();
    } catch (const std::exception& e) {
        m_dienste.meldungen.Melden(e.what(), MeldungsSymbol::Keins);
    }
}

void Steuerung::mnuBearbeiten_Rout_Click() {
    try {
        auto ergebnis = AufrufeSuchen(m_projekt, m_aktModulIndex + 1, m_dienste.meldungen, m_routinePanel);
        if (!ergebnis)
            return;
        if (!ergebnis->ListeZeigen) {
            mnuAnsicht_RouClose_Click();
            return;
        }
        m_treRoutSuche = std::move(ergebnis->RoutSuche);
        // The list is there to show the callers: none hidden under a closed module
        AlleAufklappen(m_treRoutSuche);
        m_routSucheSichtbar = true;
        m_ansicht.RoutSucheZeigen(m_treRoutSuche, ergebnis->Bezeichnung);
        m_ansicht.LinksZeigen(LinkerBereich::RoutSuche);
        FreigabenMelden();
    } catch (const std::exception& e) {
        m_dienste.meldungen.Melden(e.what(), MeldungsSymbol::Keins);
    }
}

void Steuerung::RoutSucheLeeren() {
    m_treRoutSuche.Leeren();
    m_routSucheSichtbar = false;
    m_ansicht.RoutSucheZeigen(m_treRoutSuche, "");
}

void Steuerung::mnuAnsicht_RouClose_Click() {
    const bool war = m_routSucheSichtbar;
    RoutSucheLeeren();
    if (war)
        m_ansicht.LinksZeigen(LinkerBereich::Projekt);
    FreigabenMelden();
}

// ---- Search ----------------------------------------------------------------------------

void Steuerung::Suchen(SuchArt art) {
    std::vector<std::string> texte;
    texte.reserve(m_markiert.size());
    for (std::size_t i = 0; i < m_markiert.size(); ++i)
        texte.push_back(Code(static_cast<std::int64_t>(i)).Text);
    SuchEingabe eingabe;
    eingabe.Texte = texte;
    eingabe.Sichtbar = static_cast<std::size_t>(std::max<std::int64_t>(0, m_aktModulIndex));
    eingabe.Caret = m_auswahlAnfang;
    eingabe.Projektweit = m_projektweit;
    eingabe.GanzesWort = m_ganzesWort;
    eingabe.Feld = m_suchfeld;
    eingabe.ZoomAn = m_zoom.An();
    SuchErgebnis ergebnis = cb::Suchen(art, eingabe);
    m_suchfeld = ergebnis.Feld;
    m_ansicht.SuchfeldSetzen(m_suchfeld);
    if (ergebnis.Meldung && !ergebnis.Meldung->Text.empty())
        Melden(*ergebnis.Meldung);
    if (!ergebnis.Treffer)
        return;
    const auto bereich = static_cast<std::int64_t>(ergebnis.Treffer->Bereich);
    if (bereich != m_aktModulIndex) {
        FensterWechseln(bereich);
        if (const BaumKnoten* modul = m_treProjekt.Finden(ModulSchluessel(bereich + 1)))
            StatusSetzen(modul->Text, m_routinePanel);
        m_ansicht.ModulKnotenMarkieren(ModulSchluessel(bereich + 1));
    }
    m_auswahlAnfang = ergebnis.Treffer->Offset;
    m_auswahlLaenge = ergebnis.Treffer->Laenge;
    m_ansicht.AuswahlSetzen(m_auswahlAnfang, m_auswahlLaenge);
    m_letzteZeile = CaretZeile();
    RoutineImStatus();
}

void Steuerung::SuchfeldGeaendert(std::string_view text) {
    m_suchfeld = std::string(text);
}

void Steuerung::mnuBearbeiten_Suchen_Projekt_Click() {
    m_projektweit = !m_projektweit;
    SchalterMelden();
}

void Steuerung::mnuBearbeiten_Suchen_GanzWort_Click() {
    m_ganzesWort = !m_ganzesWort;
    SchalterMelden();
}

void Steuerung::mnuBearbeiten_Suchen_Auswahl_Click() {
    if (auto feld = AuswahlNachSuche(Auswahl())) {
        m_suchfeld = *feld;
        m_ansicht.SuchfeldSetzen(m_suchfeld);
    }
}

// ---- Every entry point -------------------------------------------------------------------

void Steuerung::Ausfuehren(Befehl befehl, std::size_t index) {
    // A disabled item's shortcut does nothing either
    if (m_freigaben.An(befehl))
        BefehlAusfuehren(befehl, index);
}

void Steuerung::SymbolleisteGeklickt(std::string_view schluessel) {
    // A button has its own enabled state: "refresh" runs the refresh of
    // "&Neu" while that menu item is disabled.
    const auto knopf = KnopfVonSchluessel(schluessel);
    const auto befehl = SymbolleistenBefehl(schluessel);
    if (knopf && befehl && m_freigaben.An(*knopf))
        BefehlAusfuehren(*befehl, 0);
}

void Steuerung::BefehlAusfuehren(Befehl befehl, std::size_t index) {
    auto k = ExportKontextBilden();
    const std::string modulName = [&] {
        const BaumKnoten* modul = m_treProjekt.Finden(ModulSchluessel(m_aktModulIndex + 1));
        return modul ? modul->Text : std::string();
    }();
    const std::string markiert = static_cast<std::size_t>(m_aktModulIndex) < m_markiert.size()
                                     ? m_markiert[static_cast<std::size_t>(m_aktModulIndex)]
                                     : std::string();
    switch (befehl) {
    case Befehl::Oeffnen:
        return mnuOeffnen_Click();
    case Befehl::Neu:
    case Befehl::AppAktualisieren:
        return mnuAnsicht_App_Aktualisieren_Click();
    case Befehl::Speichern:
        mnuSpeichern_Click();
        return;
    case Befehl::ZuletztOeffnen:
        return mnuOpenIndex_Click(index);
    case Befehl::CodeEinlesen:
        return mnuBearbeiten_Code_Click();
    case Befehl::Suchen:
        return Suchen(SuchArt::VomAnfang);
    case Befehl::SuchenWeiter:
        return Suchen(SuchArt::AbPosition);
    case Befehl::ProjektsucheUmschalten:
        return mnuBearbeiten_Suchen_Projekt_Click();
    case Befehl::GanzesWortUmschalten:
        return mnuBearbeiten_Suchen_GanzWort_Click();
    case Befehl::AuswahlNachSuche:
        return mnuBearbeiten_Suchen_Auswahl_Click();
    case Befehl::RoutineAufrufe:
        return mnuBearbeiten_Rout_Click();
    case Befehl::Definition:
        return mnuBearbeiten_Definition_Click();
    case Befehl::RoutineZurueck:
        return VerlaufZurueck();
    case Befehl::RoutineVor:
        return VerlaufVor();
    case Befehl::KopierenModul:
        return mnuBearbeiten_Kopieren_Modul_Click(k, m_zoom.An(), markiert);
    case Befehl::Zoom:
        return mnuAnsicht_Zoom_Click();
    case Befehl::RoutinensucheSchliessen:
        return mnuAnsicht_RouClose_Click();
    case Befehl::Struktur:
        if (const Baum* baum = StrukturBaumWaehlen(m_treApp, !m_projektGeladen, m_treProjekt,
                                                   m_projektGeladen && !m_routSucheSichtbar, m_treRoutSuche,
                                                   m_routSucheSichtbar))
            StrukturInZwischenablage(m_z.Opt, m_z.ProgrammTitel, *baum, m_dienste.ablage,
                                     m_dienste.meldungen);
        return;
    case Befehl::ZwischenablageLeeren:
        return mnuExtras_ClearClip_Click(k);
    case Befehl::RtfProjekt:
        return mnuRtf_Projekt_Click(k, m_dienste.dialoge, m_treApp.Tag);
    case Befehl::RtfModul:
        return mnuRtf_Modul_Click(k, m_dienste.dialoge, modulName);
    case Befehl::HtmlZwischenablage:
        return mnuHtml_Clipboard_Click(k);
    case Befehl::HtmlAuswahl:
        return mnuHtml_Auswahl_Click(k, Auswahl());
    case Befehl::HtmlModul:
        return mnuHtml_Modul_Click(k);
    case Befehl::HtmlProjekt:
        return mnuHtml_projekt_Click(k);
    // Text on the clipboard has the line breaks of the module files
    case Befehl::TextAuswahl:
        return mnuText_Auswahl_Click(k, ZeilenumbruecheNachCrLf(Auswahl()));
    case Befehl::TextModul:
        return mnuText_Modul_Click(k, AnzeigeText(markiert));
    case Befehl::ZoomNachHtml:
        return mnuPopUp_Zoom_Html_Click(k, m_zoomInhalt ? m_zoomInhalt->Text : std::string());
    case Befehl::ZoomKopieren:
        return mnuPopUp_Zoom_Copy_Click(k, m_zoomMarkiert);
    case Befehl::KopierenAuswahl:
        if (m_zoom.An() && m_zoomInhalt)
            return mnuBearbeiten_Kopieren_Auswahl_Click(k, *m_zoomInhalt, m_zoomAnfang, m_zoomLaenge);
        return mnuBearbeiten_Kopieren_Auswahl_Click(k, Code(m_aktModulIndex), m_auswahlAnfang,
                                                    m_auswahlLaenge);
    case Befehl::MappenOeffnen:
        return MappenOeffnenFragen();
    case Befehl::Spezialansicht:
        return mnuAnsicht_Spezial_Click();
    case Befehl::VbEinlesen:
        return mnuVB_Click();
    case Befehl::Optionen:
        return mnuExtras_Optionen_Click();
    case Befehl::BildschirmFestlegen:
        return mnuExtras_Screen_define_Click();
    case Befehl::BildschirmAufrufen:
        return mnuExtras_Screen_call_Click();
    case Befehl::Hilfe:
        return HilfeAufrufen();
    case Befehl::Info:
        return mnuHilfe_Info_Click();
    case Befehl::Beenden:
        return m_ansicht.Schliessen();
    }
}

} // namespace cb
