// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/ModulKopf.h"

#include "app/Marken.h"

namespace cb {

std::string ModulTypText(const std::string& typCode) {
    if (typCode == "M1")
        return "Typ = Userform";
    if (typCode == "M2")
        return "Typ = Allgemeines Modul";
    if (typCode == "M3")
        return "Typ = Klassenmodul";
    if (typCode == "M5")
        return "Typ = Element der Mappe(Sheet, Workbook, ...)";
    return {};
}

std::string ModulKopfBlock(const std::string& modulName, const std::string& typCode) {
    const std::string sterne = "' " + std::string(62, '*');
    // Built in one piece rather than by replacing placeholders, so that a
    // module name holding such a placeholder stays as it is.
    std::string block =
        sterne + "\r\n'  Modul:  " + modulName + "  " + ModulTypText(typCode) + "\r\n" + sterne;
    return std::string(MarkeFettAn) + std::string(MarkeKommentar) + block + std::string(MarkeNormal) +
           std::string(MarkeFettAus);
}

} // namespace cb
