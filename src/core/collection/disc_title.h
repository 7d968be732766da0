// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Collectors title the discs of a TV box set "Castle: Season 3: Disc 2": the show, the season,
// the disc. Such a title leads to a TV search for the show and to that season.
namespace ravello::collection {

struct DiscTitle
{
    std::string show; // Windows-1252, as the title holds it
    int season = 0;
    std::optional<int> disc;

    bool operator==(const DiscTitle&) const = default;
};

// Reads "X: Season N" and "X: Season N: Disc M" (Windows-1252), the season word also
// Staffel, Saison, Temporada, Stagione or Series and the disc word also Disk, DVD, Disco or
// Disque, in any case, each followed by its number. X may hold colons of its own ("Star Trek:
// The Next Generation: Season 3"). Any other title is no disc title: nothing.
std::optional<DiscTitle> readDiscTitle(std::string_view title);

} // namespace ravello::collection
