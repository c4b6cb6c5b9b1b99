// SPDX-License-Identifier: GPL-3.0-or-later
#include "steuerung/OptionenDialog.h"

#include "app/Allgemein.h"
#include "app/Dialoge.h"
#include "app/EinstellungsSpeicher.h"
#include "app/Text.h"
#include "app/Zustand.h"
#include "projects/DateiListen.h"
#include "settings/Optionen.h"

#include <cmath>
#include <filesystem>
#include <utility>

namespace cb {

namespace {

// The standard 16 colours, red in the low byte; the keyword and string
// frames hold white first, then the others in the opposite order.
constexpr std::array<std::int32_t, 16> Palette = {0xFFFFFF, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                                  0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                                  0x0000FF, 0xFF00FF, 0x00FFFF, 0x000000};

// Each box and the option it stands for, in the order of Kasten; the
// module-name box stands for the option that never changes, as the project
// exports always write module headers.
constexpr std::array<bool Optionen::*, KastenAnzahl> Schalter = {
    &Optionen::UserBildAnwenden,     &Optionen::VorschauHtml,          &Optionen::ModulnamenBeiExport,
    &Optionen::MeldungNachClip,      &Optionen::ModullisteAufgeklappt, &Optionen::StandardImmer,
    &Optionen::LeerzeileVorRoutinen, &Optionen::RoutinenEinruecken,    &Optionen::Einruecken,
    &Optionen::LeerzeilenEntfernen,  &Optionen::RoutinenFett};

} // namespace

std::int32_t FeldFarbe(int index) {
    if (index < 0 || index >= FarbFelder)
        return 0;
    const int i = index % 16;
    return index < 16 || i == 0 ? Palette[static_cast<std::size_t>(i)]
                                : Palette[static_cast<std::size_t>(16 - i)];
}

FarbRahmen FeldRahmen(int index) {
    return index < 16 ? FarbRahmen::Kommentar : index < 32 ? FarbRahmen::Schluessel : FarbRahmen::String;
}

OptionenDialog::OptionenDialog(Zustand& z, EinstellungsSpeicher& einstellungen, Dialoge& dialoge)
    : m_z(z), m_einstellungen(einstellungen), m_dialoge(dialoge), m_ordner(z.ProjektOrdner) {
    const Optionen& o = z.Opt;
    m_farben = {o.FarbeKommentar, o.FarbeSchluessel, o.FarbeString};
    for (int k = 0; k < KastenAnzahl; ++k)
        m_haken[static_cast<std::size_t>(k)] = o.*Schalter[static_cast<std::size_t>(k)];
    for (int mm = 3; mm <= 20; ++mm)
        m_tabListe.push_back(std::to_string(mm));
    m_tab = std::to_string(o.TabstopMm >= 3 && o.TabstopMm <= 20 ? o.TabstopMm : 5);
    m_vorschauName = o.SchriftName;
    m_vorschauGroesse = o.SchriftGroesse;
}

void OptionenDialog::SeiteWaehlen(OptionenSeite seite) {
    m_seite = seite;
    if (seite != OptionenSeite::Formate)
        return;
    if (m_formateGefuellt)
        return;
    m_formateGefuellt = true;
    m_schriften = m_dialoge.Schriftarten();
    const Optionen& o = m_z.Opt;
    // A font the system does not offer is left out without a word
    for (const std::string& s : m_schriften)
        if (s == o.SchriftName)
            m_schrift = s;
    for (int g = 8; g <= 16; ++g)
        m_groessen.push_back(std::to_string(g));
    m_groesse = std::to_string(o.SchriftGroesse);
    // A stored size outside the list stays choosable, or the list could
    // not show what is in effect.
    if (o.SchriftGroesse < 8 || o.SchriftGroesse > 16)
        m_groessen.push_back(m_groesse);
}

void OptionenDialog::HakenSetzen(Kasten k, bool an) {
    if (!Frei(k))
        return;
    m_haken[static_cast<std::size_t>(k)] = an;
}

void OptionenDialog::FeldKlick(int index) {
    if (index < 0 || index >= FarbFelder)
        return;
    m_farben[static_cast<std::size_t>(FeldRahmen(index))] = FeldFarbe(index);
}

void OptionenDialog::OrdnerTextSetzen(std::string text) {
    m_ordner = std::move(text);
}

void OptionenDialog::TabWaehlen(std::string text) {
    m_tab = std::move(text);
}

void OptionenDialog::SchriftWaehlen(std::string name) {
    m_schrift = std::move(name);
    Vorschau();
}

void OptionenDialog::GroesseWaehlen(std::string groesse) {
    m_groesse = std::move(groesse);
    Vorschau();
}

void OptionenDialog::Vorschau() {
    if (m_schrift.empty() || m_groesse.empty())
        return;
    m_vorschauName = m_schrift;
    m_vorschauGroesse = OptionsZahl(m_groesse);
}

void OptionenDialog::OrdnerAendern() {
    std::string ordner = m_dialoge.OrdnerWaehlen("Bitte Standardordner für Projekte auswählen", m_ordner);
    if (!ordner.empty())
        m_ordner = std::move(ordner);
}

void OptionenDialog::OrdnerNeu() {
    std::string basis = m_dialoge.OrdnerWaehlen(
        "Bitte Verzeichnis auswählen,\r\nin welchem der neue Ordner erzeugt werden soll", m_ordner);
    if (basis.empty())
        return;
    basis = MitTrenner(basis);
    std::string name(Getrimmt(m_dialoge.EingabeFeld("Namen für neuen Ordner angeben", "Neuer Ordner", "")));
    if (name.empty())
        return;
    DateinameBereinigen(name);
    // "." and ".." would name the chosen folder or the one above it
    if (name.empty() || name == "." || name == "..")
        return;
    m_ordner = basis + name;
    // A folder that exists already, or one the user may not make, is
    // taken as the choice all the same.
    std::error_code ec;
    std::filesystem::create_directory(m_ordner, ec);
}

void OptionenDialog::Ok() {
    m_einstellungen.Schreiben(m_z.EinstellungsName, "proj", "proj_pf", m_ordner);
    m_z.ProjektOrdner = m_ordner;
    Optionen& o = m_z.Opt;
    o.FarbeKommentar = Farbe(FarbRahmen::Kommentar);
    o.FarbeSchluessel = Farbe(FarbRahmen::Schluessel);
    o.FarbeString = Farbe(FarbRahmen::String);
    if (!m_schrift.empty())
        o.SchriftName = m_schrift;
    if (!m_groesse.empty())
        o.SchriftGroesse = OptionsZahl(m_groesse);
    o.TabstopMm = OptionsZahl(m_tab);
    for (int k = 0; k < KastenAnzahl; ++k)
        if (static_cast<Kasten>(k) != Kasten::Modulnamen) // a disabled box keeps its value and is taken
            o.*Schalter[static_cast<std::size_t>(k)] = m_haken[static_cast<std::size_t>(k)];
    OptionenSpeichern(o, m_einstellungen, m_z.EinstellungsName);
    m_bestaetigt = true;
}

} // namespace cb
