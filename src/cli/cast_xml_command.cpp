// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "cli/film_credits.h"
#include "cli/season_credits.h"
#include "core/output/cast_information.h"
#include "core/output/season_cast_information.h"

namespace ravello::cli {
namespace {

// The season's document: its episodes' dividers, each followed by the episode's cast.
int runSeasonCastXml(CliContext& context, const Arguments& arguments)
{
    bool birthYears = false;
    const auto season = seasonArgumentsAndOptions(
        context, "cast-xml --tv", arguments, true, [&](const std::string& option) {
            birthYears = birthYears || option == "--birth-years";
            return option == "--birth-years";
        });
    if (!season)
        return kUsageError;
    const auto content = openSeasonCredits(context, *season);
    if (!content)
        return kFailure;
    const auto range = episodeRangeOf(context, *content, *season);
    if (!range)
        return kFailure;
    std::optional<output::PersonYears> years = output::PersonYears{};
    if (birthYears)
        years = personYears(context, output::seasonCastPeople(*content, *range));
    if (!years)
        return kFailure;
    const collection::PeopleTable people = collectionPeople(context);
    context.out << output::buildSeasonCastInformation(*content, *range, *years, &people);
    return context.finish();
}

} // namespace

int runCastXml(CliContext& context, const Arguments& arguments)
{
    if (asksForSeason(arguments))
        return runSeasonCastXml(context, arguments);
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
