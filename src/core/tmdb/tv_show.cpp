// SPDX-License-Identifier: MIT
#include "core/tmdb/tv_show.h"

#include <algorithm>

#include "core/tmdb/json_document.h"

namespace ravello::tmdb {
namespace {

std::string textOf(const json::Document& entry, const char* key)
{
    return json::textOf(entry, key).value_or("");
}

// A creator is credited as a writer whose job is Creator, so that the crew mapping places it.
CrewMember creatorOf(const json::Document& entry)
{
    return {json::integerOf(entry, "id"), textOf(entry, "name"), "Writing", "Creator",
            json::textOf(entry, "profile_path", "null").value_or("null")};
}

SeasonEntry seasonEntryOf(const json::Document& entry)
{
    return {json::integerOf(entry, "season_number"), json::integerOf(entry, "episode_count"),
            textOf(entry, "name"), textOf(entry, "poster_path")};
}

} // namespace

const SeasonEntry* TvShow::seasonEntry(int number) const
{
    const auto found =
        std::find_if(seasons.begin(), seasons.end(),
                     [number](const SeasonEntry& entry) { return entry.number == number; });
    return found == seasons.end() ? nullptr : &*found;
}

std::optional<TvShow> readTvShow(std::string_view document)
{
    const auto parsed = json::parse(document);
    if (!parsed || !json::isShowDocument(*parsed))
        return std::nullopt;
    const json::Document& details = *parsed;
    TvShow show{json::integerOf(details, "id"),
                textOf(details, "name"),
                textOf(details, "original_name"),
                textOf(details, "first_air_date"),
                textOf(details, "overview"),
                textOf(details, "poster_path"),
                json::objectsOf(details, "created_by", creatorOf),
                json::objectsOf(details, "seasons", seasonEntryOf)};
    std::stable_sort(
        show.seasons.begin(), show.seasons.end(),
        [](const SeasonEntry& a, const SeasonEntry& b) { return a.number < b.number; });
    return show;
}

} // namespace ravello::tmdb
