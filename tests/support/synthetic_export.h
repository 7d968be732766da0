// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

namespace ravello::testing {

// The shape of a made-up DVD Profiler export.
struct SyntheticExportOptions
{
    int profiles = 100;
    int castPerProfile = 45;
    int crewPerProfile = 35;
    int people = 200000;   // cast and crew come from this many people, the first ones most often
    int overviewLines = 4; // 1 writes the overview on one line
    bool markupEveryLine = false; // escaped markup on every overview line, not just the first
    bool myLinks = true;          // older DVD Profiler versions write no MyLinks element
    bool crLf = true;             // CR LF line ends, as DVD Profiler on Windows writes them
    int unnumberedEvery = 25;     // every n-th profile has no collection number (0: none)
    int sharedNumberEvery = 40;   // every n-th profile repeats the previous number (0: none)
    // Every n-th profile is a disc of a box set whose cast and crew are divided into four
    // episodes, each opened by a divider line (0: none).
    int episodeDiscEvery = 0;
    std::uint32_t seed = 1;
};

// Writes an export shaped like DVD Profiler's: Windows-1252, two spaces of indentation per
// level, one element a line, empty elements self-closing, overviews over several lines with
// escaped markup, accented letters, full cast and crew lists, and the Locks element closing
// every profile. About 15 KB a profile with the default cast and crew.
void writeSyntheticExport(std::ostream& out, const SyntheticExportOptions& options);

// Person `number` (from 0) of the exports' cast and crew, its texts as the import reads them
// (Windows-1252, entities decoded). Names repeat every 80,000 people with other birth years;
// every fifth person has a middle name, every 50th an apostrophe in the last name, and some
// accented letters.
struct SyntheticPerson
{
    std::string first;
    std::string middle;
    std::string last;
    int birthYear = 0;
};
SyntheticPerson syntheticPerson(int number);

} // namespace ravello::testing
