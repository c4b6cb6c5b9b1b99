// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The images of the trees (by image key: "M2", "Fahne", "R1O2", ...) and of
// the toolbar buttons (by button key), painted here so that the program
// needs no image files and looks the same on every desktop theme.
#include <QIcon>

#include <string_view>

namespace cb {

QIcon BaumBild(std::string_view bildSchluessel);
QIcon KnopfBild(std::string_view knopfSchluessel);
/// The window's own icon.
QIcon ProgrammBild();

} // namespace cb
