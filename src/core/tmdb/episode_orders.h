// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

// The episode order chosen for each show whose seasons the user follows in a DVD group of
// TMDb's instead of its air-date seasons: DB/TV/EpisodeOrders.TXT, a version line and then one
// line a show, its TMDb identifier and the group's, separated by a tab:
//   RavelloEpisodeOrders<TAB>1
//   SHOW_ID  GROUP_ID
// A show without a line follows TMDb's seasons. A file of another version holds no choice; a
// line that cannot be read is passed over.
namespace ravello::tmdb {

// The group chosen for the show; nothing when it follows TMDb's seasons.
std::optional<std::string> chosenEpisodeGroup(const std::filesystem::path& file,
                                              std::int32_t showId);

// Keeps the group chosen for the show, or with nothing its return to TMDb's seasons, in the file
// as it is now, replaced atomically. False when it could not be written, or when `groupId` is
// no group identifier.
bool keepEpisodeGroup(const std::filesystem::path& file, std::int32_t showId,
                      const std::optional<std::string>& groupId);

} // namespace ravello::tmdb
