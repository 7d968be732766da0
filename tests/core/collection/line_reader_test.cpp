// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <string>
#include <utility>
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

// The lines of the texts nextLines gives, each text made of whole lines.
std::vector<std::string> readAllInTexts(LineReader& reader)
{
    std::vector<std::string> lines;
    std::string_view text;
    while (reader.nextLines(text)) {
        EXPECT_FALSE(text.empty());
        for (std::size_t end = text.find('\n'); end != std::string_view::npos;
             end = text.find('\n')) {
            lines.emplace_back(text.substr(0, end));
            text.remove_prefix(end + 1);
        }
        // Only the file's last line comes without its line end, alone.
        if (!text.empty()) {
            lines.emplace_back(text);
            EXPECT_EQ(reader.position(), reader.size());
        }
    }
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
        for (const auto& read : {readAll, readAllInTexts}) {
            LineReader reader(folder / "f.txt", block);
            ASSERT_TRUE(reader.isOpen());
            EXPECT_EQ(read(reader), expected) << "block " << block;
            EXPECT_FALSE(reader.failed());
            EXPECT_EQ(reader.position(), bytes.size());
            EXPECT_EQ(reader.size(), bytes.size());
        }
    }
}

TEST(LineReader, TextsStayWhileTheOtherBuffersAreFilled)
{
    TemporaryFolder folder;
    std::string bytes;
    for (int line = 0; line < 2000; ++line)
        bytes += std::string(static_cast<std::size_t>(line % 37), 'a' + line % 26) + "\n";
    writeFileBytes(folder / "f.txt", bytes);
    for (std::size_t buffers : {2u, 3u, 8u}) {
        LineReader reader(folder / "f.txt", 100, LineReader::kDefaultMaxLineBytes, buffers);
        // The texts given by the last buffers - 1 calls, as given and as copied then.
        std::vector<std::pair<std::string_view, std::string>> kept;
        std::string all;
        std::string_view text;
        while (reader.nextLines(text)) {
            for (const auto& [given, copy] : kept)
                ASSERT_EQ(given, copy) << buffers << " buffers";
            kept.emplace_back(text, std::string(text));
            if (kept.size() == buffers)
                kept.erase(kept.begin());
            all += text;
        }
        EXPECT_EQ(all, bytes);
    }
}

TEST(LineReader, LinesAndTextsOfLinesTakeTurns)
{
    TemporaryFolder folder;
    writeFileBytes(folder / "f.txt", "one\ntwo\nthree\nfour\n");
    LineReader reader(folder / "f.txt", 6);
    std::string_view line;
    ASSERT_TRUE(reader.next(line));
    EXPECT_EQ(line, "one");
    ASSERT_TRUE(reader.nextLines(line));
    EXPECT_EQ(line, "two\n");
    EXPECT_EQ(readAll(reader), (std::vector<std::string>{"three", "four"}));
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
