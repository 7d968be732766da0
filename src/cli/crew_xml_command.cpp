// SPDX-License-Identifier: MIT
#include <string_view>

#include "cli/commands.h"
#include "cli/crew_mapping_in_effect.h"
#include "cli/film_credits.h"
#include "cli/season_credits.h"
#include "core/output/credit_documents.h"

namespace ravello::cli {
namespace {

struct CrewXmlOptions
{
    output::CrewGroups groups;
    bool birthYears = false;
    bool report = false;
    bool fullCrew = false; // a season's only
};

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

struct FeatureOption
{
    std::string_view name;
    bool CrewXmlOptions::*feature;
};

constexpr FeatureOption kFeatureOptions[] = {
    {"--birth-years", &CrewXmlOptions::birthYears},
    {"--report", &CrewXmlOptions::report},
    {"--full-crew", &CrewXmlOptions::fullCrew},
};

// Sets `options` from the option: a group option unchecks its group, a feature option turns
// the feature on. False on an option it does not know.
bool readOption(const std::string& argument, CrewXmlOptions& options)
{
    for (const GroupOption& option : kGroupOptions) {
        if (argument == option.name) {
            options.groups.*option.group = false;
            return true;
        }
    }
    for (const FeatureOption& option : kFeatureOptions) {
        if (argument == option.name) {
            options.*option.feature = true;
            return true;
        }
    }
    return false;
}

// What went into the document and what did not, for the user to add by hand or to the mapping.
void writeReport(const CliContext& context, const output::CrewDocument& document)
{
    context.err << "crew: " << document.included << " credits in the document, " << document.leftOut
                << " left out\n";
    for (const output::CreditPair& pair : document.leftOutPairs)
        context.err << "left out: " << pair.department << " / " << pair.job << '\n';
}

int writeCrew(CliContext& context, const output::CreditDocuments& documents,
              const CrewXmlOptions& options)
{
    const auto years =
        documentYears(context, documents, output::DocumentKind::Crew, options.birthYears);
    if (!years)
        return kFailure;
    const output::CrewDocument document = documents.crew(*years);
    if (options.report)
        writeReport(context, document);
    // The document declares its own encoding, so its bytes are written as they are.
    context.out << document.text;
    return context.finish();
}

// The range's document (a season's, or one across seasons): its episodes' dividers, each
// followed by the episode's crew.
int runSeasonCrewXml(CliContext& context, const Arguments& arguments)
{
    CrewXmlOptions options;
    const auto season = seasonArgumentsAndOptions(
        context, "crew-xml --tv", arguments, true,
        [&options](const std::string& option) { return readOption(option, options); });
    if (!season)
        return kUsageError;
    const auto opened = openEpisodeRange(context, *season);
    if (!opened)
        return kFailure;
    const output::CrewMapping mapping = crewMappingInEffect(context);
    const collection::PeopleTable people = collectionPeople(context);
    const output::CreditDocuments documents(opened->subject(),
                                            {mapping, options.groups, options.fullCrew, &people});
    return writeCrew(context, documents, options);
}

} // namespace

int runCrewXml(CliContext& context, const Arguments& arguments)
{
    if (asksForSeason(arguments))
        return runSeasonCrewXml(context, arguments);
    CrewXmlOptions options;
    const auto filmId = filmIdentifierAndOptions(
        context, "crew-xml", arguments, [&options](const std::string& option) {
            return option != "--full-crew" && readOption(option, options);
        });
    if (!filmId)
        return kUsageError;
    const auto film = openFilmCredits(context, *filmId);
    if (!film)
        return kFailure;
    const output::CrewMapping mapping = crewMappingInEffect(context);
    const collection::PeopleTable people = collectionPeople(context);
    const output::CreditDocuments documents(
        {film->title, film->lists.castMembers, film->lists.crewMembers},
        {mapping, options.groups, false, &people});
    return writeCrew(context, documents, options);
}

} // namespace ravello::cli
