// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The options dialog frmOptionen as state and rules: what each page, box,
// list and swatch shows, and what the user's input changes. Nothing is
// taken over before OK; OK writes the options and the standard folder.
// The Qt dialog shows what this says and forwards every input to it.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace cb {

struct Zustand;
class Dialoge;
class EinstellungsSpeicher;

/// The four pages, in the order of their tabs.
enum class OptionenSeite { Anzeige, Dateien, Code, Formate };
inline constexpr std::array<const char*, 4> OptionenSeitenTitel = {"&Anzeige", "&Dateien", "&Code",
                                                                   "&Formate"};

/// The three colour frames: swatches 0-15, 16-31 and 32-47.
enum class FarbRahmen { Kommentar, Schluessel, String };
inline constexpr int FarbFelder = 48;

/// The check boxes of the dialog.
enum class Kasten {
    UserBild,
    Vorschau,
    Modulnamen,
    Meldung,
    Aufgeklappt,
    StandardImmer,
    RoutLeer,
    RouEinruecken,
    Einrueck,
    Leer,
    Routinen
};
inline constexpr int KastenAnzahl = static_cast<int>(Kasten::Routinen) + 1;

/// The colour of swatch index (0 to 47), red in the low byte.
std::int32_t FeldFarbe(int index);
/// The frame a swatch belongs to.
FarbRahmen FeldRahmen(int index);

class OptionenDialog {
public:
    /// Filled from the options and the standard folder standing now.
    OptionenDialog(Zustand& z, EinstellungsSpeicher& einstellungen, Dialoge& dialoge);

    // What the dialog shows
    OptionenSeite Seite() const { return m_seite; }
    const std::string& OrdnerText() const { return m_ordner; }
    std::int32_t Farbe(FarbRahmen rahmen) const { return m_farben[static_cast<std::size_t>(rahmen)]; }
    bool Haken(Kasten k) const { return m_haken[static_cast<std::size_t>(k)]; }
    /// The module-name box stands for no choice: the project exports
    /// always name their modules.
    bool Frei(Kasten k) const {
        return k != Kasten::Modulnamen && (k != Kasten::RouEinruecken || Haken(Kasten::Einrueck));
    }
    const std::vector<std::string>& TabListe() const { return m_tabListe; }
    const std::string& TabText() const { return m_tab; }
    /// Empty until the "&Formate" page is first shown.
    const std::vector<std::string>& Schriften() const { return m_schriften; }
    const std::string& SchriftText() const { return m_schrift; }
    const std::vector<std::string>& Groessen() const { return m_groessen; }
    const std::string& GroesseText() const { return m_groesse; }
    /// The font of the preview label lblSchrift.
    const std::string& VorschauName() const { return m_vorschauName; }
    int VorschauGroesse() const { return m_vorschauGroesse; }
    bool Bestaetigt() const { return m_bestaetigt; }

    // What the user does
    void SeiteWaehlen(OptionenSeite seite);
    void HakenSetzen(Kasten k, bool an);
    void FeldKlick(int index);
    void OrdnerTextSetzen(std::string text);
    void TabWaehlen(std::string text);
    void SchriftWaehlen(std::string name);
    void GroesseWaehlen(std::string groesse);
    /// cmdSpeichernÄndern: the standard folder from the folder chooser.
    void OrdnerAendern();
    /// cmdNeu: a new folder made below a chosen one becomes the standard folder.
    void OrdnerNeu();
    /// cmdOK: everything taken over and written.
    void Ok();

private:
    void Vorschau();

    Zustand& m_z;
    EinstellungsSpeicher& m_einstellungen;
    Dialoge& m_dialoge;
    OptionenSeite m_seite = OptionenSeite::Anzeige;
    std::string m_ordner;
    std::array<std::int32_t, 3> m_farben{};
    std::array<bool, KastenAnzahl> m_haken{};
    std::vector<std::string> m_tabListe, m_schriften, m_groessen;
    std::string m_tab, m_schrift, m_groesse, m_vorschauName;
    int m_vorschauGroesse = 0;
    bool m_bestaetigt = false;
    bool m_formateGefuellt = false;
};

} // namespace cb
