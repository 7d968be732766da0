// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "cli/crew_mapping_in_effect.h"
#include "core/files/path_text.h"
#include "core/output/crew_mapping_text.h"

namespace ravello::cli {

int runCrewMap(CliContext& context, const Arguments& arguments)
{
    const bool path = arguments.size() == 1 && arguments[0] == "--path";
    if (!arguments.empty() && !path)
        return context.usageError("crew-map takes only --path");
    const output::CrewMapping mapping = crewMappingInEffect(context);
    // The rules are UTF-8 text already, as the file holds them.
    if (path)
        context.out << files::utf8FromPath(context.folders.crewMappingFile()) << '\n';
    else
        context.out << output::writeCrewMappingRules(mapping);
    return context.finish();
}

} // namespace ravello::cli
