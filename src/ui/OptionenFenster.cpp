// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionenFenster.h"
#include "Masse.h"
#include "QtText.h"

#include "steuerung/OptionenDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace cb {

namespace {

// Colour values keep red in the low byte.
QColor Farbe(std::int32_t wert) {
    return QColor(wert & 0xFF, (wert >> 8) & 0xFF, (wert >> 16) & 0xFF);
}

void ListeZeigen(QComboBox* liste, const std::vector<std::string>& eintraege, const std::string& text) {
    const QSignalBlocker still(liste);
    if (liste->count() != static_cast<int>(eintraege.size())) {
        liste->clear();
        for (const std::string& e : eintraege)
            liste->addItem(Q(e));
    }
    liste->setCurrentIndex(liste->findText(Q(text)));
}

} // namespace

OptionenFenster::OptionenFenster(OptionenDialog& dialog, const QString& titel, QWidget* parent)
    : QDialog(parent), m_d(dialog), m_tbOptionen(new QTabBar(this)), m_seiten(new QStackedWidget(this)) {
    setObjectName("frmOptionen");
    setWindowTitle(titel);
    setFixedSize(TwipsPixel(6456, this), TwipsPixel(5100, this));
    m_tbOptionen->setObjectName("tbOptionen");
    for (const char* t : OptionenSeitenTitel)
        m_tbOptionen->addTab(QString::fromUtf8(t));
    m_seiten->addWidget(AnzeigeSeite());
    m_seiten->addWidget(DateienSeite());
    m_seiten->addWidget(CodeSeite());
    m_seiten->addWidget(FormateSeite());
    connect(m_tbOptionen, &QTabBar::currentChanged, this,
            [this](int i) { Eingabe([&] { m_d.SeiteWaehlen(static_cast<OptionenSeite>(i)); }); });

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
    auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    abbrechen->setObjectName("cmdEscape");
    connect(ok, &QPushButton::clicked, this, [this] {
        m_d.Ok();
        accept();
    });
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(ok);
    knoepfe->addWidget(abbrechen);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tbOptionen);
    layout->addWidget(m_seiten, 1);
    layout->addLayout(knoepfe);
    Erneuern();
}

template <class F> void OptionenFenster::Eingabe(F&& f) {
    if (m_erneuert)
        return; // a control set by Erneuern is no input of the user
    f();
    Erneuern();
}

QCheckBox* OptionenFenster::Kasten(int kasten, const QString& text, const QString& tooltip) {
    static constexpr std::array<const char*, KastenAnzahl> Namen = {
        "chkUserBild",    "chkVorschau",      "chkModulnamen", "chkMeldung",
        "chkAufgeklappt", "chkStandardImmer", "chkRoutLeer",   "chkRouEinruecken",
        "chkEinrueck",    "chkLeer",          "chkRoutinen"};
    auto* k = new QCheckBox(text);
    k->setObjectName(Namen[static_cast<std::size_t>(kasten)]);
    k->setToolTip(tooltip);
    m_kaesten[static_cast<std::size_t>(kasten)] = k;
    connect(k, &QCheckBox::toggled, this, [this, kasten](bool an) {
        Eingabe([&] { m_d.HakenSetzen(static_cast<cb::Kasten>(kasten), an); });
    });
    return k;
}

QComboBox* OptionenFenster::Liste(const char* name, void (OptionenDialog::*waehlen)(std::string)) {
    auto* liste = new QComboBox;
    liste->setObjectName(name);
    connect(liste, &QComboBox::textActivated, this,
            [this, waehlen](const QString& text) { Eingabe([&] { (m_d.*waehlen)(text.toStdString()); }); });
    return liste;
}

