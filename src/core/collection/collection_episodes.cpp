// SPDX-License-Identifier: MIT
#include "core/collection/collection_episodes.h"

#include <algorithm>

#include "core/files/program_folders.h"

namespace ravello::collection {

CollectionEpisodes::CollectionEpisodes(const files::ProgramFolders& folders,
                                       std::span<const std::string> indexRecords)
    : m_dividers(EpisodeTable::load(folders.episodeTableFile())),
      m_copied(EpisodeTable::load(folders.copiedEpisodesFile())),
      m_proposer(collectionDiscs(indexRecords), m_dividers, m_copied)
{}

const CollectionDisc* CollectionEpisodes::discNumbered(int number) const
{
    const std::vector<CollectionDisc>& discs = m_proposer.discs();
    const auto found = std::find_if(discs.begin(), discs.end(), [number](const auto& disc) {
        return disc.collectionNumber == number;
    });
    return found == discs.end() ? nullptr : &*found;
}

const CollectionDisc* CollectionEpisodes::disc(std::string_view profileId) const
{
    return m_proposer.disc(profileId);
}

std::optional<EpisodeProposal> CollectionEpisodes::propose(std::string_view profileId,
                                                           const SeasonEpisodeCounts& counts) const
{
    return m_proposer.propose(profileId, counts);
}

} // namespace ravello::collection
