// SPDX-License-Identifier: MIT
#include "core/tmdb/grouped_season_opening.h"

#include <algorithm>
#include <map>

#include "core/tmdb/grouped_season.h"

namespace ravello::tmdb {
namespace {

const GroupSeason* seasonNumbered(const std::vector<GroupSeason>& seasons, int number)
{
    const auto found = std::find_if(seasons.begin(), seasons.end(),
                                    [number](const GroupSeason& s) { return s.number == number; });
    if (found != seasons.end())
        return &*found;
    return seasons.empty() ? nullptr : &seasons.front();
}

} // namespace

SeasonOpening openGroupedSeason(SeasonCache& seasons, EpisodeGroupCache& groups,
                                std::int32_t showId, std::string_view groupId, int number,
                                std::optional<std::string_view> showPosterUrl)
{
    SeasonOpening opening;
    opening.showId = showId;
    opening.seasonNumber = number;
    auto group = groups.group(showId, groupId);
    if (group.failure)
        opening.failures.push_back({SeasonStep::Show, std::move(*group.failure)});
    if (!group.value || opening.wasCancelled())
        return opening;
    const std::vector<GroupSeason> grouped = groupSeasons(*group.value);
    const GroupSeason* season = seasonNumbered(grouped, number);
    if (!season)
        return opening;
    opening.seasonNumber = season->number;
    std::optional<TvShow> show;
    std::map<int, TvSeason> sources;
    for (const int source : sourceSeasons(*season)) {
        const bool first = !show;
        SeasonOpening part = first && showPosterUrl ? seasons.open(showId, source, *showPosterUrl)
                                                    : seasons.openCredits(showId, source);
        if (first)
            opening.coverFile = part.coverFile;
        std::move(part.failures.begin(), part.failures.end(), std::back_inserter(opening.failures));
        if (!part.content || opening.wasCancelled())
            return opening;
        if (first)
            show = std::move(part.content->show);
        sources.emplace(source, std::move(part.content->season));
    }
    opening.content =
        ShowSeason{groupedShow(std::move(*show), *group.value), groupedSeason(*season, sources)};
    return opening;
}

} // namespace ravello::tmdb
