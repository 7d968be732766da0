// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "core/tmdb/match_certainty.h"
#include "core/tmdb/result_ranking.h"

namespace ravello::tmdb {

// A profile of the collection to prepare: its number, the text to search for (UTF-8), what is
// known of it for the ranking, for a TV disc the season its title names, and the profile ID
// the collection gives it (Windows-1252; empty when not known).
struct PrefetchProfile
{
    int number = 0;
    std::string searchText;
    WantedFilm wanted;
    MatchKind kind = MatchKind::Film;
    int season = 0;
    std::string profileId;
};

// The profile of collection number `number` with these titles (Windows-1252) and production
// year (0 when unknown): its title is searched for.
PrefetchProfile profileToPrepare(int number, std::string_view title, std::string_view originalTitle,
                                 int year);

// The profile of a TV disc: the show (Windows-1252) is searched for, the season is prepared.
PrefetchProfile seasonToPrepare(int number, std::string_view show, int season);

} // namespace ravello::tmdb
