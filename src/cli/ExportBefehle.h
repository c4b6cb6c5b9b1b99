// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exports of a stored project folder. Each returns 0 on success, 2 on
// wrong arguments, 1 when the core reported a message.
#include <iosfwd>

namespace cb {
struct Zustand;
}

namespace cb::cli {

struct Aufruf;

/// html DIR [--module NAME] [--credit]: the HTML of a module or the project.
int HtmlExport(const Zustand& z, const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler);
/// rtf DIR [--module NAME] --out FILE: the RTF file of a module or the project.
int RtfExport(const Zustand& z, const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler);
/// text DIR --module NAME: the module's text as the code pane shows it.
int TextExport(const Zustand& z, const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler);

} // namespace cb::cli
