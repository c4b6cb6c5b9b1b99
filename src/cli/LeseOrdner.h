// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where read --out builds its project, and how the project takes the
// target's place: a read killed at any moment leaves the earlier project
// whole or the new one, and the user's own files in the folder stay.
#include <filesystem>
#include <optional>
#include <string>

namespace cb::cli {

/// Why the target folder is refused; nullopt when it is new, empty (but for
/// what killed reads left) or a project folder.
std::optional<std::string> ZielAbgelehnt(const std::filesystem::path& ziel);

class LeseOrdner {
public:
    /// ziel: the target folder, existing, absolute. Work folders that
    /// earlier reads into it left behind, killed, go first.
    explicit LeseOrdner(const std::filesystem::path& ziel);
    ~LeseOrdner();
    LeseOrdner(const LeseOrdner&) = delete;
    LeseOrdner& operator=(const LeseOrdner&) = delete;

    const std::filesystem::path& Pfad() const { return m_ordner; }

    /// The read project in the target's place; false for a failed read,
    /// which leaves the target as it was. Throws when the project could not
    /// be put in place, naming where its files are.
    bool Uebernehmen(bool gelungen);

private:
    bool Tauschen();
    void Einzeln();

    std::filesystem::path m_ziel;
    std::filesystem::path m_ordner;
    int m_sperre = -1;      // held while this read runs: no later read takes its folder for a leftover
    bool m_daneben = false; // beside the target, to be exchanged with it
    bool m_behalten = false;
};

} // namespace cb::cli
