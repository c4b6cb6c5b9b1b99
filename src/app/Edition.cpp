// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Edition.h"

namespace cb {

Edition EditionNach(int nummer) {
    switch (nummer) {
    case 1:
        return {"Excel", "EZV"};
    case 2:
        return {"Word", "WZV"};
    case 3:
        return {"Access", "AZV"};
    case 4:
        return {"PowerPoint", "PPZV"};
    case 9:
        return {"VisualBasic", "VB"};
    default:
        return {};
    }
}

} // namespace cb
