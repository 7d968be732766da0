// SPDX-License-Identifier: MIT
#include "core/tmdb/prefetch_profile.h"

#include <algorithm>

#include "core/text/windows1252.h"

namespace ravello::tmdb {

PrefetchProfile profileToPrepare(int number, std::string_view title, std::string_view originalTitle,
                                 int year)
{
    PrefetchProfile profile;
    profile.number = number;
    profile.searchText = text::windows1252ToUtf8(title);
    profile.wanted = {std::string(title), std::string(originalTitle), year};
    return profile;
}

PrefetchProfile seasonToPrepare(int number, std::string_view show, int season)
{
    PrefetchProfile profile = profileToPrepare(number, show, "", 0);
    profile.kind = MatchKind::Series;
    profile.season = season;
    return profile;
}

std::vector<int> seasonsToPrepare(const PrefetchProfile& profile)
{
    if (profile.kind != MatchKind::Series)
        return {};
    std::vector<int> seasons{profile.season};
    if (const std::optional<int> first = profile.episodesFirstSeason) {
        seasons.push_back(*first);
        if (profile.episodesLastSeason > *first)
            seasons.push_back(*first + 1);
    }
    std::sort(seasons.begin(), seasons.end());
    seasons.erase(std::unique(seasons.begin(), seasons.end()), seasons.end());
    return seasons;
}

} // namespace ravello::tmdb
