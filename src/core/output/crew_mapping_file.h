// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>

#include "core/output/crew_credit_mapping.h"
#include "core/output/crew_mapping_text.h"

// The crew mapping file (CrewMapping.txt in the program database folder), which the user may
// edit with a text editor.
namespace ravello::output {

struct LoadedCrewMapping
{
    CrewMapping mapping; // the rules in effect
    // Why the file's rules are not in effect: the built-in ones are.
    std::optional<CrewMappingError> error;
};

// The rules of the mapping file. A missing file is first written with the built-in rules,
// atomically. A file that does not read is left as it is; the built-in rules are then in
// effect and the error says why, with the line at fault when there is one.
LoadedCrewMapping loadCrewMapping(const std::filesystem::path& file);

} // namespace ravello::output
