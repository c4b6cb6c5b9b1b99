// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands that build or query a project folder. Each returns 0 on
// success, 2 on wrong arguments, 1 when the core reported a message.
#include <iosfwd>

namespace cb {
struct Zustand;
}

namespace cb::cli {

struct Aufruf;

/// read --out DIR FILE...: a project folder from a .vbp or module files.
int Lesen(Zustand& z, const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler);
/// outline DIR: the structure listing of the project tree.
int Struktur(const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler);
/// callers DIR ROUTINE --module NAME: the callers in the listing's form.
int Aufrufe(const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler);
/// definition DIR NAME --module NAME: module name, tab, line.
int Definition(const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler);

} // namespace cb::cli
