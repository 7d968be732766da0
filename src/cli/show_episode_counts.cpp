// SPDX-License-Identifier: MIT
#include "cli/show_episode_counts.h"

#include <algorithm>

#include "cli/fetch_failure_text.h"
#include "core/text/windows1252.h"
#include "core/tmdb/match_certainty.h"
#include "core/tmdb/season_cache.h"
#include "core/tmdb/show_search.h"

namespace ravello::cli {

ShowEpisodeCounts::ShowEpisodeCounts(const CliContext& context, std::string show)
    : m_context(context), m_show(std::move(show))
{}

std::optional<std::int32_t> ShowEpisodeCounts::showId()
{
    if (m_showId)
        return *m_showId;
    m_showId.emplace();
    const std::string utf8Show = text::windows1252ToUtf8(m_show);
    if (!m_context.endpoint.hasUsableKey()) {
        m_problems.push_back("no TMDb key to look up \"" + utf8Show +
                             "\": enter your own TMDb key on the Settings page of the program");
        return std::nullopt;
    }
    tmdb::SearchOutcome outcome =
        tmdb::searchShows(m_context.endpoint, m_context.fetcher, utf8Show);
    if (!outcome.fetch.ok()) {
        m_problems.push_back("search for \"" + utf8Show + "\": " + fetchFailureText(outcome.fetch));
        return std::nullopt;
    }
    const tmdb::WantedFilm wanted{m_show, "", 0};
    const auto ranked = tmdb::rankFoundFilms(std::move(outcome.films), wanted);
    if (!tmdb::isCertainMatch(ranked, wanted, tmdb::MatchKind::Series)) {
        m_problems.push_back("TMDb has no single show \"" + utf8Show +
                             "\" (ravello-cli match --tv lists its results)");
        return std::nullopt;
    }
    *m_showId = tmdb::readResultLine(ranked.front().line).filmId;
    return *m_showId;
}

std::optional<int> ShowEpisodeCounts::episodes(int season)
{
    const std::optional<std::int32_t> show = showId();
    if (!show)
        return std::nullopt;
    tmdb::SeasonCache cache(m_context.folders, m_context.endpoint, m_context.fetcher);
    std::optional<tmdb::ShowSeason> content = cache.cachedSeason(*show, season);
    if (!content) {
        tmdb::SeasonOpening opening = cache.openCredits(*show, season);
        for (const tmdb::SeasonFailure& failure : opening.failures)
            m_problems.push_back(seasonFailureText(opening, failure));
        content = std::move(opening.content);
    }
    if (!content || content->season.episodes.empty())
        return std::nullopt;
    const auto& episodes = content->season.episodes;
    return std::max_element(episodes.begin(), episodes.end(),
                            [](const auto& a, const auto& b) { return a.number < b.number; })
        ->number;
}

} // namespace ravello::cli
