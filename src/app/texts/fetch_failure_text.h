// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "app/texts/interface_texts.h"
#include "core/tmdb/fetch_result.h"
#include "core/tmdb/film_cache.h"

namespace ravello::app {

// The message box text for a failed retrieval, from the interface texts in the language
// (0..4): what failed in words first (a time-out names its limit), then the transfer error's
// code or the HTTP status and TMDb's status message where they tell more. Empty for a
// retrieval that did not fail or was cancelled.
QString fetchFailureText(const tmdb::FetchResult& result, const MessageTable& messages,
                         int languageIndex);

// The title of the message box for a failed step of opening a film.
QString openingFailureTitle(tmdb::OpeningStep step, const MessageTable& messages,
                            int languageIndex);

} // namespace ravello::app
