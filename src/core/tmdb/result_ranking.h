// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/tmdb/result_line.h"

// The order of a search's films, the one most likely wanted first.
namespace ravello::tmdb {

// What is known of the wanted film: a DVD Profiler profile's title, original title and
// production year, or only the text of a search typed by hand. Texts are Windows-1252.
struct WantedFilm
{
    std::string title;
    std::string originalTitle; // empty when not known
    int year = 0;              // 0 when not known

    bool operator==(const WantedFilm&) const = default;
};

// A title as the ranking compares it: its letters in lower case without accents, its digits,
// every run of other characters as one space between words, and no leading article when
// words follow it ("The Fun House" gives "fun house", "L'Atalante" gives "atalante").
std::string comparableTitle(std::string_view windows1252Title);

// The films best first: those whose title or original title equals the wanted title or
// original title (as comparableTitle gives them), then the nearest release year to the
// wanted year when it is known (an unknown release year is the farthest), then TMDb's order.
std::vector<FoundFilm> rankFoundFilms(std::vector<FoundFilm> films, const WantedFilm& wanted);

// True when the film's title or original title equals the wanted title or original title, as
// the ranking compares them: the film is the match, not only the best of the list.
bool hasWantedTitle(const FoundFilm& film, const WantedFilm& wanted);

} // namespace ravello::tmdb
