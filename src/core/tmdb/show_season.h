// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/tmdb/tv_season.h"
#include "core/tmdb/tv_show.h"

// A season together with its show, as an opening brings it, and what the lists and the
// documents read of it: the episodes of a range, each episode's cast and crew in document
// order, the captions and the title.
namespace ravello::tmdb {

// The episodes numbered first to last, both included; a disc holds such a range.
struct EpisodeRange
{
    int first = 0;
    int last = 0;

    bool operator==(const EpisodeRange&) const = default;
};

struct ShowSeason
{
    TvShow show;
    TvSeason season;
    // The season's overview is TMDb's English one: it has none in the chosen language.
    bool overviewInEnglish = false;

    // From the first episode to the last; nothing for a season without episodes.
    std::optional<EpisodeRange> wholeSeason() const;
    // The episodes of the range, in episode order; none when the range holds no episode.
    std::vector<const Episode*> episodesIn(EpisodeRange range) const;
};

// One season's episodes of a range; a range that crosses the end of a season is one part per
// season it touches, in season order. The season must outlive the part.
struct SeasonPart
{
    const ShowSeason& content;
    EpisodeRange range;
};

// What the data page shows of a season, normalised to Windows-1252 as the film's page is.
struct SeasonDataPage
{
    std::string showId;       // in decimal
    std::string name;         // the show's name
    std::string originalName; // the show's original name
    std::string year;         // of the show's first air date; empty when it has none
    std::string overview;     // the season's
    bool overviewInEnglish = false;

    bool operator==(const SeasonDataPage&) const = default;
};

SeasonDataPage seasonDataPage(const ShowSeason& content);

// "Castle: Season 3", the documents' title; UTF-8 as TMDb sent the name.
std::string seasonTitle(const ShowSeason& content);

// "3.12 Poof, You're Dead": the season unpadded, the episode in at least two digits, the
// episode's name; UTF-8 as TMDb sent it.
std::string episodeCaption(int seasonNumber, const Episode& episode);

// The cast of an episode: the season's regulars by billing order, then the episode's guest
// stars by billing order, leaving out a guest who is also a regular. Each sort is stable and
// puts entries without an order last.
std::vector<const CastMember*> episodeCast(const ShowSeason& content, const Episode& episode);

// The crew of an episode: the show's creators, the episode's crew in TMDb's order, then the
// season's crew.
std::vector<const CrewMember*> episodeCrew(const ShowSeason& content, const Episode& episode);

} // namespace ravello::tmdb
