// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a routine pass makes of one marked logical line. The module parser
// and the transient decoration decide through the same walk, so the stored
// text and a transient colouring of the same code never differ.
#include "app/Marken.h"
#include "render/Schluesselwoerter.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace cb {

/// The words the routine passes look for, each as its marked keyword; the
/// library name of a Declare as the marker before "Lib".
struct MarkierteWoerter {
    std::string sub = MarkiertesWort("Sub");
    std::string function = MarkiertesWort("Function");
    std::string property = MarkiertesWort("Property");
    std::string endWort = MarkiertesWort("End");
    std::string exitWort = MarkiertesWort("Exit");
    std::string privateWort = MarkiertesWort("Private");
    std::string friendWort = MarkiertesWort("Friend");
    std::string declare = MarkiertesWort("Declare");
    std::string get = MarkiertesWort("Get");
    std::string set = MarkiertesWort("Set");
    std::string let = MarkiertesWort("Let");
    std::string lib = std::string(MarkeSchluessel) + "Lib";
};
const MarkierteWoerter& Woerter();

enum class RoutinenZeilenArt {
    Keine,     // not a routine line of this pass
    Kopf,      // opens a routine; a declaration, which has no body, too
    Ende,      // closes the open routine
    Einzeiler, // a header whose statements end with its own End: opens and closes there
    OhneArt,   // Property without Get, Let or Set (broken code): no routine
};

/// One pass's walk over the lines for the marked keyword K (Sub, Function
/// or Property); it remembers whether a routine is open.
class RoutinenFolge {
public:
    explicit RoutinenFolge(std::string_view K);
    RoutinenZeilenArt Entscheiden(std::string_view zeile);
    bool Innen() const { return m_innen; }
    bool IstProperty() const { return m_property; }

private:
    std::string m_K;
    bool m_property;
    bool m_innen = false;
};

/// Where the End statement of the marked keyword K stands when the code of
/// the marked line ends with one (a trailing comment aside): Anfang is the
/// start of its End; Doppelpunkt the colon before it when other statements
/// come first, npos when it stands alone.
struct EndeAnweisung {
    std::size_t Anfang = 0;
    std::size_t Doppelpunkt = std::string_view::npos;
};
std::optional<EndeAnweisung> EndeAmSchluss(std::string_view zeile, std::string_view K);

/// The statements of a routine line that are neither its header nor its
/// End (Sub A(): Foo: End Sub, Sub A(): Foo, Foo: End Sub), as a range of
/// the marked line; Von == Bis when it has none.
struct RoutinenZeilenRumpf {
    std::size_t Von = 0;
    std::size_t Bis = 0;
};
RoutinenZeilenRumpf RumpfDerRoutinenZeile(std::string_view zeile);

} // namespace cb
