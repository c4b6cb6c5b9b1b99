// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The core's UTF-8 text as Qt's text, in one place for every part of the window.
#include <QString>

#include <string_view>

namespace cb {

inline QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace cb
