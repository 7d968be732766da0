// SPDX-License-Identifier: MIT
#include "core/tmdb/film_search.h"

namespace ravello::tmdb {

SearchOutcome searchFilms(const Endpoint& endpoint, Fetcher& fetcher, std::string_view utf8Text)
{
    SearchOutcome outcome;
    outcome.fetch = fetcher.fetchJson(endpoint.searchRequest(utf8Text));
    if (outcome.fetch.ok())
        outcome.films = foundFilmsOf(outcome.fetch.body, endpoint);
    return outcome;
}

} // namespace ravello::tmdb
