// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "cli/cli_context.h"
#include "core/tmdb/episode_groups.h"
#include "core/tmdb/result_ranking.h"

// One function per command, each in a file of its own, and the search lines two of them
// write.
namespace ravello::cli {

// Standard input through the text normaliser to standard output, bytes in, bytes out.
int runNormalise(CliContext& context, const Arguments& arguments);
// The film's CastInformation document, as the Copy button builds it, as Windows-1252 bytes,
// naming the people the collection knows as its people table does; --birth-years fills in the
// birth years of the others from TMDb. With --tv SHOW_ID N [--episodes FIRST[-LAST]] a TV
// season's document, an episode divider before each episode's cast.
int runCastXml(CliContext& context, const Arguments& arguments);
// The film's CrewInformation document, mapped by the crew mapping in effect; --no-photography,
// --no-sound, --no-art and --no-other leave out the custom credits of a group, as the window's
// check boxes do; --birth-years fills in birth years (the collection's people table first);
// --report writes on the error stream how many credits went in and which were left out. With
// --tv SHOW_ID N [--episodes FIRST[-LAST]] a TV season's document, keeping what collectors
// keep of a series unless --full-crew.
int runCrewXml(CliContext& context, const Arguments& arguments);
// [TEXT...]: for each name (UTF-8, as TMDb gives names; without TEXT, the lines of standard
// input), the FirstName, MiddleName, LastName and BirthYear attributes the documents would
// write for it when TMDb gives no year, one line each.
int runName(CliContext& context, const Arguments& arguments);
// The crew mapping in effect, as the mapping file writes its rules; --path: the file's path.
int runCrewMap(CliContext& context, const Arguments& arguments);
// Fetches a cast or crew member's photo into the photo cache unless it is there; prints its path.
int runPhoto(CliContext& context, const Arguments& arguments);
// Imports DVD Profiler's export into the title index and the people and episode tables beside it:
// [EXPORT [INDEX]], by default the settings' export file and the program's index; prints the
// counts and time on stderr.
int runImport(CliContext& context, const Arguments& arguments);

// TMDb's movie search (TV search with --tv) for the text in the settings' language: the
// result lines, one a line.
int runSearch(CliContext& context, const Arguments& arguments);
// [--tv] TITLE [--year YEAR] [--original-title TEXT]: the search for the title, its result
// lines best first for the film or show so described; with --tv a disc title ("Castle: Season
// 3: Disc 2") searches for its show.
int runMatch(CliContext& context, const Arguments& arguments);
// Searches films, or TV shows when `shows`, for the UTF-8 text and writes the result lines,
// ranked for `wanted` when given.
int writeSearch(CliContext& context, const std::string& utf8Text,
                const std::optional<tmdb::WantedFilm>& wanted, bool shows);
// SHOW_ID N: the captions of the season's episodes, one a line.
int runSeason(CliContext& context, const Arguments& arguments);
// SHOW_ID: the show's DVD episode groups, one a line: TMDb's identifier, name and counts, tab-
// separated, "chosen" after the one the show's seasons follow.
int runEpisodeGroups(CliContext& context, const Arguments& arguments);
// SHOW_ID GROUP_ID|none: keeps the DVD episode group the show's seasons follow from now on (the
// --tv documents and the window's seasons), or with none TMDb's own seasons.
int runEpisodeOrder(CliContext& context, const Arguments& arguments);
// The show's DVD episode groups, from the cache or TMDb; nothing, the failure written, when they
// could not be had.
std::optional<std::vector<tmdb::EpisodeGroupEntry>> fetchDvdGroups(const CliContext& context,
                                                                   std::int32_t showId);
// Opens a film as the window does: title, original title, year, running time and overview.
int runFilm(CliContext& context, const Arguments& arguments);
// Opens a film as the window does: the rows of the four credit lists, each list after a header.
int runCredits(CliContext& context, const Arguments& arguments);
// Opens a film as the window does, cover included, and prints the path of each cache file
// held for it, one a line; the steps that failed go to stderr and make the status 1.
int runOpen(CliContext& context, const Arguments& arguments);
// NUMBER: the first and last episode of the collection's disc profile NUMBER, as proposed from
// its dividers, its neighbours, what was copied, or a split of TMDb's season, and where the
// proposal came from: "3.05-3.08<TAB>neighbours". TMDb is asked only for the season episode
// counts the collection does not tell.
int runEpisodes(CliContext& context, const Arguments& arguments);
// [--from N] [--to M] [--birth-years]: searches the title index's profiles in number order and
// caches the films of certain matches (their people's birth years too when asked), one line
// per profile: number, status, TMDb id, title; the counts on stderr. Ctrl-C stops it cleanly.
int runPrefetch(CliContext& context, const Arguments& arguments);

} // namespace ravello::cli
