// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "core/tmdb/prefetch_profile.h"
#include "core/tmdb/result_line.h"

namespace ravello::tmdb {

// The certain matches of the collection's profiles, kept between runs so that a profile
// already matched is not searched again: DB/DVDP/ProfileMatches.TXT, Windows-1252, a version
// line and then one line a profile, its fields separated by tabs:
//   RavelloProfileMatches<TAB>1
//   PROFILE  NUMBER  F|S  SEASON  YEAR  TITLE  ORIGINAL_TITLE  TMDB_ID  FOUND_YEAR  FOUND_TITLE
//   FOUND_ORIGINAL_TITLE  RESULT_LINE
// PROFILE is the collection's profile ID (#NUMBER for a profile without one); F a film, S a
// show and its SEASON; YEAR and the titles are the profile's as it was matched; the FOUND_
// fields and the result line are the match as its search gave it. A file of another version,
// or one that cannot be read, holds no match; a line that cannot be read is passed over.
// Uncertain matches and profiles without one are not kept: they are searched again.
class ProfileMatches
{
public:
    // The matches kept in `file`.
    static ProfileMatches load(std::filesystem::path file);

    // The certain match kept for the profile, when the profile still has the kind, titles, year
    // and season it was matched with; nothing otherwise.
    std::optional<FoundFilm> certainMatch(const PrefetchProfile& profile) const;
    // Keeps the profile's certain match.
    void remember(const PrefetchProfile& profile, const FoundFilm& match);
    // Forgets the profile's match, as when its search found none certain.
    void forget(const PrefetchProfile& profile);

    // Writes the matches remembered and forgotten here into the file as it is now (another run
    // may have written it meanwhile), replacing it atomically. True when nothing changed;
    // false when it could not be written.
    bool save() const;

    struct Entry
    {
        int number = 0;
        MatchKind kind = MatchKind::Film;
        int season = 0;
        WantedFilm wanted;
        std::int32_t tmdbId = 0;
        FoundFilm found;
    };

private:
    explicit ProfileMatches(std::filesystem::path file);

    std::filesystem::path m_file;
    std::map<std::string, Entry> m_entries; // by profile
    // What this run changed, by profile: the new entry, or nothing for one forgotten.
    std::map<std::string, std::optional<Entry>> m_changes;
};

} // namespace ravello::tmdb
