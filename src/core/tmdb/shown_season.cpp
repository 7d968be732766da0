// SPDX-License-Identifier: MIT
#include "core/tmdb/shown_season.h"

#include "core/tmdb/season_lists.h"

namespace ravello::tmdb {

bool ShownSeason::take(const SeasonOpening& opening, std::optional<EpisodeRange> wanted)
{
    if (!opening.content)
        return false;
    content = *opening.content;
    if (!wanted || !showRange(*wanted)) {
        range = content.wholeSeason().value_or(EpisodeRange{});
        credits = seasonCreditLists(content, range);
    }
    return true;
}

bool ShownSeason::showRange(EpisodeRange wanted)
{
    if (content.episodesIn(wanted).empty())
        return false;
    range = wanted;
    credits = seasonCreditLists(content, range);
    return true;
}

} // namespace ravello::tmdb
