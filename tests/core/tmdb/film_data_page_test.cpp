// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/tmdb/film_data_page.h"
#include "tests/support/temporary_folder.h"

namespace ravello::tmdb {
namespace {

FilmDataPage pageOf(std::int32_t filmId, const char* fixture)
{
    return readFilmDataPage(filmId, testing::readFileBytes(testing::fixturePath(fixture)));
}

TEST(FilmDataPage, TakesEveryValueFromTodaysDocument)
{
    const FilmDataPage page = pageOf(4321, "tmdb/movie/4321.json");
    EXPECT_EQ(page.filmId, "4321");
    EXPECT_EQ(page.title, "Sample Film");
    EXPECT_EQ(page.originalTitle, "Sample Film");
    EXPECT_EQ(page.year, "2004");
    EXPECT_EQ(page.runningTime, "95");
    // The whole overview, commas, braces, quotes and line break included, normalised.
    EXPECT_EQ(page.overview, "A sample, with commas, braces {like these} and \"quotes\".\n"
                             "A second paragraph: caf\xE9, na\xEFve, 50% off; C:\\path / slash.");
}

TEST(FilmDataPage, ReadsTheOldKeyOrderWithEscapesAndNulls)
{
    const FilmDataPage page = pageOf(123456, "tmdb/movie/123456.json");
    EXPECT_EQ(page.title, "Crouching Tiger, Hidden Dragon");
    EXPECT_EQ(page.year, "null");
    EXPECT_EQ(page.runningTime, "0");
    EXPECT_EQ(page.overview, "In the Qing dynasty, a warrior, a thief and a noblewoman meet. Li Mu "
                             "Bai seeks the Green Destiny, a sword; Jen \xE9lope's \"secret\" is "
                             "{hidden}.");
    EXPECT_EQ(page.originalTitle, "\xE8\x87\xA5\xE8\x99\x8E\xE8\x97\x8F\xE9\xBE\x8D");
}

TEST(FilmDataPage, ShowsAnEmptyDateAsAnEmptyYear)
{
    const FilmDataPage page = pageOf(4322, "tmdb/movie/4322.json");
    EXPECT_EQ(page.year, "");
    EXPECT_EQ(page.runningTime, "0");
    EXPECT_EQ(page.overview, "");
}

TEST(FilmDataPage, FillsOnlyTheIdentifierFromADocumentWithoutTheKeys)
{
    for (
        const char* document :
        {"", "<html>Service Unavailable</html>", "{\"title\":\"cut sho",
         R"({"status_code":34,"status_message":"The resource you requested could not be found."})"}) {
        FilmDataPage expected;
        expected.filmId = "77";
        EXPECT_EQ(readFilmDataPage(77, document), expected) << document;
    }
}

} // namespace
} // namespace ravello::tmdb
