// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string>

#include "core/collection/episode_table.h"

// How well the episode proposer finds a disc's episodes, measured on a collection whose discs
// carry their own episode dividers: each such disc, its dividers taken away, is proposed from
// the rest of the collection, and compared with what its dividers say.
namespace ravello::collection {

struct LeaveOneOutCounts
{
    int discs = 0;       // discs of the collection with dividers of their own
    int fromTheRest = 0; // of those, proposed from the rest with exactly their first and last
    int fromProfile = 0; // of those, proposed from their own dividers (source profile) exactly

    // Shares of the discs, in percent; 100 when there are none.
    double fromTheRestPercent() const;
    double fromProfilePercent() const;
};

// The counts over the discs of the title index's lines (collectionDiscs), with the export's
// episode dividers and nothing copied. TMDb's episode counts stand in as the highest episode
// of each season of the show that the dividers of the whole collection name (the show compared
// as the proposer compares it): the disc left out counts, as TMDb knows a season whichever
// discs the collection holds.
LeaveOneOutCounts measureLeaveOneOut(std::span<const std::string> indexRecords,
                                     const EpisodeTable& dividers);

} // namespace ravello::collection
