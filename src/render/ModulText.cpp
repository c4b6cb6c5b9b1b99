// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/ModulText.h"

#include "app/Dateien.h"
#include "app/Zustand.h"

namespace cb {

std::string ModulTextPfad(const Zustand& z, std::int64_t modulNummer) {
    return z.ProjektPfad + "M" + std::to_string(modulNummer) + ".txt";
}

void ModulTextSchreiben(const Zustand& z, const std::string& text) {
    DateiSchreiben(ModulTextPfad(z, z.ModulNummer), text + "\r\n");
}

std::string ModulTextLesen(const Zustand& z, std::int64_t modulNummer) {
    return DateiLesen(ModulTextPfad(z, modulNummer));
}

} // namespace cb
