// SPDX-License-Identifier: MIT
#include "core/files/program_folders.h"

#include <system_error>

namespace ravello::files {
namespace fs = std::filesystem;

ProgramFolders::ProgramFolders(fs::path databaseFolder) : m_database(std::move(databaseFolder)) {}

ProgramFolders ProgramFolders::under(const fs::path& userDataFolder)
{
    // With no per-user folder the tree starts at the root, as the program always has done.
    // A working folder that no longer exists gives no root: the generic one is taken then.
    std::error_code error;
    const fs::path root = fs::current_path(error).root_path();
    const fs::path base = !userDataFolder.empty() ? userDataFolder : (error ? fs::path("/") : root);
    return ProgramFolders(base / "Orvanet" / "RAVELLO");
}

ProgramFolders ProgramFolders::at(fs::path databaseFolder)
{
    return ProgramFolders(std::move(databaseFolder));
}

void ProgramFolders::makeTree() const
{
    std::error_code ignored;
    fs::create_directories(m_database, ignored);
    const fs::path folders[] = {
        db(),
        db() / "Movie",
        filmCreditsFolder(),
        db() / "Movie" / "Checks",
        filmDataFolder(),
        castPhotosFolder(),
        crewPhotosFolder(),
        peopleFolder(),
        coversFolder(),
        db() / "TV",
        tvShowsFolder(),
        tvSeasonsFolder(),
        tvCoversFolder(),
        tvGroupsFolder(),
        db() / "DVDP",
    };
    for (const fs::path& folder : folders)
        fs::create_directory(folder, ignored);
}

} // namespace ravello::files
