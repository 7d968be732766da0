// SPDX-License-Identifier: MIT
#include <chrono>
#include <ctime>
#include <gtest/gtest.h>

#include "core/collection/export_timestamp.h"
#include "tests/support/temporary_folder.h"

namespace ravello::collection {
namespace {

using testing::TemporaryFolder;
using testing::writeFileBytes;

// Sets the file's last-write time to a calendar time in local time.
void setLocalWriteTime(const std::filesystem::path& file, std::tm local)
{
    local.tm_isdst = -1;
    const std::time_t time = std::mktime(&local);
    const auto system = std::chrono::system_clock::from_time_t(time);
#if defined(__cpp_lib_chrono) && __cpp_lib_chrono >= 201907L
    const auto fileTime = std::chrono::clock_cast<std::chrono::file_clock>(system);
#else
    const auto fileTime = std::chrono::file_clock::from_sys(system);
#endif
    std::filesystem::last_write_time(
        file, std::chrono::time_point_cast<std::filesystem::file_time_type::duration>(fileTime));
}

TEST(ExportTimestamp, ReadsTheLastWriteTimeInLocalTime)
{
    TemporaryFolder folder;
    writeFileBytes(folder / "Collection.xml", "<Collection/>");
    std::tm local{};
    local.tm_year = 2023 - 1900;
    local.tm_mon = 10; // November
    local.tm_mday = 5;
    local.tm_hour = 21;
    local.tm_min = 7;
    local.tm_sec = 42;
    setLocalWriteTime(folder / "Collection.xml", local);
    const auto stamp = readExportTimestamp(folder / "Collection.xml");
    ASSERT_TRUE(stamp.has_value());
    EXPECT_EQ(*stamp, (settings::ExportStamp{2023, 11, 5, 21, 7, 42}));
}

// Paths that no user can read, root included: a folder, a path through a file, a name over
// 255 bytes. None has a time, none asks for an import, and none throws.
TEST(ExportTimestamp, PathThatCannotBeReadHasNoTimeAndDoesNotAsk)
{
    TemporaryFolder folder;
    writeFileBytes(folder / "file.txt", "not a folder");
    for (const auto& path : {folder / "none.xml", folder.path(), folder / "file.txt" / "x.xml",
                             folder / (std::string(300, 'x') + ".xml")}) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(readExportTimestamp(path).has_value());
        EXPECT_FALSE(exportChanged(path, settings::ExportStamp{}));
    }
}

TEST(ExportTimestamp, FirstRunAsks)
{
    TemporaryFolder folder;
    writeFileBytes(folder / "Collection.xml", "<Collection/>");
    EXPECT_TRUE(exportChanged(folder / "Collection.xml", settings::ExportStamp{}));
}

TEST(ExportTimestamp, UntouchedExportDoesNotAsk)
{
    TemporaryFolder folder;
    writeFileBytes(folder / "Collection.xml", "<Collection/>");
    const auto stamp = readExportTimestamp(folder / "Collection.xml");
    ASSERT_TRUE(stamp.has_value());
    EXPECT_FALSE(exportChanged(folder / "Collection.xml", *stamp));
}

TEST(ExportTimestamp, NewExportAsks)
{
    TemporaryFolder folder;
    writeFileBytes(folder / "Collection.xml", "<Collection/>");
    const auto stamp = readExportTimestamp(folder / "Collection.xml");
    ASSERT_TRUE(stamp.has_value());
    const auto file = folder / "Collection.xml";
    std::filesystem::last_write_time(file, std::filesystem::last_write_time(file) +
                                               std::chrono::seconds(1));
    EXPECT_TRUE(exportChanged(file, *stamp));
}

} // namespace
} // namespace ravello::collection
