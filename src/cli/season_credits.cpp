// SPDX-License-Identifier: MIT
#include "cli/season_credits.h"

#include <algorithm>
#include <charconv>

#include "cli/fetch_failure_text.h"
#include "cli/film_credits.h"
#include "cli/profile_season.h"
#include "core/collection/index_record.h"
#include "core/tmdb/episode_orders.h"
#include "core/tmdb/grouped_season_opening.h"
#include "core/tmdb/season_cache.h"

namespace ravello::cli {
namespace {

constexpr std::string_view kTvOption = "--tv";
constexpr std::string_view kEpisodesOption = "--episodes";
constexpr std::string_view kProfileOption = "--profile";

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

// An end of --episodes: an episode number ("5") or an episode code ("3.05").
struct EpisodeEnd
{
    std::optional<int> season;
    int episode = 0;
};

std::optional<EpisodeEnd> parseEnd(std::string_view text)
{
    const std::size_t dot = text.find('.');
    if (dot == std::string_view::npos) {
        const auto episode = parseCount(text);
        return episode ? std::optional(EpisodeEnd{std::nullopt, *episode}) : std::nullopt;
    }
    const auto season = parseCount(text.substr(0, dot));
    const auto episode = parseCount(text.substr(dot + 1));
    return season && episode ? std::optional(EpisodeEnd{season, *episode}) : std::nullopt;
}

// --episodes as written, its seasons not yet known.
struct AskedEpisodes
{
    EpisodeEnd first;
    EpisodeEnd last;
    std::string text;
};

// "3", "3-5", "3.47-4.05", "3.47-50".
std::optional<AskedEpisodes> parseRange(const CliContext& context, std::string_view text)
{
    const std::size_t dash = text.find('-');
    const auto first = parseEnd(text.substr(0, dash));
    const auto last = dash == std::string_view::npos ? first : parseEnd(text.substr(dash + 1));
    if (!first || !last) {
        context.usageError("not an episode range (FIRST or FIRST-LAST, numbers or codes such as "
                           "3.47-4.05): " +
                           std::string(text));
        return std::nullopt;
    }
    return AskedEpisodes{*first, *last, std::string(text)};
}

// The range asked for in season N: numbers are its episodes, a code must start in it, and a
// bare LAST is in FIRST's season. LAST before FIRST is refused.
std::optional<EpisodeSpan> spanIn(const CliContext& context, const AskedEpisodes& asked,
                                  int seasonNumber)
{
    const int firstSeason = asked.first.season.value_or(seasonNumber);
    if (firstSeason != seasonNumber) {
        context.usageError("the episodes start in season " + std::to_string(firstSeason) +
                           ", not in season " + std::to_string(seasonNumber) + ": " + asked.text);
        return std::nullopt;
    }
    EpisodeSpan span{{firstSeason, asked.first.episode},
                     {asked.last.season.value_or(firstSeason), asked.last.episode},
                     asked.text};
    if (span.last < span.first) {
        context.usageError("the episode range ends before it starts: " + asked.text);
        return std::nullopt;
    }
    return span;
}

// The value of --episodes, the argument after `at`, which moves on to it.
std::optional<AskedEpisodes> episodesOption(const CliContext& context, const Arguments& arguments,
                                            std::size_t& at)
{
    if (++at == arguments.size()) {
        context.usageError("--episodes needs FIRST or FIRST-LAST");
        return std::nullopt;
    }
    return parseRange(context, arguments[at]);
}

// The value of --profile, the argument after `at`, which moves on to it.
std::optional<int> profileOption(const CliContext& context, const Arguments& arguments,
                                 std::size_t& at)
{
    if (++at == arguments.size()) {
        context.usageError("--profile needs a collection number");
        return std::nullopt;
    }
    const auto number = parseIdentifier(arguments[at]);
    if (!number || *number > collection::kHighestCollectionNumber) {
        context.usageError("not a collection number: " + arguments[at]);
        return std::nullopt;
    }
    return *number;
}

// The part of the range asked for that lies in the season: all of a season between its first
// and its last.
tmdb::EpisodeRange partIn(const tmdb::ShowSeason& content, const SeasonArguments& season)
{
    const auto whole = content.wholeSeason();
    if (!whole)
        return {1, 0}; // holds no episode
    if (!season.episodes)
        return *whole;
    const int number = content.season.number;
    const EpisodeSpan& span = *season.episodes;
    return {number == span.first.season ? span.first.episode : whole->first,
            number == span.last.season ? span.last.episode : whole->last};
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
    tmdb::SeasonOpening opening = tmdb::openGroupedSeason(cache, groups, season.showId, groupId,
                                                          season.seasonNumber, std::nullopt);
    const bool told = !opening.failures.empty();
    auto content = reportedContent(context, std::move(opening));
    // An order without that season opens another, or none when it has no episodes at all.
    if (content ? content->season.number != season.seasonNumber : !told) {
        context.fail("the episode order " + groupId + " of show " + std::to_string(season.showId) +
                     " has no season " + std::to_string(season.seasonNumber));
        return std::nullopt;
    }
    return content;
}

} // namespace

bool asksForSeason(const Arguments& arguments)
{
    return std::any_of(arguments.begin(), arguments.end(), [](const std::string& argument) {
        return argument == kTvOption || argument == kProfileOption;
    });
}

std::optional<SeasonArguments> seasonArgumentsAndOptions(const CliContext& context,
                                                         std::string_view command,
                                                         const Arguments& arguments,
                                                         bool takesEpisodes,
                                                         const OptionReader& readOption)
{
    SeasonArguments season;
    std::optional<AskedEpisodes> asked;
    int taken = 0;
    const std::string name(command);
    bool read = true;
    bool tv = false;
    for (std::size_t at = 0; read && at < arguments.size(); ++at) {
        const std::string& argument = arguments[at];
        if (argument == kTvOption) {
            tv = true;
        } else if (takesEpisodes && argument == kEpisodesOption) {
            asked = episodesOption(context, arguments, at);
            read = asked.has_value();
        } else if (takesEpisodes && argument == kProfileOption) {
            season.profile = profileOption(context, arguments, at);
            read = season.profile.has_value();
        } else if (argument.starts_with("--")) {
            read = readOption(argument) || refuse(context, "unknown option " + argument);
        } else {
            read = takePositional(context, name, argument, taken, season);
        }
    }
    if (read && season.profile && (tv || taken > 0 || asked))
        read = refuse(context, "--profile takes the place of --tv SHOW_ID N and --episodes");
    else if (read && !season.profile && taken < 2)
        read = refuse(context, name + " needs a show identifier and a season number");
    if (read && asked) {
        season.episodes = spanIn(context, *asked, season.seasonNumber);
        read = season.episodes.has_value();
    }
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

output::SeasonSubject OpenedRange::subject() const
{
    output::SeasonSubject whole{seasons.front(), parts.front()};
    for (std::size_t index = 1; index < seasons.size(); ++index)
        whole.continuation.push_back({seasons[index], parts[index]});
    return whole;
}

std::optional<OpenedRange> openEpisodeRange(const CliContext& context,
                                            const SeasonArguments& arguments)
{
    const auto asked =
        arguments.profile ? profileSeasonArguments(context, *arguments.profile) : arguments;
    if (!asked)
        return std::nullopt;
    const SeasonArguments& season = *asked;
    const int lastSeason = season.episodes ? season.episodes->last.season : season.seasonNumber;
    OpenedRange opened;
    bool holdsEpisodes = false;
    for (int number = season.seasonNumber; number <= lastSeason; ++number) {
        SeasonArguments one = season;
        one.seasonNumber = number;
        std::optional<tmdb::ShowSeason> content = openSeasonCredits(context, one);
        if (!content)
            return std::nullopt;
        opened.parts.push_back(partIn(*content, season));
        holdsEpisodes = holdsEpisodes || !content->episodesIn(opened.parts.back()).empty();
        opened.seasons.push_back(std::move(*content));
    }
    if (holdsEpisodes)
        return opened;
    const std::string show = "show " + std::to_string(season.showId);
    const std::string where = lastSeason == season.seasonNumber
                                  ? "season " + std::to_string(season.seasonNumber) + " of " + show
                                  : show;
    context.fail(where + " has no " +
                 (season.episodes ? "episodes " + season.episodes->text : "episode"));
    return std::nullopt;
}

} // namespace ravello::cli
