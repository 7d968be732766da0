// SPDX-License-Identifier: MIT
// Identifiers that come from files and from TMDb (film identifiers, person numbers, profile
// IDs, photo paths) never name a file outside the program's folders, and never a URL outside
// the image folder of the image host.
#include <climits>
#include <cstdint>
#include <gtest/gtest.h>

#include "core/collection/dvd_profiler_locations.h"
#include "core/output/photo_cache.h"
#include "core/tmdb/fetcher.h"
#include "core/tmdb/film_cache.h"

namespace ravello::files {
namespace {

namespace fs = std::filesystem;

bool liesInside(const fs::path& file, const fs::path& folder)
{
    const fs::path relative = file.lexically_normal().lexically_relative(folder);
    return !relative.empty() && *relative.begin() != ".." && !relative.is_absolute();
}

constexpr std::int32_t kIdentifiers[] = {INT32_MIN, -1000000, -1,      0,        1,
                                         999,       1000,     9999999, 12345678, INT32_MAX};

TEST(PathSafety, FilmFilesStayInTheirFolders)
{
    const ProgramFolders folders = ProgramFolders::at("/data/RAVELLO");
    const tmdb::Endpoint endpoint("https://api.example", "https://img.example", "key", "en-US");
    tmdb::Fetcher fetcher;
    const tmdb::FilmCache cache(folders, endpoint, fetcher);
    for (const std::int32_t id : kIdentifiers) {
        SCOPED_TRACE(id);
        EXPECT_TRUE(liesInside(cache.coverFile(id), folders.coversFolder()));
        EXPECT_TRUE(liesInside(cache.filmDataFile(id), folders.filmDataFolder()));
        EXPECT_TRUE(liesInside(cache.creditsFile(id), folders.filmCreditsFolder()));
    }
}

TEST(PathSafety, PhotoFilesStayInTheirFolders)
{
    const ProgramFolders folders = ProgramFolders::at("/data/RAVELLO");
    const tmdb::Endpoint endpoint("https://api.example", "https://img.example", "key", "en-US");
    tmdb::Fetcher unused;
    const output::PhotoCache photos(folders, endpoint, unused);
    for (const std::int32_t number : kIdentifiers) {
        SCOPED_TRACE(number);
        EXPECT_TRUE(liesInside(photos.pathFor(output::PhotoList::Cast, number),
                               folders.castPhotosFolder()));
        EXPECT_TRUE(liesInside(photos.pathFor(output::PhotoList::Crew, number),
                               folders.crewPhotosFolder()));
    }
    // A person number is digits only: anything else is no number at all.
    for (const char* number : {"../../1", "-5", "1/../../2", "x"})
        EXPECT_LE(output::photoRequestFromCastRow(std::string(number) + std::string(300, ' '))
                      .personNumber,
                  1)
            << number;
}

TEST(PathSafety, PhotoPathsStayInTheImageFolder)
{
    const tmdb::Endpoint endpoint("https://api.example", "https://img.example", "key", "en-US");
    const std::string folder = "https://img.example/t/p/original/";
    const struct
    {
        const char* path;
        const char* url;
    } cases[] = {
        {"/../../x.jpg", "%2E%2E/%2E%2E/x.jpg"},
        {"/./a/../b.jpg", "%2E/a/%2E%2E/b.jpg"},
        {"/..", "%2E%2E"},
        {"/...jpg", "...jpg"},
        {"/a..b.jpg", "a..b.jpg"},
        {"/x.jpg?api_key=1#f", "x.jpg%3Fapi_key%3D1%23f"},
        {"/%2e%2e/x", "%252e%252e/x"},
    };
    for (const auto& test : cases)
        EXPECT_EQ(endpoint.imageUrl(test.path), folder + test.url) << test.path;
}

TEST(PathSafety, CoverFilesStayInTheImagesFolder)
{
    for (const char* id : {"..", "../x", "..\\x", "/etc/passwd", "\\\\server\\share", "C:x", "a/b",
                           "a\\b", "x\n", "x\0y", "\x7F..\x7F"}) {
        const auto file = collection::coverFileOf("/dvdp", id);
        EXPECT_TRUE(!file || liesInside(*file, "/dvdp/Images")) << id;
    }
}

} // namespace
} // namespace ravello::files
