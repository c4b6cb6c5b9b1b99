// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtEinstellungen.h"
#include "QtText.h"

#include <QSettings>

#include <memory>

namespace cb {

namespace {

std::unique_ptr<QSettings> Oeffnen(const std::string& app) {
    QString name = QString::fromStdString(app);
    QString org = name.section('\\', 0, 0);
    QString anwendung = name.section('\\', 1);
    if (anwendung.isEmpty())
        anwendung = org;
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, org, anwendung);
}

} // namespace

std::string QtEinstellungen::Lesen(const std::string& app, const std::string& abschnitt,
                                   const std::string& schluessel) const {
    auto s = Oeffnen(app);
    return s->value(Q(abschnitt) + '/' + Q(schluessel)).toString().toStdString();
}

void QtEinstellungen::Schreiben(const std::string& app, const std::string& abschnitt,
                                const std::string& schluessel, const std::string& wert) {
    auto s = Oeffnen(app);
    s->setValue(Q(abschnitt) + '/' + Q(schluessel), Q(wert));
}

EinstellungsPaare QtEinstellungen::Alle(const std::string& app, const std::string& abschnitt) const {
    auto s = Oeffnen(app);
    EinstellungsPaare paare;
    s->beginGroup(Q(abschnitt));
    for (const QString& k : s->childKeys())
        paare.emplace_back(k.toStdString(), s->value(k).toString().toStdString());
    s->endGroup();
    return paare;
}

void QtEinstellungen::AbschnittLoeschen(const std::string& app, const std::string& abschnitt) {
    auto s = Oeffnen(app);
    s->remove(Q(abschnitt));
}

} // namespace cb
