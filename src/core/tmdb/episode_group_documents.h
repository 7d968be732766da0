// SPDX-License-Identifier: MIT
#pragma once

#include "core/tmdb/json_document.h"

// What the episode group cache stores: TMDb's answers that are the documents asked for. Kept
// apart from episode_groups.h so that the readers' users need not see the JSON library.
namespace ravello::tmdb {

// A show's list of episode groups: an object with a "results" array.
bool isEpisodeGroupsDocument(const json::Document& document);
// One episode group: an object with a "groups" array and an identifier that is one.
bool isEpisodeGroupDocument(const json::Document& document);

} // namespace ravello::tmdb
