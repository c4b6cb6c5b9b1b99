// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Raised by the stream parsers for bytes that break their format; the file
// reader turns it into a WorkbookError that names the file.
#include "app/Fehler.h"

#include <cstdint>
#include <string>

namespace cb::workbook {

class FormatError : public cb::Fehler {
public:
    explicit FormatError(const std::string& what) : cb::Fehler(what) {}
};

/// Data that would grow beyond a size limit, as bombs do.
class GroessenFehler : public FormatError {
public:
    explicit GroessenFehler(const std::string& what) : FormatError(what) {}
};

/// A project whose decompressed streams together pass MaxProjektText: its
/// size counts them all, so that the message can say by how much. When the
/// dir stream alone passes the limit, the modules are not known and the
/// size is the dir stream's, a lower bound.
class ProjektGroessenFehler : public GroessenFehler {
public:
    ProjektGroessenFehler(std::uint64_t groesse, bool mindestens)
        : GroessenFehler("the project decompresses to " + std::string(mindestens ? "at least " : "") +
                         std::to_string(groesse) + " bytes"),
          m_groesse(groesse), m_mindestens(mindestens) {}
    std::uint64_t Groesse() const { return m_groesse; }
    bool Mindestens() const { return m_mindestens; }

private:
    std::uint64_t m_groesse;
    bool m_mindestens;
};

} // namespace cb::workbook