QWidget* OptionenFenster::AnzeigeSeite() {
    auto* seite = new QWidget;
    seite->setObjectName("fraOptionen_1");
    auto* l = new QVBoxLayout(seite);
    using K = cb::Kasten;
    l->addWidget(Kasten(int(K::UserBild), QStringLiteral("Beim Start Benutzer Bildschirm Anwenden")));
    l->addWidget(Kasten(int(K::Vorschau), QStringLiteral("Vorschau Html ")));
    l->addWidget(Kasten(int(K::Modulnamen), QStringLiteral("Modulnamen bei Projektexport")));
    l->addWidget(Kasten(int(K::Meldung), QStringLiteral("Meldung nach Clip"),
                        QStringLiteral("Meldung nach Transport in die Zwischenablage ausgeben")));
    l->addWidget(Kasten(int(K::Aufgeklappt), QStringLiteral("Modulliste aufgeklappt"),
                        QStringLiteral("Zeigt alle Einträge im linken Fenster")));
    l->addStretch();
    return seite;
}

QWidget* OptionenFenster::DateienSeite() {
    auto* seite = new QWidget;
    seite->setObjectName("fraOptionen_2");
    auto* l = new QVBoxLayout(seite);

    // Kept as it was: no database of that kind is read in this edition.
    auto* info = new QGroupBox(QStringLiteral("Infodatenbank"));
    auto* il = new QHBoxLayout(info);
    auto* txtInfo = new QLineEdit;
    txtInfo->setObjectName("txtInfo");
    txtInfo->setEnabled(false);
    auto* cmdVB = new QPushButton(QStringLiteral("Ändern ..."));
    cmdVB->setObjectName("cmdVBÄndern");
    cmdVB->setEnabled(false);
    il->addWidget(txtInfo, 1);
    il->addWidget(cmdVB);
    l->addWidget(info);

    auto* standard = new QGroupBox(QStringLiteral("Standard Verzeichnis"));
    auto* sl = new QGridLayout(standard);
    m_txtSpeichern = new QLineEdit;
    m_txtSpeichern->setObjectName("txtSpeichern");
    connect(m_txtSpeichern, &QLineEdit::textEdited, this,
            [this](const QString& t) { Eingabe([&] { m_d.OrdnerTextSetzen(t.toStdString()); }); });
    auto* aendern = new QPushButton(QStringLiteral("Ändern ..."));
    aendern->setObjectName("cmdSpeichernÄndern");
    connect(aendern, &QPushButton::clicked, this, [this] { Eingabe([&] { m_d.OrdnerAendern(); }); });
    auto* neu = new QPushButton(QStringLiteral("Neu..."));
    neu->setObjectName("cmdNeu");
    neu->setToolTip(QStringLiteral("Neuen Ordner anlegen"));
    connect(neu, &QPushButton::clicked, this, [this] { Eingabe([&] { m_d.OrdnerNeu(); }); });
    sl->addWidget(m_txtSpeichern, 0, 0, 1, 3);
    sl->addWidget(aendern, 1, 1);
    sl->addWidget(neu, 1, 2);
    sl->addWidget(Kasten(int(cb::Kasten::StandardImmer), QStringLiteral("Immer benutzen")), 1, 0);
    l->addWidget(standard);
    l->addStretch();
    return seite;
}

QWidget* OptionenFenster::CodeSeite() {
    auto* seite = new QWidget;
    seite->setObjectName("fraOptionen_3");
    auto* l = new QVBoxLayout(seite);
    using K = cb::Kasten;
    l->addWidget(Kasten(int(K::RoutLeer), QStringLiteral("Leerzeile vor Routinen einfügen")));
    l->addWidget(Kasten(int(K::RouEinruecken), QStringLiteral("Zwischen Routinen Einrücken")));
    l->addWidget(Kasten(int(K::Einrueck), QStringLiteral("Einrücken")));
    l->addWidget(Kasten(int(K::Leer), QStringLiteral("Leerzeilen entfernen")));
    l->addStretch();
    return seite;
}

