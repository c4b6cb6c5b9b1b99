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

} // namespace cb
