// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/collection/episode_code.h"

// The episodes each profile holds, by profile: the episode dividers the import keeps beside
// the title index (EpisodesDVDP.TXT), and the episodes the program copied for a disc
// (CopiedEpisodes.TXT), in one file format.
namespace ravello::collection {

// The episodes of one profile; the ID is the profile's ID as the export and the title index
// give it (Windows-1252).
struct ProfileEpisodes
{
    std::string profileId;
    std::vector<EpisodeCode> codes;

    bool operator==(const ProfileEpisodes&) const = default;
};

// The file holds one profile a line, CR LF ended, Windows-1252:
//   ProfileId TAB 3.05 TAB 3.06 ...
// the codes as episodeCodeText writes them, in the order given. Control characters of the ID
// are written as spaces. A profile without episodes gets no line.
void appendEpisodeLine(std::string& out, std::string_view profileId,
                       std::span<const EpisodeCode> codes);

// A line of the file (with or without its line end); nothing when it has no ID, no code, or a
// field after the ID that is not a code alone.
std::optional<ProfileEpisodes> readEpisodeLine(std::string_view line);

// The episodes of the profiles of one file, looked up by profile ID.
class EpisodeTable
{
public:
    // The file's profiles. A missing or unreadable file gives an empty table; lines that
    // readEpisodeLine does not take are passed over; of a profile given twice, the later line
    // holds.
    static EpisodeTable load(const std::filesystem::path& file);

    std::size_t size() const { return m_profiles.size(); }
    bool empty() const { return m_profiles.empty(); }

    // The profile's episodes in episode order, each once; none when the table does not hold it.
    std::span<const EpisodeCode> find(std::string_view profileId) const;

    // Replaces the profile's episodes; no codes removes the profile.
    void set(std::string profileId, std::vector<EpisodeCode> codes);

    // Writes the table, its profiles in ID order, replacing the file whole (files::AtomicFile).
    // False when it could not.
    bool save(const std::filesystem::path& file) const;

private:
    std::map<std::string, std::vector<EpisodeCode>, std::less<>> m_profiles;
};

} // namespace ravello::collection
