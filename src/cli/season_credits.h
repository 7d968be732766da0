// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "cli/cli_context.h"
#include "core/tmdb/season_cache.h"
#include "core/tmdb/show_season.h"

// A TV season for the commands that take --tv: their arguments, and the season opened as the
// documents need it, from the season cache, fetching only what it does not hold yet.
namespace ravello::cli {

struct SeasonArguments
{
    std::int32_t showId = 0;
    int seasonNumber = 0;
    std::optional<tmdb::EpisodeRange> episodes; // --episodes FIRST[-LAST]
};

// True when the arguments ask for a TV season (--tv) instead of a film.
bool asksForSeason(const Arguments& arguments);

// --tv, SHOW_ID and N among a command's arguments, with --episodes when `takesEpisodes`, the
// other options given to `readOption`. Nothing, the usage error written, when they are not one
// show identifier, one season number (0 for the specials) and a range whose last episode is
// not before its first, or an option is unknown.
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

// The range asked for, or the whole season. Nothing, the error written, when it holds no
// episode of the season.
std::optional<tmdb::EpisodeRange> episodeRangeOf(const CliContext& context,
                                                 const tmdb::ShowSeason& content,
                                                 const SeasonArguments& season);

} // namespace ravello::cli
