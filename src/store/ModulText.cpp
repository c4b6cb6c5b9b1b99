// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ModulText.h"

#include "app/Dateien.h"

namespace cb {

std::string ModulTextPfad(const std::string& projektPfad, std::int64_t modulNummer) {
    return projektPfad + "M" + std::to_string(modulNummer) + ".txt";
}

void ModulTextSchreiben(const std::string& projektPfad, std::int64_t modulNummer, const std::string& text) {
    DateiSchreiben(ModulTextPfad(projektPfad, modulNummer), text + "\r\n");
}

std::string ModulTextLesen(const std::string& projektPfad, std::int64_t modulNummer) {
    return DateiLesen(ModulTextPfad(projektPfad, modulNummer));
}

} // namespace cb
