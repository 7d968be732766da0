// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/files/atomic_file.h"
#include "tests/support/temporary_folder.h"

namespace ravello::files {
namespace {

namespace fs = std::filesystem;
using testing::readFileBytes;
using testing::TemporaryFolder;
using testing::writeFileBytes;

// Temporary files a killed writer left: the next writer of the same target removes the old
// ones and leaves those a writer may still be busy with, and every other file.
TEST(AtomicFile, NextWriterRemovesStaleTemporariesOfItsTarget)
{
    TemporaryFolder folder;
    const fs::path target = folder / "Ravello.INI";
    const fs::path stale = folder / "Ravello.INI.tmp123-0";
    const fs::path fresh = folder / "Ravello.INI.tmp456-1";
    const fs::path otherStale = folder / "Other.INI.tmp123-0";
    for (const fs::path& file : {stale, fresh, otherStale})
        writeFileBytes(file, "half");
    const auto anHourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    fs::last_write_time(stale, anHourAgo);
    fs::last_write_time(otherStale, anHourAgo);

    ASSERT_TRUE(writeFileAtomically(target, "whole"));
    EXPECT_EQ(readFileBytes(target), "whole");
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(fresh));
    EXPECT_TRUE(fs::exists(otherStale));
}

TEST(AtomicFile, WriterWithoutCommitLeavesTheTargetAndNoTemporary)
{
    TemporaryFolder folder;
    const fs::path target = folder / "index.txt";
    writeFileBytes(target, "old");
    {
        AtomicFile file(target);
        ASSERT_TRUE(file.isOpen());
        file.stream() << "new, never committed";
    }
    EXPECT_EQ(readFileBytes(target), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

// Files committed together: all are replaced, or (when the first cannot be renamed onto its
// target) the others keep their old content, one that had none is gone again, and no temporary
// file stays behind.
TEST(AtomicFile, FilesCommittedTogetherChangeTogether)
{
    TemporaryFolder folder;
    const fs::path index = folder / "index.txt";
    const fs::path people = folder / "people.txt";
    const fs::path episodes = folder / "episodes.txt";
    writeFileBytes(people, "old people");
    const auto commitAll = [&] {
        AtomicFile first(index);
        AtomicFile second(people);
        AtomicFile third(episodes);
        first.stream() << "new index";
        second.stream() << "new people";
        third.stream() << "new episodes";
        return commitTogether(first, {&second, &third});
    };
    ASSERT_TRUE(commitAll());
    EXPECT_EQ(readFileBytes(index), "new index");
    EXPECT_EQ(readFileBytes(people), "new people");
    EXPECT_EQ(readFileBytes(episodes), "new episodes");

    writeFileBytes(people, "old people");
    fs::remove(episodes);
    fs::remove(index);
    fs::create_directories(index / "taken");
    EXPECT_FALSE(commitAll());
    EXPECT_EQ(readFileBytes(people), "old people");
    EXPECT_FALSE(fs::exists(episodes));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 2);
}

} // namespace
} // namespace ravello::files
