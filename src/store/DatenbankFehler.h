// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one error type of the project database. The engine's result code is
// kept so that callers and tests can tell a damaged file from a bad query.
#include "app/Fehler.h"

#include <exception>
#include <optional>
#include <string>

namespace cb {

class DatenbankFehler : public Fehler {
public:
    DatenbankFehler(const std::string& text, int code = 0) : Fehler(text), m_code(code) {}
    /// The engine's extended result code; 0 for errors found by our own checks.
    int Code() const noexcept { return m_code; }

private:
    int m_code;
};

/// When a read failed because the file system refused a write (a full
/// disk, a missing right) rather than because of the code: the whole message
/// that says so, naming what could not be written; nullopt for any other failure.
std::optional<std::string> SchreibUrsache(const std::exception& e, const std::string& projektPfad);

} // namespace cb
