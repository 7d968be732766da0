// SPDX-License-Identifier: MIT
#include "cli/cli_context.h"
#include "cli/commands.h"

namespace ravello::cli {

const std::vector<Command>& commands()
{
    static const std::vector<Command> all = {
        {"normalise", "", runNormalise},
    };
    return all;
}

} // namespace ravello::cli
