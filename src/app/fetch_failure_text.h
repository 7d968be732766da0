// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "core/tmdb/fetch_result.h"
#include "core/tmdb/film_cache.h"

namespace ravello::app {

// The text of the message box for a failed retrieval (fixed English texts, as every network
// message of the window): "Connection Failed or Syntax error", "Failed to open URL\nError
// No:<code>", or the HTTP status with TMDb's status message.
std::string fetchFailureText(const tmdb::FetchResult& result);

// The title of the message box for a failed opening step: "Error" for the cover, "Errore" for
// the details and the credits.
const char* fetchFailureTitle(tmdb::OpeningStep step);

} // namespace ravello::app
