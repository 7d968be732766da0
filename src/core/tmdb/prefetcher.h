// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/tmdb/batch_fetcher.h"
#include "core/tmdb/endpoint.h"
#include "core/tmdb/fetch_result.h"
#include "core/tmdb/film_cache.h"
#include "core/tmdb/match_certainty.h"
#include "core/tmdb/prefetch_profile.h"
#include "core/tmdb/profile_matches.h"
#include "core/tmdb/result_line.h"
#include "core/tmdb/result_ranking.h"
#include "core/tmdb/season_cache.h"

namespace ravello::tmdb {

enum class PrefetchStatus
{
    Opened,    // the match is certain and its files are now cached
    Cached,    // the match is certain and was cached already: no file was asked for it
    Uncertain, // the user must choose among the results
    None,      // the search found nothing
    Failed,    // a request failed: `failure` says which
};

struct PrefetchOutcome
{
    int number = 0;
    PrefetchStatus status = PrefetchStatus::None;
    MatchKind kind = MatchKind::Film; // what was searched: films, or TV shows
    std::int32_t tmdbId = 0;          // the best result; 0 when there is none
    std::vector<FoundFilm> ranked;    // the search's results, best first
    FetchResult failure;
};

// How a series is searched and cached; without it series profiles are searched as films.
struct SeriesPreparation
{
    std::function<Request(std::string_view utf8Text)> searchRequest;
    std::function<std::vector<FoundFilm>(std::string_view answer)> foundShows;
    // What the show's season lacks in the cache, each retrieval storing its answer; none when
    // the season is wholly cached. Asked again once these have arrived, for the season's own
    // poster that the season's answer told.
    std::function<std::vector<Retrieval>(const FoundFilm& show, int season)> missingRetrievals;
};

// Series searched with TMDb's TV search at `endpoint` and cached in `seasons`; both must
// outlive the preparation.
SeriesPreparation seriesPreparation(const Endpoint& endpoint, const SeasonCache& seasons);

using PrefetchReport = std::function<void(const PrefetchOutcome& outcome)>;

// Prepares profiles for the user: each profile's search, ranked as the window ranks it, and,
// when its match is certain, the match's files fetched into the cache (a TV disc's the seasons
// of seasonsToPrepare), so that showing it later asks TMDb nothing. With the profile matches, a
// profile whose certain match they keep is not searched again, and each search's outcome goes into
// them (the caller saves them). The requests of several profiles go side by side within the batch
// fetcher's limits.
class Prefetcher
{
public:
    Prefetcher(const Endpoint& endpoint, BatchFetcher& fetcher, const FilmCache& films,
               SeriesPreparation series = {}, ProfileMatches* matches = nullptr);

    // Prepares the profiles, a few at a time, reporting each one's outcome in their order.
    // False when the progress callback stopped it: the profiles not reported by then are
    // not prepared, and no file of theirs is left half-written.
    bool prepare(const std::vector<PrefetchProfile>& profiles, const PrefetchReport& report,
                 const BatchProgress& progress = {});

private:
    bool prepareRound(const std::vector<PrefetchProfile>& round, const PrefetchReport& report,
                      const BatchProgress& progress);
    std::vector<std::size_t> takeKeptMatches(const std::vector<PrefetchProfile>& round,
                                             std::vector<PrefetchOutcome>& outcomes) const;
    bool search(const std::vector<PrefetchProfile>& round, const std::vector<std::size_t>& searched,
                std::vector<PrefetchOutcome>& outcomes, const BatchProgress& progress);
    void keepMatch(const PrefetchProfile& profile, const PrefetchOutcome& outcome);
    bool fetchMatches(const std::vector<PrefetchProfile>& round,
                      std::vector<PrefetchOutcome>& outcomes, const BatchProgress& progress);
    bool fetchMissing(const std::vector<PrefetchProfile>& round,
                      const std::vector<std::size_t>& matches,
                      std::vector<PrefetchOutcome>& outcomes, std::set<std::string>& asked,
                      const BatchProgress& progress);
    bool isSeries(const PrefetchProfile& profile) const;
    std::vector<Retrieval> missingOf(const PrefetchProfile& profile,
                                     const PrefetchOutcome& outcome) const;

    const Endpoint& m_endpoint;
    BatchFetcher& m_fetcher;
    const FilmCache& m_films;
    SeriesPreparation m_series;
    ProfileMatches* m_matches;
};

} // namespace ravello::tmdb
