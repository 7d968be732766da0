// SPDX-License-Identifier: MIT
#include "core/tmdb/match_certainty.h"

#include <algorithm>

namespace ravello::tmdb {

bool isCertainMatch(const std::vector<FoundFilm>& ranked, const WantedFilm& wanted, MatchKind kind)
{
    if (ranked.empty() || !hasWantedTitle(ranked.front(), wanted))
        return false;
    if (kind == MatchKind::Film && wanted.year != 0)
        return ranked.front().year == wanted.year;
    // Without a year to tell them apart, two results of the wanted title are a choice.
    return std::none_of(ranked.begin() + 1, ranked.end(),
                        [&](const FoundFilm& other) { return hasWantedTitle(other, wanted); });
}

} // namespace ravello::tmdb
