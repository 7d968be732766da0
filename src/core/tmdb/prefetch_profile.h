// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/tmdb/match_certainty.h"
#include "core/tmdb/result_ranking.h"

namespace ravello::tmdb {

// A profile of the collection to prepare: its number, the text to search for (UTF-8), what is
// known of it for the ranking, for a TV disc the season its title names and the seasons its
// proposed episodes begin and end in (nothing without a proposal), and the profile ID the
// collection gives it (Windows-1252; empty when not known).
struct PrefetchProfile
{
    int number = 0;
    std::string searchText;
    WantedFilm wanted;
    MatchKind kind = MatchKind::Film;
    int season = 0;
    std::optional<int> episodesFirstSeason;
    int episodesLastSeason = 0;
    std::string profileId;
};

// The profile of collection number `number` with these titles (Windows-1252) and production
// year (0 when unknown): its title is searched for.
PrefetchProfile profileToPrepare(int number, std::string_view title, std::string_view originalTitle,
                                 int year);

// The profile of a TV disc: the show (Windows-1252) is searched for, the season is prepared.
PrefetchProfile seasonToPrepare(int number, std::string_view show, int season);

// The seasons of a TV disc's profile to prepare, in order, each once: the season its title
// names, which the window opens, and the season its proposed episodes begin in, with the next
// one when they run into it (never more: a disc holds no whole season in between). None for a
// film.
std::vector<int> seasonsToPrepare(const PrefetchProfile& profile);

} // namespace ravello::tmdb
