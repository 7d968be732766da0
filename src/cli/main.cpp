// SPDX-License-Identifier: MIT
#include <iostream>

#include "cli/cli_context.h"

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const ravello::cli::Arguments arguments(argv + 1, argv + argc);
    return ravello::cli::runCli(arguments, std::cin, std::cout, std::cerr);
}
