// SPDX-License-Identifier: MIT
#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// An episode as the documents and DVD Profiler's dividers name it: "3.05", the season and the
// episode's number within it.
namespace ravello::collection {

struct EpisodeCode
{
    int season = 0; // 0 is the specials
    int episode = 0;

    // Season first, then episode: the order in which a box set holds them.
    auto operator<=>(const EpisodeCode&) const = default;
};

// "3.05": the season unpadded, the episode in at least two digits, as the documents' episode
// captions begin.
std::string episodeCodeText(EpisodeCode code);

// The code a divider caption begins with: "3.05 Anatomy of a Murder", "12.110", " 1.01: Pilot"
// (blanks before it are passed over). The season and the episode are one to four digits each,
// the episode at least 1, and the code ends the caption or stands before a character that is
// neither a letter, a digit nor a dot. A caption that does not begin so ("Pilot", "Episode 5",
// "1.5.2") has none.
std::optional<EpisodeCode> readEpisodeCode(std::string_view caption);

// Puts the codes in episode order, each once: a disc's episodes as its cast and its crew both
// list them, first to last.
void putInEpisodeOrder(std::vector<EpisodeCode>& codes);

} // namespace ravello::collection
