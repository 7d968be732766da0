// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "cli/cli_context.h"
#include "cli/season_credits.h"
#include "core/collection/collection_episodes.h"
#include "core/collection/title_index.h"

// The TV season of one of the collection's disc profiles, as the commands that take --profile
// and `episodes` find it.
namespace ravello::cli {

// The disc numbered `number` among the collection's; nothing, the failure written, when the
// collection has no such profile or its title names no season of a show.
const collection::CollectionDisc* discOfNumber(const CliContext& context,
                                               const collection::TitleIndex& index,
                                               const collection::CollectionEpisodes& episodes,
                                               int number);

// The show, season and episodes of the disc profile `number`: the show the profile's kept
// match names (ProfileMatches.TXT), else TMDb's certain match for the disc title's show; the
// season and the episodes are the disc's proposal, which may run into the next season.
// Nothing, the failure written, when the profile is no disc, no show is certain or nothing is
// proposed.
std::optional<SeasonArguments> profileSeasonArguments(const CliContext& context, int number);

} // namespace ravello::cli
