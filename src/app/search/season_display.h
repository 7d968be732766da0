// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/tmdb/episode_groups.h"
#include "core/tmdb/show_season.h"

namespace ravello::app {

class CastPage;
class InterfaceLanguage;
struct FilmFields;

// The part of the range in the season after the one shown, when the range goes on into it (a
// disc holding the end of one season and the start of the next).
struct ContinuedSeason
{
    tmdb::ShowSeason content;
    tmdb::EpisodeRange range;
};

// The number of the show's season after the one shown, when the show lists it with episodes.
std::optional<int> nextSeasonOf(const tmdb::ShowSeason& shown);

// The continuation controls under the season shown: shown while it has a next season, the box
// naming that season and checked while the range goes on into it, the spin box over the next
// season's episodes at the last one the range takes; the range's last episode is the season's
// own last while it continues. The controls tell nobody while they change.
void showContinuation(CastPage& page, const tmdb::ShowSeason& shown,
                      const ContinuedSeason* continued, const InterfaceLanguage& language);

// Fills the season bar for the season shown: the show's seasons in the chooser ("Season 1 (7
// episodes)", the specials as such), the season selected, and the first and last episode of
// the range. The bar's controls tell nobody while they change.
void showSeasonBar(CastPage& page, const tmdb::ShowSeason& content, tmdb::EpisodeRange range,
                   const InterfaceLanguage& language);

// Fills the episode order chooser: TMDb's seasons, then the show's DVD groups by name, the
// chosen one selected; shown only when the show has DVD groups. It tells nobody while it
// changes.
void showEpisodeOrders(CastPage& page, const std::vector<tmdb::EpisodeGroupEntry>& groups,
                       const std::optional<std::string>& chosen, const InterfaceLanguage& language);

// The season's data: the show's name, original name and first-air year, the season's overview
// (with the note when it is TMDb's English one); a season has no running time.
void showSeasonData(const FilmFields& fields, const tmdb::ShowSeason& content,
                    const InterfaceLanguage& language);

} // namespace ravello::app
