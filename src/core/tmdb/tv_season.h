// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/tmdb/credit_members.h"

// A season of a TV show as TMDb answers /3/tv/{id}/season/{n}?append_to_response=credits: its
// episodes with their crew and guest stars, and the season's regular cast and crew. Texts are
// as TMDb sent them, JSON-decoded to UTF-8 and not yet normalised, as in the credit rows.
namespace ravello::tmdb {

struct Episode
{
    int number = 0;
    std::string name;
    std::vector<CrewMember> crew;       // in TMDb's order
    std::vector<CastMember> guestStars; // in TMDb's order
};

struct TvSeason
{
    int number = 0; // 0 is the specials
    std::string overview;
    std::string posterPath;           // TMDb's path ("/abc.jpg"); empty when the season has none
    std::vector<Episode> episodes;    // by episode number
    std::vector<CastMember> regulars; // credits.cast, in TMDb's order
    std::vector<CrewMember> crew;     // credits.crew, in TMDb's order
};

// The season of a season document; nothing when the text is not one (not JSON, an error
// document, no "episodes" array). Entries that are not objects are passed over.
std::optional<TvSeason> readTvSeason(std::string_view document);

} // namespace ravello::tmdb
