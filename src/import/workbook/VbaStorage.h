// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The streams of one VBA project storage, read out of their container.
#include <map>
#include <string>

namespace cb::workbook {

struct VbaSpeicher {
    std::string project; // the PROJECT stream
    /// Streams of the VBA storage by name folded to lower case, since OLE
    /// compares names without regard to case.
    std::map<std::string, std::string> vba;
};

} // namespace cb::workbook
