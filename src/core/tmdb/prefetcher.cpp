// SPDX-License-Identifier: MIT
#include "core/tmdb/prefetcher.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <set>

namespace ravello::tmdb {
namespace {

// Profiles searched side by side before their matches are fetched: one group of the batch.
constexpr std::size_t kProfilesPerRound = 8;

} // namespace

SeriesPreparation seriesPreparation(const Endpoint& endpoint, const SeasonCache& seasons)
{
    return {[&endpoint](std::string_view utf8Text) { return endpoint.tvSearchRequest(utf8Text); },
            [&endpoint](std::string_view answer) { return foundShowsOf(answer, endpoint); },
            [&seasons](const FoundFilm& show, int season) {
                const ResultLine line = readResultLine(show.line);
                return seasons.missingRetrievals(line.filmId, season, line.posterUrl);
            }};
}

Prefetcher::Prefetcher(const Endpoint& endpoint, BatchFetcher& fetcher, const FilmCache& films,
                       SeriesPreparation series, ProfileMatches* matches)
    : m_endpoint(endpoint), m_fetcher(fetcher), m_films(films), m_series(std::move(series)),
      m_matches(matches)
{}

bool Prefetcher::prepare(const std::vector<PrefetchProfile>& profiles, const PrefetchReport& report,
                         const BatchProgress& progress)
{
    for (std::size_t first = 0; first < profiles.size(); first += kProfilesPerRound) {
        const auto end =
            profiles.begin() +
            static_cast<std::ptrdiff_t>(std::min(first + kProfilesPerRound, profiles.size()));
        const std::vector<PrefetchProfile> round(
            profiles.begin() + static_cast<std::ptrdiff_t>(first), end);
        if (!prepareRound(round, report, progress))
            return false;
    }
    return true;
}

bool Prefetcher::prepareRound(const std::vector<PrefetchProfile>& round,
                              const PrefetchReport& report, const BatchProgress& progress)
{
    std::vector<PrefetchOutcome> outcomes(round.size());
    const std::vector<std::size_t> searched = takeKeptMatches(round, outcomes);
    if (!search(round, searched, outcomes, progress) || !fetchMatches(round, outcomes, progress))
        return false;
    for (const PrefetchOutcome& outcome : outcomes)
        report(outcome);
    return true;
}

bool Prefetcher::isSeries(const PrefetchProfile& profile) const
{
    return profile.kind == MatchKind::Series && m_series.searchRequest;
}

// A profile whose certain match the matches keep is Opened with it, without a search (a
// series profile searched as a film keeps none); returns the others, to be searched.
std::vector<std::size_t> Prefetcher::takeKeptMatches(const std::vector<PrefetchProfile>& round,
                                                     std::vector<PrefetchOutcome>& outcomes) const
{
    std::vector<std::size_t> searched;
    for (std::size_t index = 0; index < round.size(); ++index) {
        const PrefetchProfile& profile = round[index];
        PrefetchOutcome& outcome = outcomes[index];
        outcome.number = profile.number;
        outcome.kind = isSeries(profile) ? MatchKind::Series : MatchKind::Film;
        const auto kept = m_matches && outcome.kind == profile.kind
                              ? m_matches->certainMatch(profile)
                              : std::nullopt;
        if (!kept) {
            searched.push_back(index);
            continue;
        }
        outcome.status = PrefetchStatus::Opened;
        outcome.tmdbId = readResultLine(kept->line).filmId;
        outcome.ranked = {*kept};
    }
    return searched;
}

// Each searched profile's search, ranked; a certain match is Opened until its files say
// otherwise.
bool Prefetcher::search(const std::vector<PrefetchProfile>& round,
                        const std::vector<std::size_t>& searched,
                        std::vector<PrefetchOutcome>& outcomes, const BatchProgress& progress)
{
    if (searched.empty())
        return true;
    std::vector<Request> requests;
    for (const std::size_t index : searched) {
        const PrefetchProfile& profile = round[index];
        requests.push_back(isSeries(profile) ? m_series.searchRequest(profile.searchText)
                                             : m_endpoint.searchRequest(profile.searchText));
    }
    return m_fetcher.fetchJson(
        requests,
        [&](std::size_t answered, FetchResult result) {
            const PrefetchProfile& profile = round[searched[answered]];
            PrefetchOutcome& outcome = outcomes[searched[answered]];
            if (!result.ok()) {
                outcome.status = PrefetchStatus::Failed;
                outcome.failure = std::move(result);
                return;
            }
            std::vector<FoundFilm> found = isSeries(profile)
                                               ? m_series.foundShows(result.body)
                                               : foundFilmsOf(result.body, m_endpoint);
            outcome.ranked = rankFoundFilms(std::move(found), profile.wanted);
            if (!outcome.ranked.empty()) {
                outcome.tmdbId = readResultLine(outcome.ranked.front().line).filmId;
                const bool certain = isCertainMatch(outcome.ranked, profile.wanted, profile.kind);
                outcome.status = certain ? PrefetchStatus::Opened : PrefetchStatus::Uncertain;
            }
            keepMatch(profile, outcome);
        },
        progress);
}

// A certain match is kept for the next preparation; one that is no longer certain is
// forgotten, so that the profile is searched again.
void Prefetcher::keepMatch(const PrefetchProfile& profile, const PrefetchOutcome& outcome)
{
    if (!m_matches || outcome.kind != profile.kind)
        return;
    if (outcome.status == PrefetchStatus::Opened)
        m_matches->remember(profile, outcome.ranked.front());
    else
        m_matches->forget(profile);
}

std::vector<Retrieval> Prefetcher::missingOf(const PrefetchProfile& profile,
                                             const PrefetchOutcome& outcome) const
{
    const FoundFilm& match = outcome.ranked.front();
    if (isSeries(profile)) {
        std::vector<Retrieval> missing;
        for (const int season : seasonsToPrepare(profile)) {
            std::vector<Retrieval> ofSeason = m_series.missingRetrievals(match, season);
            std::move(ofSeason.begin(), ofSeason.end(), std::back_inserter(missing));
        }
        return missing;
    }
    return m_films.missingRetrievals(outcome.tmdbId, readResultLine(match.line).posterUrl);
}

// The files the certain matches lack, all side by side, and then what their answers told only
// then (a season's own poster); a match with nothing missing was cached already, one whose
// request failed is Failed. Profiles of the same film (its DVD and its Blu-ray) ask for it once
// and share the outcome.
bool Prefetcher::fetchMatches(const std::vector<PrefetchProfile>& round,
                              std::vector<PrefetchOutcome>& outcomes, const BatchProgress& progress)
{
    std::vector<std::size_t> firsts; // the first profile of each match
    std::map<std::pair<std::int32_t, std::vector<int>>, std::size_t> firstOfMatch;
    std::vector<std::pair<std::size_t, std::size_t>> repeats; // (profile, first of its match)
    for (std::size_t index = 0; index < round.size(); ++index) {
        if (outcomes[index].status != PrefetchStatus::Opened)
            continue;
        const bool series = isSeries(round[index]);
        auto key = std::pair{series ? -outcomes[index].tmdbId : outcomes[index].tmdbId,
                             series ? seasonsToPrepare(round[index]) : std::vector<int>()};
        if (const auto first = firstOfMatch.find(key); first != firstOfMatch.end()) {
            repeats.emplace_back(index, first->second);
            continue;
        }
        firstOfMatch.emplace(std::move(key), index);
        firsts.push_back(index);
    }
    std::set<std::string> asked;
    const bool complete = fetchMissing(round, firsts, outcomes, asked, progress) &&
                          fetchMissing(round, firsts, outcomes, asked, progress);
    for (const auto& [index, first] : repeats) {
        outcomes[index].status = outcomes[first].status;
        outcomes[index].failure = outcomes[first].failure;
    }
    return complete;
}

// One round of the matches' missing files, leaving out what an earlier round asked for
// (`asked`, the URLs): a match that lacks nothing in the first round was cached already.
bool Prefetcher::fetchMissing(const std::vector<PrefetchProfile>& round,
                              const std::vector<std::size_t>& matches,
                              std::vector<PrefetchOutcome>& outcomes, std::set<std::string>& asked,
                              const BatchProgress& progress)
{
    const bool firstRound = asked.empty();
    std::vector<Retrieval> retrievals;
    std::vector<std::size_t> owners; // the outcome each retrieval is for
    for (const std::size_t index : matches) {
        if (outcomes[index].status != PrefetchStatus::Opened)
            continue;
        std::vector<Retrieval> missing = missingOf(round[index], outcomes[index]);
        if (missing.empty() && firstRound)
            outcomes[index].status = PrefetchStatus::Cached;
        for (Retrieval& retrieval : missing) {
            if (!asked.insert(retrieval.request.url).second)
                continue;
            retrievals.push_back(std::move(retrieval));
            owners.push_back(index);
        }
    }
    if (retrievals.empty())
        return true;
    return m_fetcher.fetchAll(
        std::move(retrievals),
        [&](std::size_t index, FetchResult result) {
            PrefetchOutcome& outcome = outcomes[owners[index]];
            if (!result.ok() && outcome.status != PrefetchStatus::Failed) {
                outcome.status = PrefetchStatus::Failed;
                outcome.failure = std::move(result);
            }
        },
        progress);
}

} // namespace ravello::tmdb
