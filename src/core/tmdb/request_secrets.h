// SPDX-License-Identifier: MIT
#pragma once

#include "core/tmdb/endpoint.h"
#include "core/tmdb/fetch_result.h"

namespace ravello::tmdb {

// The result with the request's bearer token and api_key value replaced by "***" in every
// text, since those texts end up in message boxes and logs.
FetchResult withoutSecrets(FetchResult result, const Request& request);

} // namespace ravello::tmdb
