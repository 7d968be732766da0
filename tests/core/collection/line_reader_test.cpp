// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "core/collection/line_reader.h"
#include "tests/support/temporary_folder.h"

namespace ravello::collection {
namespace {

using testing::TemporaryFolder;
using testing::writeFileBytes;

std::vector<std::string> readAll(LineReader& reader)
{
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.next(line))
        lines.emplace_back(line);
    return lines;
}

TEST(LineReader, GivesEveryLineWhateverTheBlockSize)
{
    TemporaryFolder folder;
    const std::string longLine(5000, 'x');
    const std::string bytes = "<a>\r\n\r\nsecond\n" + longLine + "\r\nlast without end";
    writeFileBytes(folder / "f.txt", bytes);
    const std::vector<std::string> expected = {"<a>\r", "\r", "second", longLine + "\r",
                                               "last without end"};
    for (std::size_t block : {1u, 2u, 3u, 7u, 64u, 4096u, 1u << 20}) {
        LineReader reader(folder / "f.txt", block);
        ASSERT_TRUE(reader.isOpen());
        EXPECT_EQ(readAll(reader), expected) << "block " << block;
        EXPECT_FALSE(reader.failed());
        EXPECT_EQ(reader.position(), bytes.size());
        EXPECT_EQ(reader.size(), bytes.size());
    }
}

TEST(LineReader, EndsAfterAFinalLineEndWithoutAnEmptyLine)
{
    TemporaryFolder folder;
    writeFileBytes(folder / "f.txt", "one\r\ntwo\r\n");
    LineReader reader(folder / "f.txt", 4);
    EXPECT_EQ(readAll(reader), (std::vector<std::string>{"one\r", "two\r"}));
}

TEST(LineReader, EmptyFileGivesNoLine)
{
    TemporaryFolder folder;
    writeFileBytes(folder / "f.txt", "");
    LineReader reader(folder / "f.txt");
    ASSERT_TRUE(reader.isOpen());
    EXPECT_TRUE(readAll(reader).empty());
    EXPECT_FALSE(reader.failed());
}

TEST(LineReader, MissingFileOrFolderIsNotOpen)
{
    TemporaryFolder folder;
    LineReader missing(folder / "none.txt");
    LineReader directory(folder.path());
    EXPECT_FALSE(missing.isOpen());
    EXPECT_FALSE(directory.isOpen());
    std::string_view line;
    EXPECT_FALSE(missing.next(line));
    EXPECT_FALSE(directory.next(line));
}

TEST(LineReader, CountsTheBlocksItReads)
{
    TemporaryFolder folder;
    writeFileBytes(folder / "f.txt", std::string(100, 'a') + "\n");
    LineReader reader(folder / "f.txt", 10);
    std::string_view line;
    ASSERT_TRUE(reader.next(line));
    EXPECT_EQ(line.size(), 100u);
    EXPECT_EQ(reader.blocksRead(), 11u);
}

} // namespace
} // namespace ravello::collection
