// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "cli/film_credits.h"
#include "core/output/cast_information.h"

namespace ravello::cli {

int runCastXml(CliContext& context, const Arguments& arguments)
{
    bool birthYears = false;
    const auto filmId =
        filmIdentifierAndOptions(context, "cast-xml", arguments, [&](const std::string& option) {
            if (option != "--birth-years")
                return false;
            birthYears = true;
            return true;
        });
    if (!filmId)
        return kUsageError;
    const auto film = openFilmCredits(context, *filmId);
    if (!film)
        return kFailure;
    const collection::PeopleTable people = collectionPeople(context);
    std::optional<std::vector<int>> years = std::vector<int>{};
    if (birthYears)
        years = birthYearsOfRows(context, output::PhotoList::Cast, film->lists.castPhoto, people);
    if (!years)
        return kFailure;
    // The document declares its own encoding, so its bytes are written as they are.
    context.out << output::buildCastInformationFromRows(film->title, film->lists.cast, *years,
                                                        &people);
    return context.finish();
}

} // namespace ravello::cli
