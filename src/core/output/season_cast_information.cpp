// SPDX-License-Identifier: MIT
#include "core/output/season_cast_information.h"

#include <unordered_set>

#include "core/output/cast_information.h"
#include "core/output/document_lines.h"
#include "core/output/xml_value.h"

namespace ravello::output {

std::vector<const tmdb::CastMember*> seasonCastPeople(const tmdb::ShowSeason& content,
                                                      tmdb::EpisodeRange range)
{
    std::vector<const tmdb::CastMember*> people;
    std::unordered_set<std::int32_t> seen;
    for (const tmdb::Episode* episode : content.episodesIn(range)) {
        for (const tmdb::CastMember* member : tmdb::episodeCast(content, *episode)) {
            if (seen.insert(member->personId).second)
                people.push_back(member);
        }
    }
    return people;
}

std::string buildSeasonCastInformation(const tmdb::ShowSeason& content, tmdb::EpisodeRange range,
                                       const PersonYears& birthYears,
                                       const collection::PeopleTable* people)
{
    DocumentLines document("CastInformation");
    document.add("  <Title>" + xmlValue(tmdb::seasonTitle(content)) + "</Title>");
    document.add("  <Actors>");
    for (const tmdb::Episode* episode : content.episodesIn(range)) {
        document.add(dividerLine(tmdb::episodeCaption(content.season.number, *episode)));
        for (const tmdb::CastMember* member : tmdb::episodeCast(content, *episode)) {
            const auto year = birthYears.find(member->personId);
            document.add(actorLine({member->name, member->character},
                                   year == birthYears.end() ? 0 : year->second, people));
        }
    }
    document.add("  </Actors>");
    return document.finish();
}

} // namespace ravello::output
