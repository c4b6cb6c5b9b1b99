// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ProjektZugang.h"

#include "cli/Argumente.h"

#include "app/Allgemein.h"
#include "app/Meldungen.h"
#include "app/Text.h"
#include "store/DatenbankDatei.h"
#include "store/DatenbankFehler.h"
#include "store/OffenesProjekt.h"
#include "store/ProjektBaum.h"

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <system_error>

namespace cb::cli {

std::optional<std::string> Benannt(const Aufruf& aufruf, std::string_view name) {
    std::optional<std::string> wert;
    for (const auto& [n, w] : aufruf.benannte)
        if (n == name)
            wert = w;
    return wert;
}

bool NurBenannte(const Aufruf& aufruf, std::initializer_list<std::string_view> erlaubt) {
    return std::all_of(aufruf.benannte.begin(), aufruf.benannte.end(), [&](const auto& b) {
        return std::find(erlaubt.begin(), erlaubt.end(), b.first) != erlaubt.end();
    });
}

std::string ProjektOrdner(const std::string& ordner) {
    std::error_code ec;
    std::filesystem::path absolut = std::filesystem::absolute(ordner, ec);
    return MitTrenner(ec ? ordner : absolut.lexically_normal().string());
}

std::string NichtIntaktMeldung(const std::string& projektPfad) {
    return "Projekt in " + projektPfad + "\r\nist nicht mehr intakt";
}

std::optional<std::vector<BaumKnoten>> ProjektOeffnen(OffenesProjekt& projekt, Meldungen& meldungen,
                                                      const std::string& ordner) {
    std::error_code ec;
    projekt.PfadSetzen(ProjektOrdner(ordner));
    try {
        // Opening would report a missing file as a database error; it is
        // the same broken project to the user.
        if (!std::filesystem::is_regular_file(projekt.DatenbankPfad(), ec))
            throw DatenbankFehler("missing");
        projekt.DatenbankOeffnen(DatenbankZugriff::NurLesen);
        return projekt.ModullisteLaden();
    } catch (const DatenbankFehler&) {
        meldungen.Melden(NichtIntaktMeldung(projekt.ProjektPfad()), MeldungsSymbol::Warnung);
        return std::nullopt;
    }
}

std::int64_t ModulNachName(const std::vector<BaumKnoten>& module, std::string_view name) {
    for (const BaumKnoten& k : module)
        if (TextGleich(k.Text, name))
            return ModulNummerAusSchluessel(k.Schluessel);
    return 0;
}

std::optional<ProjektMitModul> ProjektMitModulOeffnen(OffenesProjekt& projekt, Meldungen& meldungen,
                                                      const std::string& ordner, const std::string& modul,
                                                      std::ostream& fehler) {
    auto module = ProjektOeffnen(projekt, meldungen, ordner);
    if (!module)
        return std::nullopt;
    const std::int64_t nummer = ModulNachName(*module, modul);
    if (nummer == 0) {
        projekt.DatenbankSchliessen();
        fehler << KeinModulText(modul) << '\n';
        return std::nullopt;
    }
    return ProjektMitModul{std::move(*module), nummer};
}

std::string KeinModulText(const std::string& name) {
    return "codebrindle-cli: das Projekt hat kein Modul namens '" + name + "'";
}

std::optional<std::string> ModulArgument(const Aufruf& aufruf) {
    auto modul = Benannt(aufruf, "module");
    if (aufruf.positionen.size() != 2 || aufruf.positionen[1].empty() || !NurBenannte(aufruf, {"module"}))
        return std::nullopt;
    return modul;
}

} // namespace cb::cli
