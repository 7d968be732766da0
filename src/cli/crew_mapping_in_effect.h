// SPDX-License-Identifier: MIT
#pragma once

#include "cli/cli_context.h"
#include "core/output/crew_credit_mapping.h"

namespace ravello::cli {

// The rules of the mapping file in the program database folder, written first when missing.
// When the file does not read, the error stream says why, with the line at fault, and the
// built-in rules are in effect.
output::CrewMapping crewMappingInEffect(const CliContext& context);

} // namespace ravello::cli
