// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's place on the screen as the user stores it ("max", or
// Left;Top;Width;Height in twips), and the start argument that asks for
// the mini window instead of the main window.
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace cb {

/// Where the main window stands: maximised, or normal at a place and size
/// in twips (the place of its frame, the size of its inside).
struct FensterLage {
    bool Maximiert = true;
    long Links = 0, Oben = 0, Breite = 0, Hoehe = 0;
    bool operator==(const FensterLage&) const = default;
};

/// The question before the layout is stored.
inline constexpr std::string_view LayoutFrageText = "Aktuelle Anzeigegrösse als Standard festlegen ?";
/// The warning for a stored layout that cannot be applied.
inline constexpr std::string_view LayoutFehlerText = "Falsche Bildschirmdaten";

/// The stored form: "max", or the four numbers joined by ";".
std::string LayoutText(const FensterLage& lage);
/// The layout a stored value describes; nullopt for a damaged value (not
/// four numbers, or a size the window cannot take).
std::optional<FensterLage> LayoutLesen(std::string_view wert);

/// "/a" in any case: the argument that starts the program with the mini window.
bool IstMiniArgument(std::string_view argument);
/// True when an argument of the command line is that one.
bool MiniStartVerlangt(std::span<const std::string> argumente);

} // namespace cb
