// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/tmdb/endpoint.h"

// A line of the film search's result list: "%07d %s (%d) %s" of the film identifier, the
// title, the year of release and the poster URL, passed through the text normaliser. The
// list draws the title and year; opening a film reads the identifier and the poster URL back.
namespace ravello::tmdb {

struct ResultLine
{
    std::int32_t filmId = 0;
    std::string displayText; // from the space after the identifier up to the year's ')'
    std::string posterUrl;   // empty when the film has no poster
};

// One normalised line; `title` is UTF-8 as TMDb sent it.
std::string formatResultLine(std::int32_t filmId, std::string_view title, int year,
                             std::string_view posterUrl);

// The parts of a line. The identifier is the digits before the first space (so identifiers
// of eight digits work too); the poster URL, which holds no space, is the text after the
// last space, so a title holding ") h" keeps both its text and its poster.
ResultLine readResultLine(std::string_view line);

// What the results list shows of a line: its display text without the blanks around it, and
// without the year a film without a release date has as "(0)".
std::string shownResultText(std::string_view line);

// A film of the search answer: its result line and, normalised as the line is, what the
// ranking compares.
struct FoundFilm
{
    std::string line;
    std::string title;
    std::string originalTitle; // empty when TMDb sent none
    int year = 0;              // 0 when the release date is empty or null
};

// One film per element of the search answer's "results" that has a "release_date" key, in
// the order of the answer, each from its own element's "id", "title", "original_title",
// "release_date" and "poster_path". An answer that is not JSON, or has no results, gives none.
std::vector<FoundFilm> foundFilmsOf(std::string_view answer, const Endpoint& endpoint);

// One show per element of a TV search answer's "results", in the order of the answer, as a
// FoundFilm so that the lines and the ranking are those of films: the line and the title from
// "name", the original title from "original_name", the year from "first_air_date" (0 when it is
// empty), the poster from "poster_path".
std::vector<FoundFilm> foundShowsOf(std::string_view answer, const Endpoint& endpoint);

// The lines of the films, in their order.
std::vector<std::string> linesOf(const std::vector<FoundFilm>& films);

// The lines of foundFilmsOf(answer, endpoint).
std::vector<std::string> resultLinesOf(std::string_view answer, const Endpoint& endpoint);

} // namespace ravello::tmdb
