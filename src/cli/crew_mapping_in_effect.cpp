// SPDX-License-Identifier: MIT
#include "cli/crew_mapping_in_effect.h"

#include <iostream>

#include "core/files/path_text.h"
#include "core/output/crew_mapping_file.h"

namespace ravello::cli {

output::CrewMapping crewMappingInEffect(const CliContext& context)
{
    const auto file = context.folders.crewMappingFile();
    output::LoadedCrewMapping loaded = output::loadCrewMapping(file);
    if (const auto& error = loaded.error) {
        context.err << "ravello-cli: warning: " << files::utf8FromPath(file);
        if (error->line > 0)
            context.err << " line " << error->line;
        context.err << ": " << error->message << "; the built-in crew mapping is used\n";
    }
    return std::move(loaded.mapping);
}

} // namespace ravello::cli
