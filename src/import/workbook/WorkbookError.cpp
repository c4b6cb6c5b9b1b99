// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/workbook/WorkbookError.h"

#include "import/workbook/VbaProjectReader.h"

namespace cb::workbook {

namespace {

// Grouped in threes with dots, as German writes large numbers.
std::string MitPunkten(std::uint64_t zahl) {
    const std::string ziffern = std::to_string(zahl);
    std::string text;
    for (std::size_t i = 0; i < ziffern.size(); ++i) {
        if (i > 0 && (ziffern.size() - i) % 3 == 0)
            text += '.';
        text += ziffern[i];
    }
    return text;
}

std::string ProjektZuGrossText(const ProjektUmfang& umfang) {
    return "Das VBA-Projekt der Datei ist zu groß: entpackt umfasst es " +
           std::string(umfang.mindestens ? "mindestens " : "") + MitPunkten(umfang.bytes) +
           " Bytes, gelesen werden höchstens " + MitPunkten(MaxProjektText) + " Bytes (" +
           std::to_string(MaxProjektText >> 20) + " MiB).";
}

std::string Meldung(WorkbookFehler art, const std::string& datei, const std::string& detail,
                    const ProjektUmfang& umfang) {
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
    case WorkbookFehler::ProjektZuGross:
        text += ProjektZuGrossText(umfang);
        break;
    case WorkbookFehler::PowerPointAlt:
        text += "Die Datei ist eine PowerPoint-Präsentation im Format 97–2003; Dateien dieser Art werden "
                "nicht gelesen.";
        break;
    }
    if (!detail.empty())
        text += " (" + detail + ")";
    return text;
}

} // namespace

WorkbookError::WorkbookError(WorkbookFehler art, std::string datei, const std::string& detail)
    : cb::Fehler(Meldung(art, datei, detail, {})), m_art(art), m_datei(std::move(datei)), m_detail(detail) {}

WorkbookError::WorkbookError(std::string datei, ProjektUmfang umfang)
    : cb::Fehler(Meldung(WorkbookFehler::ProjektZuGross, datei, {}, umfang)),
      m_art(WorkbookFehler::ProjektZuGross), m_datei(std::move(datei)), m_umfang(umfang) {}

} // namespace cb::workbook
