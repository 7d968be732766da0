// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/tmdb/endpoint.h"
#include "core/tmdb/fetch_result.h"
#include "core/tmdb/fetcher.h"
#include "core/tmdb/result_line.h"

namespace ravello::tmdb {

struct SearchOutcome
{
    FetchResult fetch;
    // The films found, in TMDb's order, when fetch.ok(); none on a failure.
    std::vector<FoundFilm> films;

    std::vector<std::string> lines() const { return linesOf(films); }
};

// Asks TMDb's movie search for the UTF-8 text in the endpoint's language and returns the
// films found. A text of spaces, '&' or '#' searches for exactly that text.
SearchOutcome searchFilms(const Endpoint& endpoint, Fetcher& fetcher, std::string_view utf8Text);

} // namespace ravello::tmdb
