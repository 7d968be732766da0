// SPDX-License-Identifier: MIT
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

#include "core/files/atomic_file.h"
#include "tests/support/temporary_folder.h"

namespace ravello::files {
namespace {

namespace fs = std::filesystem;
using testing::readFileBytes;
using testing::TemporaryFolder;
using testing::writeFileBytes;

std::string restOf(std::ifstream& reader)
{
    return std::string(std::istreambuf_iterator<char>(reader), std::istreambuf_iterator<char>());
}

std::ptrdiff_t filesIn(const fs::path& folder)
{
    return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
}

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
    EXPECT_EQ(filesIn(folder.path()), 1);
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
    EXPECT_EQ(filesIn(folder.path()), 2);
}

// Another program reading the old file (DVD Profiler users keep files open) never loses it.
// Elsewhere the name passes to the new file while the reader keeps the old one; on Windows a
// file opened as the C runtime opens it cannot be replaced, and the commit fails, after a
// second's wait, with the old file whole and no temporary left.
TEST(AtomicFile, FileOpenForReadingIsReplacedWholeOrKept)
{
    TemporaryFolder folder;
    const fs::path target = folder / "DatabaseDVDP.TXT";
    writeFileBytes(target, "old");
    std::ifstream reader(target, std::ios::binary);
    ASSERT_TRUE(reader.is_open());
    const bool replaced = writeFileAtomically(target, "new");
#ifndef _WIN32
    EXPECT_TRUE(replaced);
#endif
    EXPECT_EQ(readFileBytes(target), replaced ? "new" : "old");
    EXPECT_EQ(restOf(reader), "old");
    EXPECT_EQ(filesIn(folder.path()), 1);
}

// The same for two files committed together while the first is held open: both new, or both
// old with nothing else in the folder.
TEST(AtomicFile, FilesCommittedTogetherWhileOneIsReadChangeTogether)
{
    TemporaryFolder folder;
    const fs::path index = folder / "index.txt";
    const fs::path people = folder / "people.txt";
    writeFileBytes(index, "old index");
    writeFileBytes(people, "old people");
    std::ifstream reader(index, std::ios::binary);
    const bool committed = [&] {
        AtomicFile first(index);
        AtomicFile second(people);
        first.stream() << "new index";
        second.stream() << "new people";
        return commitTogether(first, {&second});
    }();
#ifndef _WIN32
    EXPECT_TRUE(committed);
#endif
    EXPECT_EQ(readFileBytes(index), committed ? "new index" : "old index");
    EXPECT_EQ(readFileBytes(people), committed ? "new people" : "old people");
    EXPECT_EQ(restOf(reader), "old index");
    EXPECT_EQ(filesIn(folder.path()), 2);
}

} // namespace
} // namespace ravello::files
