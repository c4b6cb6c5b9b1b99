// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Names in the project database compare as Jet compares text: letter case
// does not count, umlauts included; accented letters are different letters
// but sort beside their base letter (Ä with A, ß as ss), as a German user
// expects of the project tree.
#include <string_view>

namespace cb {

/// The name of the collation registered on every project database connection.
inline constexpr const char* JetKollation = "JET";

/// Negative, zero or positive as a sorts before, equal to or after b.
int JetVergleich(std::string_view a, std::string_view b);

} // namespace cb
