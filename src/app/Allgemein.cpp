// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Allgemein.h"

#include "app/Text.h"

#include <filesystem>
#include <system_error>

namespace cb {

std::string RechterTeilInStr(const std::string& text, const std::string& zeichen) {
    std::size_t pos = TextSucheRueckwaerts(text, zeichen);
    if (pos == std::string::npos)
        return text;
    return text.substr(pos + zeichen.size());
}

std::string LinkerTeilInStr(const std::string& text, const std::string& suche) {
    std::size_t pos = TextSuche(text, suche);
    if (pos == std::string::npos)
        return text;
    return text.substr(0, pos);
}

std::string DateiName(const std::string& pfad) {
    return RechterTeilInStr(pfad, std::string(1, Trenner));
}

std::string EinstellungLesen(const std::string& einstellungsName, const EinstellungsSpeicher& s,
                             const std::string& abschnitt, const std::string& schluessel) {
    return s.Lesen(einstellungsName, abschnitt, schluessel);
}

void EinstellungSchreiben(const std::string& einstellungsName, EinstellungsSpeicher& s,
                          const std::string& abschnitt, const std::string& schluessel,
                          const std::string& wert) {
    s.Schreiben(einstellungsName, abschnitt, schluessel, wert);
}

EinstellungsPaare AlleEinstellungen(const std::string& einstellungsName, const EinstellungsSpeicher& s,
                                    const std::string& abschnitt) {
    return s.Alle(einstellungsName, abschnitt);
}

void AbschnittLoeschen(const std::string& einstellungsName, EinstellungsSpeicher& s,
                       const std::string& abschnitt) {
    try {
        s.AbschnittLoeschen(einstellungsName, abschnitt);
    } catch (...) {
    }
}

void OrdnerLeeren(const std::string& ordner) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::directory_iterator it(MitTrenner(ordner), ec), ende;
    for (; !ec && it != ende; it.increment(ec)) {
        std::error_code ec2;
        // symlink_status: a link is removed itself, never what it points to
        if (fs::is_regular_file(it->symlink_status(ec2)) || fs::is_symlink(it->symlink_status(ec2)))
            fs::remove(it->path(), ec2);
    }
}

std::string MitTrenner(std::string ordner) {
    if (ordner.empty() || ordner.back() != Trenner)
        ordner += Trenner;
    return ordner;
}

std::string OhneTrenner(std::string pfad) {
    while (pfad.size() > 1 && pfad.back() == Trenner)
        pfad.pop_back();
    return pfad;
}

} // namespace cb
