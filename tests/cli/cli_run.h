// SPDX-License-Identifier: MIT
#pragma once

#include <sstream>
#include <string>

#include "cli/cli_context.h"

namespace ravello::cli {

// What one in-process run of the tool gave.
struct CliRun
{
    int status;
    std::string out;
    std::string err;
};

inline CliRun runCapturing(const Arguments& arguments, const std::string& input = "")
{
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCli(arguments, in, out, err);
    return {status, out.str(), err.str()};
}

} // namespace ravello::cli
