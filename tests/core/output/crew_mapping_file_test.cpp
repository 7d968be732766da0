// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/output/crew_mapping_file.h"
#include "tests/support/temporary_folder.h"

namespace ravello::output {
namespace {

TEST(CrewMappingFile, MissingFileIsWrittenWithTheBuiltInRules)
{
    testing::TemporaryFolder folder;
    const auto file = folder / "RAVELLO" / "CrewMapping.txt";
    const LoadedCrewMapping loaded = loadCrewMapping(file);
    EXPECT_FALSE(loaded.error);
    EXPECT_EQ(loaded.mapping, CrewMapping::builtIn());
    EXPECT_EQ(testing::readFileBytes(file), writeCrewMappingFile(CrewMapping::builtIn()));
}

TEST(CrewMappingFile, DamagedFileIsLeftAsItIsAndTheBuiltInRulesAreUsed)
{
    testing::TemporaryFolder folder;
    const auto file = folder / "CrewMapping.txt";
    const std::string damaged = "department begins \"Camera\"\r\n# fine so far\r\n  group lens\r\n";
    testing::writeFileBytes(file, damaged);
    const LoadedCrewMapping loaded = loadCrewMapping(file);
    ASSERT_TRUE(loaded.error);
    EXPECT_EQ(loaded.error->line, 3);
    EXPECT_EQ(loaded.error->kind, CrewMappingErrorKind::GroupExpected);
    EXPECT_EQ(loaded.error->word, "lens");
    EXPECT_EQ(loaded.mapping, CrewMapping::builtIn());
    EXPECT_EQ(testing::readFileBytes(file), damaged);
}

TEST(CrewMappingFile, UnwritableFolderGivesTheBuiltInRulesAndSaysSo)
{
    testing::TemporaryFolder folder;
    testing::writeFileBytes(folder / "plain file", "x");
    const LoadedCrewMapping loaded = loadCrewMapping(folder / "plain file" / "CrewMapping.txt");
    ASSERT_TRUE(loaded.error);
    EXPECT_EQ(loaded.error->line, 0);
    EXPECT_EQ(loaded.error->kind, CrewMappingErrorKind::FileNotWritten);
    EXPECT_EQ(loaded.error->message, "the file could not be written");
    EXPECT_EQ(loaded.mapping, CrewMapping::builtIn());
}

// A folder in the file's place, or a name the system refuses (over 255 bytes), cannot be read
// by anyone, root included. Windows says that such a name is not there, and it cannot be
// written either.
TEST(CrewMappingFile, UnreadableFileGivesTheBuiltInRulesAndSaysSo)
{
#ifdef _WIN32
    constexpr auto kOverlongName = CrewMappingErrorKind::FileNotWritten;
#else
    constexpr auto kOverlongName = CrewMappingErrorKind::FileNotRead;
#endif
    testing::TemporaryFolder folder;
    std::filesystem::create_directories(folder / "CrewMapping.txt");
    const struct
    {
        std::filesystem::path file;
        CrewMappingErrorKind kind;
    } cases[] = {
        {folder / "CrewMapping.txt", CrewMappingErrorKind::FileNotRead},
        {folder / std::string(300, 'c'), kOverlongName},
    };
    for (const auto& test : cases) {
        const LoadedCrewMapping loaded = loadCrewMapping(test.file);
        ASSERT_TRUE(loaded.error);
        EXPECT_EQ(loaded.error->kind, test.kind);
        EXPECT_EQ(loaded.mapping, CrewMapping::builtIn());
    }
}

} // namespace
} // namespace ravello::output
