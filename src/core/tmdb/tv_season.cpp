// SPDX-License-Identifier: MIT
#include "core/tmdb/tv_season.h"

#include <algorithm>

#include "core/tmdb/json_document.h"

namespace ravello::tmdb {
namespace {

std::string textOf(const json::Document& entry, const char* key)
{
    return json::textOf(entry, key).value_or("");
}

std::string photoOf(const json::Document& entry)
{
    return json::textOf(entry, "profile_path", "null").value_or("null");
}

// TMDb leaves "order" out of some guest entries; those go last.
std::optional<int> orderOf(const json::Document& entry)
{
    const auto order = entry.find("order");
    if (order == entry.end() || !order->is_number())
        return std::nullopt;
    return json::integerOf(entry, "order");
}

CastMember castMemberOf(const json::Document& entry)
{
    return {json::integerOf(entry, "id"), textOf(entry, "name"), textOf(entry, "character"),
            orderOf(entry), photoOf(entry)};
}

CrewMember crewMemberOf(const json::Document& entry)
{
    return {json::integerOf(entry, "id"), textOf(entry, "name"), textOf(entry, "department"),
            textOf(entry, "job"), photoOf(entry)};
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
