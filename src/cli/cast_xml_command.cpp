// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "cli/film_credits.h"
#include "core/output/cast_information.h"

namespace ravello::cli {

int runCastXml(CliContext& context, const Arguments& arguments)
{
    bool birthYears = false;
    std::optional<std::int32_t> filmId;
    for (const std::string& argument : arguments) {
        if (argument == "--birth-years")
            birthYears = true;
        else if (argument.starts_with("--"))
            return context.usageError("unknown option " + argument);
        else if (filmId)
            return context.usageError("cast-xml takes one film identifier");
        else if (!(filmId = parseIdentifier(argument)))
            return context.usageError("not a film identifier: " + argument);
    }
    if (!filmId)
        return context.usageError("cast-xml needs a film identifier");
    const auto film = openFilmCredits(context, *filmId);
    if (!film)
        return kFailure;
    const std::vector<int> years =
        birthYears ? birthYearsOfRows(context, output::PhotoList::Cast, film->lists.castPhoto)
                   : std::vector<int>{};
    // The document declares its own encoding, so its bytes are written as they are.
    context.out << output::buildCastInformationFromRows(film->title, film->lists.cast, years);
    return context.out.good() ? kSuccess : context.fail("could not write the output");
}

} // namespace ravello::cli
