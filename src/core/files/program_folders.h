// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>

namespace ravello::files {

// Where the program keeps its settings, its title index and its caches.
class ProgramFolders
{
public:
    // The program database folder below a per-user data folder: base/Orvanet/RAVELLO.
    static ProgramFolders under(const std::filesystem::path& userDataFolder);
    // A program database folder given directly (the command line's --data-dir).
    static ProgramFolders at(std::filesystem::path databaseFolder);

    const std::filesystem::path& database() const { return m_database; }
    std::filesystem::path db() const { return m_database / "DB"; }
    std::filesystem::path settingsFile() const { return m_database / "Ravello.INI"; }
    std::filesystem::path crewMappingFile() const { return m_database / "CrewMapping.txt"; }
    std::filesystem::path titleIndexFile() const { return db() / "DVDP" / "DatabaseDVDP.TXT"; }
    // The people of the user's collection, which the import writes beside the title index.
    std::filesystem::path peopleTableFile() const { return peopleTableBeside(titleIndexFile()); }
    static std::filesystem::path peopleTableBeside(const std::filesystem::path& indexFile)
    {
        return indexFile.parent_path() / "PeopleDVDP.TXT";
    }
    // The certain matches of the collection's profiles, kept between preparations.
    std::filesystem::path profileMatchesFile() const
    {
        return db() / "DVDP" / "ProfileMatches.TXT";
    }
    // The episode dividers of the collection's profiles, which the import keeps beside the
    // title index.
    std::filesystem::path episodeTableFile() const { return episodeTableBeside(titleIndexFile()); }
    static std::filesystem::path episodeTableBeside(const std::filesystem::path& indexFile)
    {
        return indexFile.parent_path() / "EpisodesDVDP.TXT";
    }
    // The episodes the program copied for each disc profile; an import leaves it as it is.
    std::filesystem::path copiedEpisodesFile() const { return db() / "CopiedEpisodes.TXT"; }
    std::filesystem::path coversFolder() const { return db() / "Covers"; }
    std::filesystem::path filmDataFolder() const { return db() / "Movie" / "FilmData"; }
    std::filesystem::path filmCreditsFolder() const { return db() / "Movie" / "Actors"; }
    std::filesystem::path castPhotosFolder() const { return db() / "Actors"; }
    std::filesystem::path crewPhotosFolder() const { return db() / "Crew"; }
    std::filesystem::path peopleFolder() const { return db() / "People"; }
    std::filesystem::path tvShowsFolder() const { return db() / "TV" / "Shows"; }
    std::filesystem::path tvSeasonsFolder() const { return db() / "TV" / "Seasons"; }
    std::filesystem::path tvCoversFolder() const { return db() / "TV" / "Covers"; }

    // Makes every folder of the tree, parents first. A folder that cannot be made is skipped:
    // the operations that need it report their own failure later.
    void makeTree() const;

private:
    explicit ProgramFolders(std::filesystem::path databaseFolder);
    std::filesystem::path m_database;
};

} // namespace ravello::files
