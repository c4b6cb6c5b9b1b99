// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A shell for tests: keeps what it was asked to open and answers as set.
#include "app/Shell.h"

#include <map>
#include <string>
#include <vector>

namespace cb::test {

class AufzeichnendeShell final : public Shell {
public:
    bool Oeffnen(const std::string& dateiOderAdresse) override {
        geoeffnet.push_back(dateiOderAdresse);
        return gelingt;
    }
    std::string ProgrammFinden(const std::string& name) override {
        gesucht.push_back(name);
        auto it = programme.find(name);
        return it == programme.end() ? std::string() : it->second;
    }
    bool ProgrammStarten(const std::string& pfad) override {
        gestartet.push_back(pfad);
        return startGelingt;
    }
    std::vector<std::string> geoeffnet, gesucht, gestartet;
    /// The programs on the search path: name to full path.
    std::map<std::string, std::string> programme;
    bool gelingt = true, startGelingt = true;
};

} // namespace cb::test
