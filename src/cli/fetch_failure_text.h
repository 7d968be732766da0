// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

#include "core/tmdb/fetch_result.h"
#include "core/tmdb/film_cache.h"
#include "core/tmdb/season_cache.h"

namespace ravello::cli {

// What happened, in words, with the technical detail second: "The Movie Database did not
// answer within 30 seconds (curl error 28: ...)", or the HTTP status with TMDb's status
// message.
std::string fetchFailureText(const tmdb::FetchResult& result);

// One failed step of an opening: "details of film 4321: " and the failure's text.
std::string openingFailureText(std::int32_t filmId, const tmdb::OpeningFailure& failure);

// One failed step of a season's opening: "show 1399: " or "season 3 of show 1399: ", then the
// failure's text.
std::string seasonFailureText(const tmdb::SeasonOpening& opening,
                              const tmdb::SeasonFailure& failure);

} // namespace ravello::cli
