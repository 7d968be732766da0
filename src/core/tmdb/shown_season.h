// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "core/tmdb/credit_lists.h"
#include "core/tmdb/season_cache.h"
#include "core/tmdb/show_season.h"

namespace ravello::tmdb {

// The season the window's pages show, as ShownFilm is the film: the show and the season as
// opened, the range of episodes the lists and the documents cover, and the rows of the four
// lists for that range (seasonCreditLists). It is taken only whole, so the pages never show
// parts of two seasons.
struct ShownSeason
{
    ShowSeason content;
    EpisodeRange range;
    CreditLists credits;

    bool isEmpty() const { return content.show.id == 0; }

    // Takes an opening that brought the show and the season, showing `range`, or the whole
    // season when no range is given or the given one holds no episode, and returns true. Any
    // other opening (failed or cancelled) leaves the season shown as it was and returns false.
    bool take(const SeasonOpening& opening, std::optional<EpisodeRange> range = std::nullopt);

    // Shows another range of the same season: the rows are made again from what was opened,
    // without a request. A range that holds no episode changes nothing and returns false.
    bool showRange(EpisodeRange range);
};

} // namespace ravello::tmdb
