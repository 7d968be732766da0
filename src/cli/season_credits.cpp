// SPDX-License-Identifier: MIT
#include "cli/season_credits.h"

#include <algorithm>
#include <charconv>

#include "cli/fetch_failure_text.h"
#include "cli/film_credits.h"
#include "core/tmdb/episode_orders.h"
#include "core/tmdb/grouped_season_opening.h"
#include "core/tmdb/season_cache.h"

namespace ravello::cli {
namespace {

constexpr std::string_view kTvOption = "--tv";
constexpr std::string_view kEpisodesOption = "--episodes";

// Writes the usage error; false, for the parsers below to return it.
bool refuse(const CliContext& context, const std::string& message)
{
    context.usageError(message);
    return false;
}

// A whole number of 0 or more, digits only.
std::optional<int> parseCount(std::string_view text)
{
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || text.front() == '-' || error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

// "3" or "3-5"; LAST before FIRST is refused.
std::optional<tmdb::EpisodeRange> parseRange(const CliContext& context, std::string_view text)
{
    const std::size_t dash = text.find('-');
    const auto first = parseCount(text.substr(0, dash));
    const auto last = dash == std::string_view::npos ? first : parseCount(text.substr(dash + 1));
    if (!first || !last) {
        context.usageError("not an episode range (FIRST or FIRST-LAST): " + std::string(text));
        return std::nullopt;
    }
    if (*last < *first) {
        context.usageError("the episode range ends before it starts: " + std::string(text));
        return std::nullopt;
    }
    return tmdb::EpisodeRange{*first, *last};
}

// The value of --episodes, the argument after `at`, which moves on to it.
std::optional<tmdb::EpisodeRange> episodesOption(const CliContext& context,
                                                 const Arguments& arguments, std::size_t& at)
{
    if (++at == arguments.size()) {
        context.usageError("--episodes needs FIRST or FIRST-LAST");
        return std::nullopt;
    }
    return parseRange(context, arguments[at]);
}

// Takes SHOW_ID, then N; false, the usage error written, for anything else.
bool takePositional(const CliContext& context, const std::string& name, const std::string& argument,
                    int& taken, SeasonArguments& season)
{
    if (taken == 0) {
        const auto showId = parseIdentifier(argument);
        if (!showId)
            return refuse(context, "not a show identifier: " + argument);
        season.showId = *showId;
    } else if (taken == 1) {
        const auto number = parseCount(argument);
        if (!number)
            return refuse(context, "not a season number: " + argument);
        season.seasonNumber = *number;
    } else {
        return refuse(context, name + " takes one show identifier and one season number");
    }
    ++taken;
    return true;
}

// Writes each failed step on the error stream; the season when it could be had.
std::optional<tmdb::ShowSeason> reportedContent(const CliContext& context,
                                                tmdb::SeasonOpening opening)
{
    for (const tmdb::SeasonFailure& failure : opening.failures) {
        const bool kept = failure.fetch.problem == tmdb::FetchProblem::File;
        context.err << "ravello-cli: " << (kept ? "warning: " : "")
                    << seasonFailureText(opening, failure) << '\n';
    }
    return std::move(opening.content);
}

// The season of the show's kept episode order; a number the order lacks is refused.
std::optional<tmdb::ShowSeason> openGroupedCredits(const CliContext& context,
                                                   const SeasonArguments& season,
                                                   tmdb::SeasonCache& cache,
                                                   const std::string& groupId)
{
    tmdb::EpisodeGroupCache groups(context.folders, context.endpoint, context.fetcher);
    if (!context.canAskTmdb({groups.groupFile(season.showId, groupId)}))
        return std::nullopt;
    auto content =
        reportedContent(context, tmdb::openGroupedSeason(cache, groups, season.showId, groupId,
                                                         season.seasonNumber, std::nullopt));
    if (content && content->season.number != season.seasonNumber) {
        context.fail("the episode order " + groupId + " of show " + std::to_string(season.showId) +
                     " has no season " + std::to_string(season.seasonNumber));
        return std::nullopt;
    }
    return content;
}

} // namespace

bool asksForSeason(const Arguments& arguments)
{
    return std::find(arguments.begin(), arguments.end(), kTvOption) != arguments.end();
}

std::optional<SeasonArguments> seasonArgumentsAndOptions(const CliContext& context,
                                                         std::string_view command,
                                                         const Arguments& arguments,
                                                         bool takesEpisodes,
                                                         const OptionReader& readOption)
{
    SeasonArguments season;
    int taken = 0;
    const std::string name(command);
    bool read = true;
    for (std::size_t at = 0; read && at < arguments.size(); ++at) {
        const std::string& argument = arguments[at];
        if (argument == kTvOption)
            continue;
        if (takesEpisodes && argument == kEpisodesOption) {
            season.episodes = episodesOption(context, arguments, at);
            read = season.episodes.has_value();
        } else if (argument.starts_with("--")) {
            read = readOption(argument) || refuse(context, "unknown option " + argument);
        } else {
            read = takePositional(context, name, argument, taken, season);
        }
    }
    if (read && taken < 2)
        read = refuse(context, name + " needs a show identifier and a season number");
    return read ? std::optional(season) : std::nullopt;
}

std::optional<tmdb::ShowSeason> openSeasonCredits(const CliContext& context,
                                                  const SeasonArguments& season)
{
    tmdb::SeasonCache cache(context.folders, context.endpoint, context.fetcher);
    const auto group = tmdb::chosenEpisodeGroup(context.folders.episodeOrdersFile(), season.showId);
    if (group)
        return openGroupedCredits(context, season, cache, *group);
    if (!context.canAskTmdb(
            {cache.showFile(season.showId), cache.seasonFile(season.showId, season.seasonNumber)}))
        return std::nullopt;
    return reportedContent(context, cache.openCredits(season.showId, season.seasonNumber));
}

std::optional<tmdb::EpisodeRange> episodeRangeOf(const CliContext& context,
                                                 const tmdb::ShowSeason& content,
                                                 const SeasonArguments& season)
{
    const auto range = season.episodes ? season.episodes : content.wholeSeason();
    if (range && !content.episodesIn(*range).empty())
        return range;
    const std::string asked =
        range ? "episodes " + std::to_string(range->first) + "-" + std::to_string(range->last)
              : "any episode";
    context.fail("season " + std::to_string(season.seasonNumber) + " of show " +
                 std::to_string(season.showId) + " has no " + asked);
    return std::nullopt;
}

} // namespace ravello::cli
