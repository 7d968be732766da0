// SPDX-License-Identifier: MIT
#include "core/collection/episode_divider_reader.h"

#include "core/collection/episode_dividers.h"
#include "core/collection/episode_table.h"
#include "core/collection/tag_text.h"

namespace ravello::collection {

EpisodeDividerReader::EpisodeDividerReader(std::ostream& table) : m_table(table) {}

// A profile's dividers may run over several calls: the codes of each call's lines are kept
// until the next profile begins.
void EpisodeDividerReader::readLines(std::span<const DividerSourceLine> lines)
{
    for (const DividerSourceLine& line : lines) {
        if (!line.startsProfile) {
            m_dividers.push_back(line.line);
            continue;
        }
        readDividers();
        endProfile();
        m_profileId.assign(tagContent(line.line));
    }
    readDividers();
    m_table.write(m_written.data(), static_cast<std::streamsize>(m_written.size()));
    m_written.clear();
}

void EpisodeDividerReader::finish()
{
    endProfile();
    m_table.write(m_written.data(), static_cast<std::streamsize>(m_written.size()));
    m_written.clear();
}

void EpisodeDividerReader::readDividers()
{
    if (m_dividers.empty())
        return;
    const std::vector<EpisodeCode> codes = episodeDividerCodes(m_dividers);
    m_codes.insert(m_codes.end(), codes.begin(), codes.end());
    m_dividers.clear();
}

// Dividers before the first <ID> belong to no profile and are dropped.
void EpisodeDividerReader::endProfile()
{
    if (!m_codes.empty() && !m_profileId.empty()) {
        putInEpisodeOrder(m_codes);
        appendEpisodeLine(m_written, m_profileId, m_codes);
        ++m_profiles;
    }
    m_codes.clear();
    m_profileId.clear();
}

} // namespace ravello::collection
