// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Start.h"

#include "BuildInfo.h"
#include "app/Allgemein.h"
#include "app/Edition.h"
#include "app/Zustand.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace cb {

std::string TitelFuer(const std::string& appName, int major, int minor) {
    return appName + " Code Brindle " + std::to_string(major) + "." + std::to_string(minor);
}

void StandardWerteSetzen(Zustand& z) {
    Edition e = EditionNach(build::Edition);
    z.AppName = e.AppName;
    z.EditionsCode = e.EditionsCode;
    z.EinstellungsName = "QX_Brindle\\Co_Brindle_" + z.AppName;
    z.ProgrammTitel = TitelFuer(z.AppName, build::VersionMajor, build::VersionMinor);
    z.Opt = Optionen{};
}

void Starten(Zustand& z, const EinstellungsSpeicher& s, const std::string& programmOrdner,
             const std::string& cacheOrdner) {
    StandardWerteSetzen(z);
    z.ProgrammOrdner = MitTrenner(programmOrdner);
    z.Arbeitsbereich = MitTrenner(cacheOrdner) + "TempDateien" + Trenner;
    std::error_code ec;
    std::filesystem::create_directories(z.Arbeitsbereich, ec); // failure shows later, where needed

    // The user's home folder stands where a Windows system would offer "C:\".
    const char* home = std::getenv("HOME");
    z.ProjektOrdner = MitTrenner(home && *home ? home : "/");
    std::string gespeichert = EinstellungLesen(z.EinstellungsName, s, "proj", "proj_pf");
    if (gespeichert.size() > 1)
        z.ProjektOrdner = gespeichert;
}

std::string ProgrammOrdnerErmitteln() {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && fs::exists(exe.parent_path() / "mask_CodeBrindle.mdb", ec))
        return MitTrenner(exe.parent_path().string());
    return MitTrenner(build::DataDirInstall);
}

std::string CacheOrdnerErmitteln() {
    const char* xdg = std::getenv("XDG_CACHE_HOME");
    std::string basis;
    if (xdg && *xdg == '/')
        basis = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        basis = std::string(home) + "/.cache";
    else
        basis = std::filesystem::temp_directory_path().string();
    return MitTrenner(MitTrenner(basis) + "codebrindle");
}

std::string ArbeitsbereichVon(const Zustand& z) {
    if (z.TempPfad.empty())
        return z.Arbeitsbereich;
    return MitTrenner(std::filesystem::path(OhneTrenner(z.TempPfad)).parent_path().string());
}

std::string VorschauOrdner(const Zustand& z) {
    return z.TempPfad.empty() ? CacheOrdnerErmitteln() + "TempDateien/" : ArbeitsbereichVon(z);
}

} // namespace cb
