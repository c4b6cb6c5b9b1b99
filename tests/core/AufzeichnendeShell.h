// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A shell for tests: keeps what it was asked to open and answers as set.
#include "app/Shell.h"

#include <string>
#include <vector>

namespace cb::test {

class AufzeichnendeShell final : public Shell {
public:
    bool Oeffnen(const std::string& dateiOderAdresse) override {
        geoeffnet.push_back(dateiOderAdresse);
        return gelingt;
    }
    std::vector<std::string> geoeffnet;
    bool gelingt = true;
};

} // namespace cb::test
