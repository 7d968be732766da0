// SPDX-License-Identifier: MIT
#include <iostream>

#include "cli/cli_context.h"
#include "core/platform/program_entry.h"

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    ravello::platform::useBinaryStandardStreams();
    const ravello::cli::Arguments arguments = ravello::platform::utf8Arguments(argc, argv);
    return ravello::cli::runCli(arguments, std::cin, std::cout, std::cerr);
}