QWidget* OptionenFenster::FormateSeite() {
    auto* seite = new QWidget;
    seite->setObjectName("fraOptionen_4");
    auto* l = new QGridLayout(seite);
    m_cboTabStop = Liste("cboTabStop", &OptionenDialog::TabWaehlen);
    l->addWidget(new QLabel(QStringLiteral("Tabstops in mm")), 0, 0);
    l->addWidget(m_cboTabStop, 0, 1);
    l->addWidget(Kasten(int(cb::Kasten::Routinen), QStringLiteral("Routinen Fett"),
                        QStringLiteral("Die erste Zeile einer Routine kursiv ")),
                 0, 2);

    static constexpr std::array<const char*, 3> Namen = {"fraKomFarbe", "fraKeyfarbe", "fraStringFarbe"};
    static constexpr std::array<const char*, 3> Titel = {"Kommentarfarbe", "Schlüsselwortfarbe",
                                                         "Stringfarbe"};
    for (int r = 0; r < 3; ++r) {
        auto* rahmen = new QGroupBox(QString::fromUtf8(Titel[static_cast<std::size_t>(r)]));
        rahmen->setObjectName(Namen[static_cast<std::size_t>(r)]);
        auto* fl = new QGridLayout(rahmen);
        fl->setSpacing(2);
        for (int i = 0; i < 16; ++i) {
            const int index = r * 16 + i;
            auto* feld = new QToolButton;
            feld->setObjectName(QStringLiteral("lblFarbe_%1").arg(index));
            feld->setFixedSize(TwipsPixel(240, this), TwipsPixel(240, this));
            feld->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid gray;")
                                    .arg(Farbe(FeldFarbe(index)).name()));
            connect(feld, &QToolButton::clicked, this,
                    [this, index] { Eingabe([&] { m_d.FeldKlick(index); }); });
            fl->addWidget(feld, 0, i);
        }
        m_rahmen[static_cast<std::size_t>(r)] = rahmen;
        l->addWidget(rahmen, 1 + r, 0, 1, 3);
    }

    m_cboSchriftArt = Liste("cboSchriftArt", &OptionenDialog::SchriftWaehlen);
    m_cboSchriftGr = Liste("cboSchriftGr", &OptionenDialog::GroesseWaehlen);
    m_lblSchrift = new QLabel(QStringLiteral("Standardschrift Normal"));
    m_lblSchrift->setObjectName("lblSchrift");
    l->addWidget(m_cboSchriftArt, 4, 0);
    l->addWidget(m_cboSchriftGr, 4, 1);
    l->addWidget(m_lblSchrift, 4, 2);
    return seite;
}

void OptionenFenster::Erneuern() {
    m_erneuert = true;
    const int seite = static_cast<int>(m_d.Seite());
    m_tbOptionen->setCurrentIndex(seite);
    m_seiten->setCurrentIndex(seite);
    for (int k = 0; k < KastenAnzahl; ++k) {
        QCheckBox* kasten = m_kaesten[static_cast<std::size_t>(k)];
        kasten->setChecked(m_d.Haken(static_cast<cb::Kasten>(k)));
        kasten->setEnabled(m_d.Frei(static_cast<cb::Kasten>(k)));
    }
    if (m_txtSpeichern->text() != Q(m_d.OrdnerText()))
        m_txtSpeichern->setText(Q(m_d.OrdnerText()));
    // The frame's caption shows the colour chosen
    for (int r = 0; r < 3; ++r)
        m_rahmen[static_cast<std::size_t>(r)]->setStyleSheet(
            QStringLiteral("QGroupBox::title { color: %1; }")
                .arg(Farbe(m_d.Farbe(static_cast<FarbRahmen>(r))).name()));
    ListeZeigen(m_cboTabStop, m_d.TabListe(), m_d.TabText());
    ListeZeigen(m_cboSchriftArt, m_d.Schriften(), m_d.SchriftText());
    ListeZeigen(m_cboSchriftGr, m_d.Groessen(), m_d.GroesseText());
    QFont vorschau(Q(m_d.VorschauName()));
    vorschau.setPointSize(std::clamp(m_d.VorschauGroesse(), 1, MaxPunkte));
    m_lblSchrift->setFont(vorschau);
    m_erneuert = false;
}

} // namespace cb
