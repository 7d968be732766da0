// SPDX-License-Identifier: MIT
#include "core/output/season_cast_information.h"

#include <unordered_set>

#include "core/output/cast_information.h"
#include "core/output/document_lines.h"
#include "core/output/xml_value.h"

namespace ravello::output {

std::string seasonPartsTitle(std::span<const SeasonPart> parts)
{
    const tmdb::ShowSeason& first = parts.front().content;
    const int lastSeason = parts.back().content.season.number;
    if (lastSeason == first.season.number)
        return tmdb::seasonTitle(first);
    return first.show.name + ": Seasons " + std::to_string(first.season.number) + "-" +
           std::to_string(lastSeason);
}

std::vector<const tmdb::CastMember*> seasonCastPeople(std::span<const SeasonPart> parts)
{
    std::vector<const tmdb::CastMember*> people;
    std::unordered_set<std::int32_t> seen;
    for (const SeasonPart& part : parts) {
        for (const tmdb::Episode* episode : part.content.episodesIn(part.range)) {
            for (const tmdb::CastMember* member : tmdb::episodeCast(part.content, *episode)) {
                if (seen.insert(member->personId).second)
                    people.push_back(member);
            }
        }
    }
    return people;
}

std::vector<const tmdb::CastMember*> seasonCastPeople(const tmdb::ShowSeason& content,
                                                      tmdb::EpisodeRange range)
{
    const SeasonPart part{content, range};
    return seasonCastPeople({&part, 1});
}

std::string buildSeasonCastInformation(std::span<const SeasonPart> parts,
                                       const PersonYears& birthYears,
                                       const collection::PeopleTable* people)
{
    DocumentLines document("CastInformation");
    document.add("  <Title>" + xmlValue(seasonPartsTitle(parts)) + "</Title>");
    document.add("  <Actors>");
    for (const SeasonPart& part : parts) {
        for (const tmdb::Episode* episode : part.content.episodesIn(part.range)) {
            document.add(dividerLine(tmdb::episodeCaption(part.content.season.number, *episode)));
            for (const tmdb::CastMember* member : tmdb::episodeCast(part.content, *episode)) {
                const auto year = birthYears.find(member->personId);
                document.add(actorLine({member->name, member->character},
                                       year == birthYears.end() ? 0 : year->second, people));
            }
        }
    }
    document.add("  </Actors>");
    return document.finish();
}

std::string buildSeasonCastInformation(const tmdb::ShowSeason& content, tmdb::EpisodeRange range,
                                       const PersonYears& birthYears,
                                       const collection::PeopleTable* people)
{
    const SeasonPart part{content, range};
    return buildSeasonCastInformation({&part, 1}, birthYears, people);
}

} // namespace ravello::output
