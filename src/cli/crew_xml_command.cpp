// SPDX-License-Identifier: MIT
#include <string_view>

#include "cli/commands.h"
#include "cli/crew_mapping_in_effect.h"
#include "cli/film_credits.h"
#include "core/output/crew_information.h"

namespace ravello::cli {
namespace {

struct CrewXmlOptions
{
    output::CrewGroups groups;
    bool birthYears = false;
    bool report = false;
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

} // namespace

int runCrewXml(CliContext& context, const Arguments& arguments)
{
    CrewXmlOptions options;
    const auto filmId = filmIdentifierAndOptions(
        context, "crew-xml", arguments,
        [&options](const std::string& option) { return readOption(option, options); });
    if (!filmId)
        return kUsageError;
    const auto film = openFilmCredits(context, *filmId);
    if (!film)
        return kFailure;
    const collection::PeopleTable people = collectionPeople(context);
    std::optional<std::vector<int>> years = std::vector<int>{};
    if (options.birthYears)
        years = birthYearsOfRows(context, output::PhotoList::Crew, film->lists.crewPhoto, people);
    if (!years)
        return kFailure;
    const output::CrewDocument document = output::buildCrewInformationFromRows(
        film->title, film->lists.crew, crewMappingInEffect(context), options.groups, *years,
        &people);
    if (options.report)
        writeReport(context, document);
    // The document declares its own encoding, so its bytes are written as they are.
    context.out << document.text;
    return context.finish();
}

} // namespace ravello::cli
