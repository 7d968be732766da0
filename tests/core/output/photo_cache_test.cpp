// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/output/photo_cache.h"
#include "core/tmdb/credit_rows.h"
#include "tests/support/temporary_folder.h"

namespace ravello::output {
namespace {

namespace fs = std::filesystem;

// Stands in for the fetcher: records the URLs asked for and stores `bytes`, or fails
// without touching the target, as the fetcher does.
struct FakeImageHost
{
    std::vector<std::string> urls;
    std::string bytes = "\xff\xd8\xff\xe0 picture";
    bool fail = false;

    PhotoCache::Downloader downloader()
    {
        return [this](const std::string& url, const fs::path& target) {
            urls.push_back(url);
            tmdb::FetchResult result;
            if (fail) {
                result.problem = tmdb::FetchProblem::HttpStatus;
                result.httpStatus = 404;
                return result;
            }
            testing::writeFileBytes(target, bytes);
            return result;
        };
    }
};

class PhotoCacheTest : public ::testing::Test
{
protected:
    testing::TemporaryFolder m_folder;
    FakeImageHost m_host;
    PhotoCache m_cache{files::ProgramFolders::at(m_folder.path()),
                       tmdb::Endpoint("https://api.test", "https://image.test", "key", "en-US"),
                       m_host.downloader()};

    fs::path db() const { return m_folder.path() / "DB"; }
};

const std::string kPath = "/kU3B75TyRiCgE270EyZnHjfivoq.jpg";

TEST_F(PhotoCacheTest, PersonNumberIsSpreadOverTwoFolderLevels)
{
    EXPECT_EQ(m_cache.pathFor(PhotoList::Cast, 819),
              db() / "Actors" / "000" / "000" / "0000819.jpg");
    EXPECT_EQ(m_cache.pathFor(PhotoList::Cast, 1234567),
              db() / "Actors" / "001" / "234" / "1234567.jpg");
    EXPECT_EQ(m_cache.pathFor(PhotoList::Crew, 1234567),
              db() / "Crew" / "001" / "234" / "1234567.jpg");
}

TEST_F(PhotoCacheTest, AddressIsTheOriginalSizeOnTheImageHost)
{
    EXPECT_EQ(m_cache.urlFor(kPath), "https://image.test/t/p/original" + kPath);
}

TEST_F(PhotoCacheTest, SecondRequestComesFromTheCacheWithoutDownload)
{
    const PhotoResult first = m_cache.photo(PhotoList::Cast, {819, kPath});
    ASSERT_TRUE(first.ok());
    EXPECT_TRUE(first.downloaded);
    EXPECT_EQ(testing::readFileBytes(first.file), m_host.bytes);

    const PhotoResult second = m_cache.photo(PhotoList::Cast, {819, kPath});
    ASSERT_TRUE(second.ok());
    EXPECT_FALSE(second.downloaded);
    EXPECT_EQ(second.file, first.file);
    EXPECT_EQ(m_host.urls.size(), 1u);
}

TEST_F(PhotoCacheTest, SamePersonIsCachedOnceForCastAndOnceForCrew)
{
    const PhotoResult cast = m_cache.photo(PhotoList::Cast, {819, kPath});
    const PhotoResult crew = m_cache.photo(PhotoList::Crew, {819, kPath});
    ASSERT_TRUE(cast.ok() && crew.ok());
    EXPECT_NE(cast.file, crew.file);
    EXPECT_TRUE(fs::exists(db() / "Crew" / "000" / "000" / "0000819.jpg"));
    EXPECT_EQ(m_host.urls.size(), 2u);
}

TEST_F(PhotoCacheTest, RowsWithoutPhotoMakeNoRequest)
{
    for (const std::string path : {"null", "", "/abcdefghij.j"}) { // the last has 14 characters
        EXPECT_EQ(m_cache.photo(PhotoList::Cast, {819, path}).problem, PhotoProblem::NoPhoto);
    }
    EXPECT_TRUE(m_host.urls.empty());
}

TEST_F(PhotoCacheTest, FifteenCharacterPathIsFetched)
{
    const std::string path = "/abcdefghij.jpg";
    ASSERT_EQ(path.size(), 15u);
    EXPECT_TRUE(m_cache.photo(PhotoList::Crew, {42, path}).ok());
    EXPECT_EQ(m_host.urls.size(), 1u);
}

TEST_F(PhotoCacheTest, FailedDownloadLeavesNoFileAndIsTriedAgain)
{
    m_host.fail = true;
    const PhotoResult failed = m_cache.photo(PhotoList::Cast, {819, kPath});
    EXPECT_EQ(failed.problem, PhotoProblem::DownloadFailed);
    EXPECT_EQ(failed.fetch.httpStatus, 404);
    EXPECT_FALSE(fs::exists(m_cache.pathFor(PhotoList::Cast, 819)));

    m_host.fail = false;
    EXPECT_TRUE(m_cache.photo(PhotoList::Cast, {819, kPath}).ok());
    EXPECT_EQ(m_host.urls.size(), 2u);
}

TEST_F(PhotoCacheTest, EmptyAnswerIsNoPhotoAndLeavesNoFile)
{
    m_host.bytes.clear();
    EXPECT_EQ(m_cache.photo(PhotoList::Cast, {819, kPath}).problem, PhotoProblem::EmptyDownload);
    EXPECT_FALSE(fs::exists(m_cache.pathFor(PhotoList::Cast, 819)));
}

TEST_F(PhotoCacheTest, DiscardedPhotoIsFetchedAgain)
{
    const PhotoResult first = m_cache.photo(PhotoList::Cast, {819, kPath});
    EXPECT_TRUE(PhotoCache::discard(first.file));
    EXPECT_TRUE(m_cache.photo(PhotoList::Cast, {819, kPath}).downloaded);
}

TEST_F(PhotoCacheTest, NonPositivePersonNumberMakesNoRequest)
{
    EXPECT_EQ(m_cache.photo(PhotoList::Cast, {0, kPath}).problem, PhotoProblem::BadPersonNumber);
    EXPECT_EQ(m_cache.photo(PhotoList::Cast, {-5, kPath}).problem, PhotoProblem::BadPersonNumber);
    EXPECT_TRUE(m_host.urls.empty());
}

TEST(PhotoRequest, IsReadFromEitherPhotoRow)
{
    const PhotoRequest cast =
        photoRequestFromCastRow(tmdb::formatCastPhotoRow({"819", "Jean Reno", "Leon", kPath}));
    EXPECT_EQ(cast.personNumber, 819);
    EXPECT_EQ(cast.photoPath, kPath);
    const PhotoRequest crew = photoRequestFromCrewRow(
        tmdb::formatCrewPhotoRow({"1234567", "Luc Besson", "Directing", "Director", "null"}));
    EXPECT_EQ(crew.personNumber, 1234567);
    EXPECT_EQ(crew.photoPath, "null");
}

} // namespace
} // namespace ravello::output
