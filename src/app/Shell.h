// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop's own programs: a file or an address opened with whatever
// the user has chosen for it.
#include <string>

namespace cb {

class Shell {
public:
    virtual ~Shell() = default;
    /// Opens a local file or an address; false when no program could be started.
    virtual bool Oeffnen(const std::string& dateiOderAdresse) = 0;
};

} // namespace cb
