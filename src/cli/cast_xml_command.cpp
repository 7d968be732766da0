// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "cli/film_credits.h"
#include "cli/season_credits.h"
#include "core/output/credit_documents.h"

namespace ravello::cli {
namespace {

// A cast document does not read the crew mapping: the built-in one stands in.
output::DocumentChoices castChoices(const collection::PeopleTable& people)
{
    return {output::CrewMapping::builtIn(), {}, false, &people};
}

int writeCast(CliContext& context, const output::CreditDocuments& documents, bool birthYears)
{
    const auto years = documentYears(context, documents, output::DocumentKind::Cast, birthYears);
    if (!years)
        return kFailure;
    // The document declares its own encoding, so its bytes are written as they are.
    context.out << documents.cast(*years);
    return context.finish();
}

// The range's document (a season's, or one across seasons): its episodes' dividers, each
// followed by the episode's cast.
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
    const auto opened = openEpisodeRange(context, *season);
    if (!opened)
        return kFailure;
    const collection::PeopleTable people = collectionPeople(context);
    const output::CreditDocuments documents(opened->subject(), castChoices(people));
    return writeCast(context, documents, birthYears);
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
    const output::CreditDocuments documents(
        {film->title, film->lists.castMembers, film->lists.crewMembers}, castChoices(people));
    return writeCast(context, documents, birthYears);
}

} // namespace ravello::cli
