// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_context.h"
#include "core/collection/episode_code.h"
#include "core/output/credit_documents.h"
#include "core/tmdb/season_cache.h"
#include "core/tmdb/show_season.h"

// A TV season for the commands that take --tv: their arguments, and the season opened as the
// documents need it, from the season cache, fetching only what it does not hold yet. A range of
// episodes may run past the season's end into the seasons after it.
namespace ravello::cli {

// The episodes asked for, first to last; the last may lie in a later season than the first.
struct EpisodeSpan
{
    collection::EpisodeCode first;
    collection::EpisodeCode last;
    std::string text; // as the user wrote it, for the messages
};

struct SeasonArguments
{
    std::int32_t showId = 0;
    int seasonNumber = 0;
    std::optional<EpisodeSpan> episodes; // --episodes; nothing: the whole season
    // --profile NUMBER: show, season and episodes come from the collection's disc profile.
    std::optional<int> profile;
};

// True when the arguments ask for a TV season (--tv or --profile) instead of a film.
bool asksForSeason(const Arguments& arguments);

// --tv, SHOW_ID and N among a command's arguments, with --episodes when `takesEpisodes`, the
// other options given to `readOption`; or, when `takesEpisodes`, --profile NUMBER instead of
// them. --episodes takes episode numbers of season N ("2-5", "3") or episode codes ("3.47-4.05",
// "3.47-50"; a bare LAST is in FIRST's season), the first in season N. Nothing, the usage
// error written, when they are not one show identifier, one season number (0 for the
// specials) and a range whose last episode is not before its first, or an option is unknown.
std::optional<SeasonArguments> seasonArgumentsAndOptions(const CliContext& context,
                                                         std::string_view command,
                                                         const Arguments& arguments,
                                                         bool takesEpisodes,
                                                         const OptionReader& readOption);

// Opens the show and the season with its credits, side by side, in the show's kept episode
// order when one was chosen. Each failed step is written on the error stream; nothing unless
// both could be had. Without a key of the user's, only a cached season is opened.
std::optional<tmdb::ShowSeason> openSeasonCredits(const CliContext& context,
                                                  const SeasonArguments& season);

// The seasons a range touches, opened, and the range's part of each.
struct OpenedRange
{
    std::vector<tmdb::ShowSeason> seasons; // season N, then each later one the range reaches
    std::vector<tmdb::EpisodeRange> parts; // one a season, in the same order

    // The documents' subject; it holds the seasons, which must stay where they are.
    output::SeasonSubject subject() const;
};

// Opens every season the range asked for touches (the whole of season N without one; with
// --profile, the profile's show and proposed episodes), as openSeasonCredits does. Nothing, the
// error written, when one of them could not be had or the range holds no episode.
std::optional<OpenedRange> openEpisodeRange(const CliContext& context,
                                            const SeasonArguments& season);

} // namespace ravello::cli
