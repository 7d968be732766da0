// SPDX-License-Identifier: MIT
#include "core/output/season_crew_information.h"

#include <algorithm>
#include <string>
#include <unordered_set>

#include "core/output/document_lines.h"
#include "core/output/xml_value.h"

namespace ravello::output {
namespace {

struct PlannedCredit
{
    const tmdb::CrewMember* member;
    CrewCredit credit;
};

struct PlannedEpisode
{
    std::string caption;
    std::vector<PlannedCredit> credits;
};

// The credits of every episode of the range that get a line, and the count of those that do
// not: what both the people and the document are made from.
struct CrewPlan
{
    std::vector<PlannedEpisode> episodes;
    CrewDocument counts;
};

tmdb::CrewRow rowOf(const tmdb::CrewMember& member)
{
    return {member.name, member.department, member.job};
}

PlannedEpisode planEpisode(const tmdb::ShowSeason& content, const tmdb::Episode& episode,
                           const CrewMapping& mapping, const SeasonCrewOptions& options,
                           CrewDocument& counts)
{
    PlannedEpisode planned{tmdb::episodeCaption(content.season.number, episode), {}};
    // The line without its birth year tells a repeat: the same name with the same credit.
    std::unordered_set<std::string> written;
    for (const tmdb::CrewMember* member : tmdb::episodeCrew(content, episode)) {
        const tmdb::CrewRow row = rowOf(*member);
        CrewCredit credit = mapping.map(row.department, row.job, options.groups);
        if (!hasLine(credit) || (!options.fullCrew && !keptForSeries(credit))) {
            countLeftOut(row, counts);
            continue;
        }
        if (!written.insert(creditLine(row, credit, 0)).second)
            continue;
        ++counts.included;
        planned.credits.push_back({member, std::move(credit)});
    }
    return planned;
}

CrewPlan planCrew(std::span<const SeasonPart> parts, const CrewMapping& mapping,
                  const SeasonCrewOptions& options)
{
    CrewPlan plan;
    for (const SeasonPart& part : parts) {
        for (const tmdb::Episode* episode : part.content.episodesIn(part.range))
            plan.episodes.push_back(
                planEpisode(part.content, *episode, mapping, options, plan.counts));
    }
    return plan;
}

} // namespace

bool keptForSeries(const CrewCredit& credit)
{
    if (credit.creditType == "Direction" || credit.creditType == "Writing")
        return true;
    return credit.creditType == "Music" && credit.disposition == CreditDisposition::Principal &&
           credit.job == "Composer";
}

std::vector<const tmdb::CrewMember*> seasonCrewPeople(std::span<const SeasonPart> parts,
                                                      const CrewMapping& mapping,
                                                      const SeasonCrewOptions& options)
{
    std::vector<const tmdb::CrewMember*> people;
    std::unordered_set<std::int32_t> seen;
    for (const PlannedEpisode& episode : planCrew(parts, mapping, options).episodes) {
        for (const PlannedCredit& planned : episode.credits) {
            if (seen.insert(planned.member->personId).second)
                people.push_back(planned.member);
        }
    }
    return people;
}

std::vector<const tmdb::CrewMember*> seasonCrewPeople(const tmdb::ShowSeason& content,
                                                      tmdb::EpisodeRange range,
                                                      const CrewMapping& mapping,
                                                      const SeasonCrewOptions& options)
{
    const SeasonPart part{content, range};
    return seasonCrewPeople({&part, 1}, mapping, options);
}

CrewDocument buildSeasonCrewInformation(std::span<const SeasonPart> parts,
                                        const CrewMapping& mapping,
                                        const SeasonCrewOptions& options,
                                        const PersonYears& birthYears,
                                        const collection::PeopleTable* people)
{
    CrewPlan plan = planCrew(parts, mapping, options);
    DocumentLines document("CrewInformation");
    document.add("  <Title>" + xmlValue(seasonPartsTitle(parts)) + "</Title>");
    document.add("  <Credits>");
    for (const PlannedEpisode& episode : plan.episodes) {
        document.add(dividerLine(episode.caption));
        for (const PlannedCredit& planned : episode.credits) {
            const auto year = birthYears.find(planned.member->personId);
            document.add(creditLine(rowOf(*planned.member), planned.credit,
                                    year == birthYears.end() ? 0 : year->second, people));
        }
    }
    document.add("  </Credits>");
    plan.counts.text = document.finish();
    return std::move(plan.counts);
}

CrewDocument buildSeasonCrewInformation(const tmdb::ShowSeason& content, tmdb::EpisodeRange range,
                                        const CrewMapping& mapping,
                                        const SeasonCrewOptions& options,
                                        const PersonYears& birthYears,
                                        const collection::PeopleTable* people)
{
    const SeasonPart part{content, range};
    return buildSeasonCrewInformation({&part, 1}, mapping, options, birthYears, people);
}

} // namespace ravello::output
