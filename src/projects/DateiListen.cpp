// SPDX-License-Identifier: GPL-3.0-or-later
#include "projects/DateiListen.h"

#include "app/Allgemein.h"
#include "app/Ersetzen.h"
#include "app/Text.h"

#include <filesystem>
#include <system_error>

namespace cb {

namespace fs = std::filesystem;

namespace {

bool PasstZu(const std::string& dateiName, const std::string& endung) {
    if (endung == "*")
        return true;
    std::string ende = "." + endung;
    return dateiName.size() > ende.size() &&
           TextGleich(std::string_view(dateiName).substr(dateiName.size() - ende.size()), ende);
}

bool IstOrdner(const fs::directory_entry& e) {
    std::error_code ec;
    return fs::is_directory(e.symlink_status(ec));
}

void Sammeln(const std::string& ordner, const std::string& endung, DateiBaumListe& liste) {
    liste.Ordner.push_back(ordner);
    std::vector<std::string> unterOrdner;
    std::error_code ec;
    for (fs::directory_iterator it(ordner, ec), ende; !ec && it != ende; it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (IstOrdner(*it))
            unterOrdner.push_back(MitTrenner(it->path().string()));
        else if (PasstZu(name, endung))
            liste.Dateien.push_back(it->path().string());
    }
    for (const std::string& u : unterOrdner)
        Sammeln(u, endung, liste);
}

} // namespace

void DateinameBereinigen(std::string& name) {
    for (const char* zeichen : {"/", "\\", ":", "*", "?", "<", ">", "|", "\""})
        AllesErsetzen(name, zeichen, "");
}

bool DateienAuflisten(const std::string& ordner, const std::string& endung, std::vector<std::string>& liste) {
    std::vector<std::string> gefunden;
    std::error_code ec;
    for (fs::directory_iterator it(MitTrenner(ordner), ec), ende; !ec && it != ende; it.increment(ec))
        if (!IstOrdner(*it) && PasstZu(it->path().filename().string(), endung))
            gefunden.push_back(it->path().string());
    if (gefunden.empty())
        return false;
    liste = std::move(gefunden);
    return true;
}

DateiBaumListe DateienBaum(const std::string& ordner, const std::string& endung) {
    DateiBaumListe liste;
    // The folder itself as well: a listing through a link would name the
    // files elsewhere with this folder's path, and a clean-up that trusts
    // the path would delete them.
    if (IstVerweis(ordner))
        return liste;
    Sammeln(MitTrenner(ordner), endung, liste);
    return liste;
}

bool IstVerweis(const std::string& ordner) {
    // A final separator would make the system look through the link.
    std::error_code ec;
    return fs::is_symlink(fs::symlink_status(OhneTrenner(ordner), ec));
}

} // namespace cb
