// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/output/photo_cache.h"
#include "core/tmdb/credit_rows.h"
#include "tests/support/temporary_folder.h"

namespace ravello::output {
namespace {

namespace fs = std::filesystem;

class PhotoCacheTest : public ::testing::Test
{
protected:
    testing::TemporaryFolder m_folder;
    // Never reached: these tests make no request (downloads are tested against the fake
    // TMDb with the network tests).
    tmdb::Fetcher m_fetcher;
    tmdb::Endpoint m_endpoint{"https://api.test", "https://image.test", "key", "en-US"};
    PhotoCache m_cache{files::ProgramFolders::at(m_folder.path()), m_endpoint, m_fetcher};

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

TEST_F(PhotoCacheTest, RowsWithoutPhotoMakeNoRequest)
{
    for (const std::string path : {"null", "", "/abcdefghij.j"}) { // the last has 14 characters
        EXPECT_EQ(m_cache.photo(PhotoList::Cast, {819, path}).problem, PhotoProblem::NoPhoto);
    }
}

TEST_F(PhotoCacheTest, NonPositivePersonNumberMakesNoRequest)
{
    EXPECT_EQ(m_cache.photo(PhotoList::Cast, {0, kPath}).problem, PhotoProblem::BadPersonNumber);
    EXPECT_EQ(m_cache.photo(PhotoList::Cast, {-5, kPath}).problem, PhotoProblem::BadPersonNumber);
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
