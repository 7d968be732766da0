// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/cli_context.h"

namespace ravello::cli {

// The episode counts of the seasons of the show a disc title names, from TMDb: the show is the
// certain match of a TV search for its name (searched once, at the first season asked for),
// each season comes from the season cache, fetched only when not cached. What went wrong is
// kept in words for the command to tell: a count that could not be had is not known.
class ShowEpisodeCounts
{
public:
    // `show` is the disc title's show, Windows-1252.
    ShowEpisodeCounts(const CliContext& context, std::string show);

    std::optional<int> episodes(int season);

    // Why counts were not known, one text each, in order.
    const std::vector<std::string>& problems() const { return m_problems; }

private:
    std::optional<std::int32_t> showId();

    const CliContext& m_context;
    std::string m_show;
    std::optional<std::optional<std::int32_t>> m_showId; // once searched: the show, if certain
    std::vector<std::string> m_problems;
};

} // namespace ravello::cli
