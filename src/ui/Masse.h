// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lengths of the window are given in twips (1/1440 inch); on screen they
// become pixels at the screen's resolution.
#include <QWidget>

#include <cmath>

namespace cb {

/// The largest font size the window draws: a stored size beyond it is
/// taken as this on screen (exports keep the stored one).
inline constexpr int MaxPunkte = 200;

inline double TwipsNachPixel(double twips, const QWidget* w) {
    return twips * w->logicalDpiX() / 1440.0;
}

inline int TwipsPixel(double twips, const QWidget* w) {
    return static_cast<int>(std::lround(TwipsNachPixel(twips, w)));
}

/// Pixels back to twips, for a place the window manager gave the window.
inline long PixelTwips(int pixel, const QWidget* w) {
    return std::lround(pixel * 1440.0 / w->logicalDpiX());
}

} // namespace cb
