// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Copying the files of a project folder, and replacing a saved project
// without ever leaving it half overwritten.
#include "app/Fehler.h"

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace cb {

/// Copies every file directly in quelle (subfolders are not copied) into
/// ziel under its own name, each written out to the disk. Throws
/// std::runtime_error naming the file on the first failure.
void OrdnerKopieren(const std::string& quelle, const std::string& ziel);

/// The renames a replacement is made of: done on the disk by default; a
/// test lets one of them fail.
class Umbenenner {
public:
    virtual ~Umbenenner() = default;
    virtual std::error_code Umbenennen(const std::filesystem::path& von, const std::filesystem::path& nach);
    /// Swaps two folders in one step; function_not_supported or
    /// invalid_argument where the file system cannot.
    virtual std::error_code Tauschen(const std::filesystem::path& a, const std::filesystem::path& b);
};

/// A replacement that failed. Rest is empty when the old folder is as it
/// was; otherwise putting it back failed too, and Rest names the folders
/// that now hold the old project or parts of it.
class ErsetzenFehler : public Fehler {
public:
    ErsetzenFehler(const std::string& text, std::vector<std::string> rest = {})
        : Fehler(text), m_rest(std::move(rest)) {}
    const std::vector<std::string>& Rest() const { return m_rest; }

private:
    std::vector<std::string> m_rest;
};

/// Makes the files of ziel, an existing folder, those of quelle, all at
/// once: the new files are copied into a hidden folder beside ziel, what
/// is not a file (subfolders) moves over to them, and only then the
/// complete folder takes the old one's place; the old files go last. On
/// any failure ziel is put back as it was and ErsetzenFehler says what
/// failed. Where the folder cannot be swapped (its parent or a subfolder
/// may not be moved by this user), the complete new files are renamed
/// over the old ones inside it instead.
void OrdnerErsetzen(const std::string& quelle, const std::string& ziel);
void OrdnerErsetzen(const std::string& quelle, const std::string& ziel, Umbenenner& umbenenner);

} // namespace cb
