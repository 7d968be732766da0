// SPDX-License-Identifier: MIT
#pragma once

#include "cli/cli_context.h"

// One function per command, each in a file of its own.
namespace ravello::cli {

// Standard input through the text normaliser to standard output, bytes in, bytes out.
int runNormalise(CliContext& context, const Arguments& arguments);

} // namespace ravello::cli
