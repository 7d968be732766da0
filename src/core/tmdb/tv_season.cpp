// SPDX-License-Identifier: MIT
#include "core/tmdb/tv_season.h"

#include <algorithm>

#include "core/tmdb/credit_member_json.h"

namespace ravello::tmdb {
namespace {

std::string textOf(const json::Document& entry, const char* key)
{
    return json::textOf(entry, key).value_or("");
}

Episode episodeOf(const json::Document& entry)
{
    return {json::integerOf(entry, "episode_number"), textOf(entry, "name"),
            json::objectsOf(entry, "crew", crewMemberOf),
            json::objectsOf(entry, "guest_stars", castMemberOf)};
}

} // namespace

std::optional<TvSeason> readTvSeason(std::string_view document)
{
    const auto parsed = json::parse(document);
    if (!parsed || !json::isSeasonDocument(*parsed))
        return std::nullopt;
    TvSeason season;
    season.number = json::integerOf(*parsed, "season_number");
    season.overview = textOf(*parsed, "overview");
    season.posterPath = textOf(*parsed, "poster_path");
    season.episodes = json::objectsOf(*parsed, "episodes", episodeOf);
    std::stable_sort(season.episodes.begin(), season.episodes.end(),
                     [](const Episode& a, const Episode& b) { return a.number < b.number; });
    // The credits arrive only when they were appended to the request.
    if (const auto credits = parsed->find("credits"); credits != parsed->end()) {
        season.regulars = json::objectsOf(*credits, "cast", castMemberOf);
        season.crew = json::objectsOf(*credits, "crew", crewMemberOf);
    }
    return season;
}

} // namespace ravello::tmdb
