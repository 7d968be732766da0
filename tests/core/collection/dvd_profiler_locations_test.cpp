// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/collection/dvd_profiler_locations.h"

namespace ravello::collection {
namespace {

TEST(DvdProfilerLocations, ChosenFileLeavesItsFolder)
{
    const struct
    {
        std::string_view chosen;
        std::string_view folder;
    } cases[] = {
        {"D:\\Data\\DVD Profiler\\Databases\\Default\\Collection.Dat",
         "D:\\Data\\DVD Profiler\\Databases\\Default"},
        {"/home/anna/.wine/drive_c/users/anna/Documents/DVD Profiler/Databases/Default/"
         "Collection.Dat",
         "/home/anna/.wine/drive_c/users/anna/Documents/DVD Profiler/Databases/Default"},
        {"C:/Users/anna/Collection.Dat", "C:/Users/anna"},
        {"C:\\Collection.Dat", "C:\\"},
        {"/Collection.Dat", "/"},
        {"Collection.Dat", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(folderOfChosenFile(c.chosen), c.folder) << c.chosen;
}

TEST(DvdProfilerLocations, CoverIsTheProfilesFrontImage)
{
    EXPECT_EQ(coverFileOf("/dvdp", "025192012421.4"),
              std::filesystem::path("/dvdp") / "Images" / "025192012421.4f.jpg");
}

TEST(DvdProfilerLocations, ProfileIdThatCouldLeaveTheImagesFolderGivesNoCover)
{
    for (std::string_view id :
         {"", "..", "../../secret", "a/b", "a\\b", "C:evil", "..\\x", "x..", "a\x01"})
        EXPECT_FALSE(coverFileOf("/dvdp", id).has_value()) << id;
}

TEST(DvdProfilerLocations, DefaultDatabaseIsBelowTheDocumentsFolder)
{
    EXPECT_EQ(defaultDatabaseFolder("/home/anna/Documents"),
              std::filesystem::path("/home/anna/Documents") / "DVD Profiler" / "Databases" /
                  "Default");
    EXPECT_TRUE(defaultDatabaseFolder({}).empty());
}

} // namespace
} // namespace ravello::collection
