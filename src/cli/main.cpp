// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Befehle.h"

#include <iostream>

int main(int argc, char* argv[]) {
    std::vector<std::string> argumente(argv + 1, argv + argc);
    return cb::cli::Ausfuehren(argumente, std::cin, std::cout, std::cerr);
}
