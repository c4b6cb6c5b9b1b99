// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the core throws for a failure it can name. A caller that only shows
// the failure catches this one type; one that can do something about a
// particular failure catches the derived type that says which.
#include <stdexcept>
#include <string>

namespace cb {

/// A failure the user is told of: what() is the whole message, ready to
/// show, so that no handler has to add to it or translate it.
class Fehler : public std::runtime_error {
public:
    explicit Fehler(const std::string& text) : std::runtime_error(text) {}
    explicit Fehler(const char* text) : std::runtime_error(text) {}
};

/// A write the file system refused for a reason of its own, not of the
/// code being read: the disk is full, or the user may not write there.
/// Its text says which, so that it is not shown among the causes of code
/// that cannot be read.
class SchreibFehler : public Fehler {
public:
    using Fehler::Fehler;
};

/// Throws SchreibFehler for a full disk or a missing right (errno given),
/// with its own message naming the file; returns for any other error.
void SchreibFehlerPruefen(const std::string& pfad, int fehlerNummer);

} // namespace cb
