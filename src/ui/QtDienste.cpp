// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtDienste.h"
#include "QtText.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QInputDialog>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace cb {

namespace {

// Every dialog gives the keys back to the window when it closes.
// The window a dialog comes up over, and that gets the keys back after it.
struct FensterZurueck {
    QWidget* besitzer;
    explicit FensterZurueck(QWidget* haupt) : besitzer(DialogBesitzer(haupt)) {}
    ~FensterZurueck() { FensterAktivieren(besitzer); }
};

// The shown text of a filter line without its pattern in brackets: the
// dialog writes the patterns it matches itself.
QString Bezeichnung(const FilterZeile& z) {
    const QString text = Q(z.Text);
    const qsizetype klammer = text.lastIndexOf('(');
    return (klammer > 0 ? text.left(klammer) : text).trimmed();
}

} // namespace

QWidget* DialogBesitzer(QWidget* haupt) {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (!haupt || haupt->isVisible())
        return haupt;
    if (QWidget* aktiv = QApplication::activeWindow())
        return aktiv;
    // The mini window does not take the focus, so it is seldom the active one
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !(w->windowFlags() & (Qt::Popup | Qt::ToolTip)))
            return w;
    return haupt;
}

void FensterAktivieren(QWidget* besitzer) {
    if (besitzer)
        besitzer->window()->activateWindow();
}

QStringList NamensFilter(const std::vector<FilterZeile>& filter) {
    QStringList zeilen;
    for (const FilterZeile& z : filter) {
        QStringList muster;
        for (const std::string& e : z.Endungen) {
            const QString endung = Q(e);
            for (const QString& form : {endung.toLower(), endung.toUpper()})
                if (!muster.contains("*." + form))
                    muster << "*." + form;
        }
        if (muster.isEmpty())
            muster << "*";
        QString name = Bezeichnung(z);
        zeilen << (name.isEmpty() ? QString() : name + ' ') + '(' + muster.join(' ') + ')';
    }
    return zeilen;
}

std::string QtDialoge::OrdnerWaehlen(const std::string& titel, const std::string& startOrdner) {
    FensterZurueck zurueck{m_besitzer};
    QString ordner = QFileDialog::getExistingDirectory(zurueck.besitzer, Q(titel), Q(startOrdner));
    while (ordner.size() > 1 && ordner.endsWith('/'))
        ordner.chop(1);
    return ordner.toStdString();
}

std::string QtDialoge::DateiSpeichern(const SpeichernDialogAnfrage& anfrage) {
    FensterZurueck zurueck{m_besitzer};
    QFileDialog dialog(zurueck.besitzer, Q(anfrage.Titel), Q(anfrage.StartOrdner));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filter = NamensFilter(anfrage.Filter);
    dialog.setNameFilters(filter);
    if (anfrage.FilterIndex >= 1 && anfrage.FilterIndex <= filter.size())
        dialog.selectNameFilter(filter[anfrage.FilterIndex - 1]);
    dialog.setDefaultSuffix(Q(anfrage.StandardEndung));
    if (!anfrage.UeberschreibenFragen)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!anfrage.VorgeschlagenerName.empty())
        dialog.selectFile(Q(anfrage.VorgeschlagenerName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front().toStdString();
}

std::vector<std::string> QtDialoge::DateienOeffnen(const std::string& titel,
                                                   const std::vector<FilterZeile>& filter,
                                                   const std::string& startOrdner) {
    FensterZurueck zurueck{m_besitzer};
    const QStringList namen = NamensFilter(filter);
    const QStringList dateien = QFileDialog::getOpenFileNames(zurueck.besitzer, Q(titel), Q(startOrdner),
                                                              namen.join(QStringLiteral(";;")));
    std::vector<std::string> pfade;
    for (const QString& d : dateien)
        pfade.push_back(QFileInfo(d).absoluteFilePath().toStdString());
    return pfade;
}

std::vector<std::string> QtDialoge::Schriftarten() {
    std::vector<std::string> namen;
    for (const QString& familie : QFontDatabase::families())
        namen.push_back(familie.toStdString());
    return namen;
}

std::string QtDialoge::EingabeFeld(const std::string& aufforderung, const std::string& titel,
                                   const std::string& vorgabe) {
    FensterZurueck zurueck{m_besitzer};
    bool ok = false;
    const QString text = QInputDialog::getText(zurueck.besitzer, Q(titel), Q(aufforderung), QLineEdit::Normal,
                                               Q(vorgabe), &ok);
    return ok ? text.toStdString() : std::string();
}

void QtZwischenablage::Leeren() {
    QApplication::clipboard()->clear();
}

void QtZwischenablage::TextSetzen(const std::string& text) {
    QApplication::clipboard()->setText(Q(text));
}

void QtZwischenablage::RtfSetzen(const std::string& rtfBytes, const std::string& text) {
    auto* daten = new QMimeData;
    daten->setText(Q(text));
    const QByteArray rtf(rtfBytes.data(), static_cast<qsizetype>(rtfBytes.size()));
    daten->setData(QStringLiteral("text/rtf"), rtf);
    daten->setData(QStringLiteral("application/rtf"), rtf);
    QApplication::clipboard()->setMimeData(daten);
}

void QtZwischenablage::HtmlSetzen(const std::string& html) {
    auto* daten = new QMimeData;
    daten->setText(Q(html));
    daten->setHtml(Q(html));
    QApplication::clipboard()->setMimeData(daten);
}

std::string QtZwischenablage::TextLesen() const {
    return QApplication::clipboard()->text().toStdString();
}

bool QtShell::Oeffnen(const std::string& dateiOderAdresse) {
    const QString ziel = Q(dateiOderAdresse);
    const QUrl url = QFileInfo::exists(ziel) ? QUrl::fromLocalFile(QFileInfo(ziel).absoluteFilePath())
                                             : QUrl::fromUserInput(ziel);
    return QDesktopServices::openUrl(url);
}

std::string QtShell::ProgrammFinden(const std::string& name) {
    return QStandardPaths::findExecutable(Q(name)).toStdString();
}

bool QtShell::ProgrammStarten(const std::string& pfad) {
    return QProcess::startDetached(Q(pfad), {});
}

} // namespace cb
