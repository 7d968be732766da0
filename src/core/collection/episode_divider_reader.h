// SPDX-License-Identifier: MIT
#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/collection/episode_code.h"

namespace ravello::collection {

// A line the episode divider reader takes: a profile's <ID> line, or a divider line of its
// cast and crew.
struct DividerSourceLine
{
    std::string_view line;
    bool startsProfile = false;
};

// Writes the episode table (appendEpisodeLine) of an export from its profiles' <ID> lines and
// the divider lines of their cast and crew, given in the export's order: each profile whose
// dividers hold episode codes (episodeDividerCodes) gets a line, the codes of its cast and its
// crew together, in episode order, each once. The profile's ID is its <ID> element's content,
// as the title index gives it.
class EpisodeDividerReader
{
public:
    explicit EpisodeDividerReader(std::ostream& table);

    // Takes the next lines; their views need not outlive the call.
    void readLines(std::span<const DividerSourceLine> lines);
    // Writes the last profile's line; the count holds then.
    void finish();

    // Profiles written to the table.
    int profileCount() const { return m_profiles; }

private:
    void readDividers();
    void endProfile();

    std::ostream& m_table;
    std::string m_profileId;
    std::vector<std::string_view> m_dividers; // of the lines being read, since the last <ID>
    std::vector<EpisodeCode> m_codes;         // of the profile being read
    std::string m_written;
    int m_profiles = 0;
};

} // namespace ravello::collection
