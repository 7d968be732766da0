// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/collection/episode_proposer.h"
#include "core/collection/episode_table.h"

namespace ravello::files {
class ProgramFolders;
} // namespace ravello::files

// What a disc's episodes are proposed from, gathered in one place for the window and the
// command-line tool: the collection's discs, the export's episode dividers and the program's
// copies, as the program folders hold them.
namespace ravello::collection {

class CollectionEpisodes
{
public:
    // The discs of the title index's lines, with the dividers and copies of `folders` (an
    // absent file gives no episodes).
    CollectionEpisodes(const files::ProgramFolders& folders,
                       std::span<const std::string> indexRecords);
    // The proposer holds the tables by reference: they stay where they are.
    CollectionEpisodes(const CollectionEpisodes&) = delete;
    CollectionEpisodes& operator=(const CollectionEpisodes&) = delete;

    // The first disc numbered `number`; nothing when that profile is no disc (or is absent).
    const CollectionDisc* discNumbered(int number) const;
    // The disc of that profile ID; nothing when it is no disc of the collection.
    const CollectionDisc* disc(std::string_view profileId) const;

    std::optional<EpisodeProposal> propose(std::string_view profileId,
                                           const SeasonEpisodeCounts& counts) const;

private:
    EpisodeTable m_dividers;
    EpisodeTable m_copied;
    EpisodeProposer m_proposer;
};

} // namespace ravello::collection
