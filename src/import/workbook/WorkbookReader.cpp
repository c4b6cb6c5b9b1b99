// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/workbook/WorkbookReader.h"

#include "import/workbook/ContainerReader.h"
#include "import/workbook/FormatError.h"
#include "import/workbook/VbaProjectReader.h"
#include "import/workbook/WorkbookError.h"

#include <fstream>
#include <system_error>

namespace cb::workbook {

VbaProjekt WorkbookAusBytes(std::string_view bytes, const std::string& datei) {
    VbaSpeicher speicher = VbaSpeicherLesen(bytes, datei);
    try {
        return ProjektAusSpeicher(speicher);
    } catch (const ProjektGroessenFehler& e) {
        throw WorkbookError(datei, ProjektUmfang{e.Groesse(), e.Mindestens()});
    } catch (const GroessenFehler& e) {
        throw WorkbookError(WorkbookFehler::ZuGross, datei, e.what());
    } catch (const FormatError& e) {
        throw WorkbookError(WorkbookFehler::Beschaedigt, datei, e.what());
    }
}

VbaProjekt WorkbookLesen(const std::filesystem::path& datei) {
    const std::string name = datei.string();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(datei, ec))
        throw WorkbookError(WorkbookFehler::NichtGefunden, name);
    const auto groesse = std::filesystem::file_size(datei, ec);
    if (ec)
        throw WorkbookError(WorkbookFehler::NichtGefunden, name);
    if (groesse > MaxTeilGroesse)
        throw WorkbookError(WorkbookFehler::ZuGross, name, "file of " + std::to_string(groesse) + " bytes");
    std::ifstream in(datei, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(groesse), '\0');
    if (!in || !in.read(bytes.data(), static_cast<std::streamsize>(bytes.size())))
        throw WorkbookError(WorkbookFehler::NichtGefunden, name);
    return WorkbookAusBytes(bytes, name);
}

} // namespace cb::workbook
