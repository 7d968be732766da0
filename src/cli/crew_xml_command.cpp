// SPDX-License-Identifier: MIT
#include <string_view>

#include "cli/commands.h"
#include "cli/film_credits.h"
#include "core/output/crew_information.h"

namespace ravello::cli {
namespace {

struct GroupOption
{
    std::string_view name;
    bool output::CrewGroups::*group;
};

constexpr GroupOption kGroupOptions[] = {
    {"--no-photography", &output::CrewGroups::photography},
    {"--no-sound", &output::CrewGroups::sound},
    {"--no-art", &output::CrewGroups::art},
    {"--no-other", &output::CrewGroups::other},
};

// Sets `groups` from the options; false on an option it does not know.
bool readGroupOption(const std::string& argument, output::CrewGroups& groups)
{
    for (const GroupOption& option : kGroupOptions) {
        if (argument == option.name) {
            groups.*option.group = false;
            return true;
        }
    }
    return false;
}

} // namespace

int runCrewXml(CliContext& context, const Arguments& arguments)
{
    output::CrewGroups groups;
    std::optional<std::int32_t> filmId;
    for (const std::string& argument : arguments) {
        if (argument.starts_with("--")) {
            if (!readGroupOption(argument, groups))
                return context.usageError("unknown option " + argument);
        } else if (filmId) {
            return context.usageError("crew-xml takes one film identifier");
        } else if (!(filmId = parseIdentifier(argument))) {
            return context.usageError("not a film identifier: " + argument);
        }
    }
    if (!filmId)
        return context.usageError("crew-xml needs a film identifier");
    const auto film = openFilmCredits(context, *filmId);
    if (!film)
        return kFailure;
    // The document declares its own encoding, so its bytes are written as they are.
    context.out << output::buildCrewInformationFromRows(film->title, film->lists.crew, groups);
    return context.finish();
}

} // namespace ravello::cli
