// SPDX-License-Identifier: MIT
#include "core/tmdb/show_search.h"

namespace ravello::tmdb {

SearchOutcome searchShows(const Endpoint& endpoint, Fetcher& fetcher, std::string_view utf8Text)
{
    SearchOutcome outcome;
    outcome.fetch = fetcher.fetchJson(endpoint.tvSearchRequest(utf8Text));
    if (outcome.fetch.ok())
        outcome.films = foundShowsOf(outcome.fetch.body, endpoint);
    return outcome;
}

} // namespace ravello::tmdb
