// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/workbook/TextDekodierung.h"

#include "app/Text.h"
#include "import/workbook/FormatError.h"

#include <stdexcept>

namespace cb::workbook {

std::string NachUtf8(std::string_view bytes, int codepage) {
    try {
        return CodepageNachUtf8(bytes, codepage);
    } catch (const std::runtime_error&) {
        throw FormatError("code page " + std::to_string(codepage) + " is not supported");
    }
}

} // namespace cb::workbook
