// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "core/tmdb/endpoint.h"
#include "core/tmdb/fetcher.h"
#include "core/tmdb/film_search.h"

namespace ravello::tmdb {

// Asks TMDb's TV search for the UTF-8 text in the endpoint's language and returns the shows
// found (foundShowsOf), whose lines, ranking and opening work as a film's: the identifier first,
// "Name (first-air year)", the show's poster last.
SearchOutcome searchShows(const Endpoint& endpoint, Fetcher& fetcher, std::string_view utf8Text);

} // namespace ravello::tmdb
