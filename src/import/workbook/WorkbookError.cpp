// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/workbook/WorkbookError.h"

namespace cb::workbook {

namespace {

std::string Meldung(WorkbookFehler art, const std::string& datei, const std::string& detail) {
    std::string text = "\"" + datei + "\": ";
    switch (art) {
    case WorkbookFehler::NichtGefunden:
        text += "Die Datei wurde nicht gefunden oder kann nicht gelesen werden.";
        break;
    case WorkbookFehler::KeinContainer:
        text += "Die Datei ist keine Office-Datei (weder Zip-Paket noch OLE-Datei).";
        break;
    case WorkbookFehler::KeinVbaProjekt:
        text += "Die Datei enthält kein VBA-Projekt.";
        break;
    case WorkbookFehler::Verschluesselt:
        text += "Die Datei ist verschlüsselt; ihr VBA-Projekt kann nicht gelesen werden.";
        break;
    case WorkbookFehler::ZuGross:
        text += "Die Datei enthält einen unplausibel großen Teil und wird nicht gelesen.";
        break;
    case WorkbookFehler::Beschaedigt:
        text += "Das VBA-Projekt der Datei ist beschädigt.";
        break;
    case WorkbookFehler::ContainerBeschaedigt:
        text += "Die Datei ist beschädigt oder unvollständig.";
        break;
    case WorkbookFehler::VerzeichnisZuGross:
        text += "Das Inhaltsverzeichnis der Datei ist unplausibel groß oder zu tief verschachtelt "
                "und wird nicht gelesen.";
        break;
    }
    if (!detail.empty())
        text += " (" + detail + ")";
    return text;
}

} // namespace

WorkbookError::WorkbookError(WorkbookFehler art, std::string datei, const std::string& detail)
    : cb::Fehler(Meldung(art, datei, detail)), m_art(art), m_datei(std::move(datei)), m_detail(detail) {}

} // namespace cb::workbook
