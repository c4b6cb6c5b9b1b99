// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Raised by the stream parsers for bytes that break their format; the file
// reader turns it into a WorkbookError that names the file.
#include "app/Fehler.h"

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

} // namespace cb::workbook
