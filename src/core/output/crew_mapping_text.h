// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/output/crew_credit_mapping.h"
#include "core/output/crew_mapping_error.h"

// The crew mapping as text: the form of the mapping file the user may edit, and of the rules
// the command line prints. The file explains the format at its top.
namespace ravello::output {

// The rules read from a text, or why there are none.
struct CrewMappingReading
{
    std::optional<CrewMapping> mapping;
    CrewMappingError error; // when there is no mapping
};

// The rules, block after block, in the form readCrewMapping reads: UTF-8, lines ending in LF.
// A principal rule is written without a custom subtype, a custom rule without a job.
std::string writeCrewMappingRules(const CrewMapping& mapping);

// The mapping file: the explanation of the format as comment lines, then the rules.
std::string writeCrewMappingFile(const CrewMapping& mapping);

// Reads rules as writeCrewMappingFile writes them, with any comments, blank lines and
// indentation, and with LF or CR LF line ends. The first line that does not read, or a text
// without any block, gives no mapping but the fault.
CrewMappingReading readCrewMapping(std::string_view text);

} // namespace ravello::output
