// SPDX-License-Identifier: MIT
#include "core/output/photo_cache.h"
#include "core/tmdb/fetcher.h"
#include "tests/network/network_test.h"
#include "tests/support/temporary_folder.h"

namespace ravello::testing {
namespace {

namespace fs = std::filesystem;
using output::PhotoCache;
using output::PhotoList;
using output::PhotoProblem;

class PhotoCacheOnline : public NetworkTest
{
protected:
    TemporaryFolder m_folder;
    tmdb::Fetcher m_fetcher{quickOptions()};
    tmdb::Endpoint m_endpoint = endpoint();
    PhotoCache m_cache{files::ProgramFolders::at(m_folder.path()), m_endpoint, m_fetcher};
};

const std::string kPhoto = "/ann1234567890abcdefghijk.jpg";

TEST_F(PhotoCacheOnline, FetchesOnceThenServesFromTheCache)
{
    const auto first = m_cache.photo(PhotoList::Cast, {819, kPhoto});
    ASSERT_TRUE(first.ok()) << tmdb::failureDetail(first.fetch);
    EXPECT_EQ(readFileBytes(first.file), readFileBytes(fixturePath("tmdb/images" + kPhoto)));
    ASSERT_EQ(server().requestCount(), 1u);
    EXPECT_EQ(server().requests().at(0).path, "/t/p/original" + kPhoto);

    const auto second = m_cache.photo(PhotoList::Cast, {819, kPhoto});
    EXPECT_TRUE(second.ok());
    EXPECT_FALSE(second.downloaded);
    EXPECT_EQ(server().requestCount(), 1u);
}

TEST_F(PhotoCacheOnline, SamePersonIsCachedOnceForCastAndOnceForCrew)
{
    const auto cast = m_cache.photo(PhotoList::Cast, {819, kPhoto});
    const auto crew = m_cache.photo(PhotoList::Crew, {819, kPhoto});
    ASSERT_TRUE(cast.ok() && crew.ok());
    EXPECT_NE(cast.file, crew.file);
    EXPECT_EQ(server().requestCount(), 2u);
}

TEST_F(PhotoCacheOnline, FifteenCharacterPathIsFetched)
{
    const std::string path = "/abcdefghij.jpg";
    ASSERT_EQ(path.size(), 15u);
    m_cache.photo(PhotoList::Crew, {42, path});
    EXPECT_EQ(server().requestCount(), 1u);
}

TEST_F(PhotoCacheOnline, EmptyAnswerIsNoPhotoAndLeavesNoFile)
{
    ScriptedAnswer empty;
    empty.contentType = "image/jpeg";
    server().queueAnswer(empty);
    const auto result = m_cache.photo(PhotoList::Cast, {819, kPhoto});
    EXPECT_EQ(result.problem, PhotoProblem::EmptyDownload);
    EXPECT_FALSE(fs::exists(result.file));
}

TEST_F(PhotoCacheOnline, DiscardedPhotoIsFetchedAgain)
{
    const auto first = m_cache.photo(PhotoList::Cast, {819, kPhoto});
    ASSERT_TRUE(first.ok());
    EXPECT_TRUE(PhotoCache::discard(first.file));
    EXPECT_TRUE(m_cache.photo(PhotoList::Cast, {819, kPhoto}).downloaded);
    EXPECT_EQ(server().requestCount(), 2u);
}

TEST_F(PhotoCacheOnline, FailedDownloadLeavesNothingAndIsTriedAgain)
{
    server().queueError(500);
    const auto failed = m_cache.photo(PhotoList::Crew, {1234567, kPhoto});
    EXPECT_EQ(failed.problem, PhotoProblem::DownloadFailed);
    EXPECT_EQ(failed.fetch.httpStatus, 500);
    EXPECT_FALSE(fs::exists(failed.file));
    EXPECT_TRUE(fs::is_empty(failed.file.parent_path()));

    EXPECT_TRUE(m_cache.photo(PhotoList::Crew, {1234567, kPhoto}).ok());
    EXPECT_EQ(server().requestCount(), 2u);
}

TEST_F(PhotoCacheOnline, MissingPhotoOnTheHostIsReported)
{
    const auto missing = m_cache.photo(PhotoList::Cast, {77, "/no1234567890abcdefghijk.jpg"});
    EXPECT_EQ(missing.problem, PhotoProblem::DownloadFailed);
    EXPECT_EQ(missing.fetch.httpStatus, 404);
    EXPECT_FALSE(fs::exists(missing.file));
}

} // namespace
} // namespace ravello::testing
