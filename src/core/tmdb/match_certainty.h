// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "core/tmdb/result_line.h"
#include "core/tmdb/result_ranking.h"

// Whether the best result of a profile's search is surely the profile's film or show, so that
// it can be opened without asking the user.
namespace ravello::tmdb {

enum class MatchKind
{
    Film,
    Series
};

// True when the first of `ranked` (the results as rankFoundFilms orders them for `wanted`) has
// the wanted title (hasWantedTitle) and, for a film, the wanted year, or, when the profile has
// no year, no other result has the wanted title; for a series, when no other result has the
// wanted title. No results, or anything else, is uncertain: the user chooses.
bool isCertainMatch(const std::vector<FoundFilm>& ranked, const WantedFilm& wanted, MatchKind kind);

} // namespace ravello::tmdb
