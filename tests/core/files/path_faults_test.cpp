// SPDX-License-Identifier: MIT
// Paths from the user or the disk that no file system call can follow, for any user (root
// ignores permissions, not these): through a regular file, or with a name over 255 bytes.
// Every core entry point that takes such a path fails softly; none throws.
#include <gtest/gtest.h>

#include "core/collection/line_reader.h"
#include "core/files/atomic_file.h"
#include "core/files/program_folders.h"
#include "core/files/whole_file.h"
#include "core/tmdb/film_cache.h"
#include "tests/support/temporary_folder.h"

namespace ravello::files {
namespace {

namespace fs = std::filesystem;

class PathFaults : public ::testing::Test
{
protected:
    void SetUp() override { testing::writeFileBytes(m_folder / "file.txt", "not a folder"); }

    std::vector<fs::path> unreachable() const
    {
        const std::string tooLong(300, 'n');
        return {m_folder / "file.txt" / "RAVELLO", m_folder / tooLong,
                m_folder / tooLong / "RAVELLO"};
    }

    testing::TemporaryFolder m_folder;
};

TEST_F(PathFaults, FilesAndFoldersFailSoftly)
{
    for (const fs::path& path : unreachable()) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(readWholeFile(path));
        EXPECT_FALSE(writeFileAtomically(path, "x"));
        EXPECT_FALSE(writeFileAtomically(path / "x.txt", "x"));
        EXPECT_FALSE(collection::LineReader(path).isOpen());
        ProgramFolders::at(path).makeTree();
        std::error_code error;
        EXPECT_FALSE(fs::exists(ProgramFolders::at(path).filmDataFolder(), error));
    }
}

// Nothing can be cached there: the film is shown all the same, its steps reported.
TEST_F(PathFaults, FilmOpensOverAnUnreachableDatabase)
{
    const tmdb::Endpoint endpoint("http://127.0.0.1:9", "http://127.0.0.1:9", "0123456789abcdef",
                                  "it-IT");
    tmdb::FetcherOptions options;
    options.connectTimeout = std::chrono::milliseconds(500);
    tmdb::Fetcher fetcher(options);
    for (const fs::path& path : unreachable()) {
        SCOPED_TRACE(path);
        tmdb::FilmCache cache(ProgramFolders::at(path), endpoint, fetcher);
        const tmdb::FilmOpening opening = cache.open(4321, "http://127.0.0.1:9/t/p/original/a.jpg");
        EXPECT_FALSE(opening.coverFile);
        EXPECT_EQ(opening.failures.size(), 3u);
        cache.forgetCover(4321);
    }
}

} // namespace
} // namespace ravello::files
