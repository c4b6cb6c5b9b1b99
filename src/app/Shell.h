// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop's own programs: a file or an address opened with whatever
// the user has chosen for it, and other programs found and started.
#include <string>

namespace cb {

class Shell {
public:
    virtual ~Shell() = default;
    /// Opens a local file or an address; false when no program could be started.
    virtual bool Oeffnen(const std::string& dateiOderAdresse) = 0;
    /// The full path of the program of that name on the search path; "" when none.
    virtual std::string ProgrammFinden(const std::string& name) = 0;
    /// Starts the program, not waiting for it; false when it could not start.
    virtual bool ProgrammStarten(const std::string& pfad) = 0;
};

} // namespace cb
