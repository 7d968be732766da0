// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/tmdb/shown_film.h"

namespace ravello::tmdb {
namespace {

FilmOpening openingOf(const char* filmId, const char* title, const char* castRow)
{
    FilmOpening opening;
    opening.dataPage.filmId = filmId;
    opening.dataPage.title = title;
    opening.dataPage.overview = "An overview";
    opening.credits = CreditLists{{castRow}, {}, {}, {}};
    return opening;
}

TEST(ShownFilm, TakesEverythingAnOpeningBrings)
{
    ShownFilm film;
    film.take(openingOf("4321", "Sample Film", "cast row"));
    EXPECT_EQ(film.dataPage.filmId, "4321");
    EXPECT_EQ(film.dataPage.title, "Sample Film");
    EXPECT_EQ(film.dataPage.overview, "An overview");
    EXPECT_EQ(film.credits.cast, std::vector<std::string>{"cast row"});
}

TEST(ShownFilm, KeepsWhatAFailedStepLeftOut)
{
    ShownFilm film;
    film.take(openingOf("4321", "Sample Film", "cast row"));
    FilmOpening failed; // details and credits could not be had
    failed.dataPage.filmId = "99";
    film.take(failed);
    EXPECT_EQ(film.dataPage.filmId, "99");
    EXPECT_EQ(film.dataPage.title, "Sample Film");
    EXPECT_EQ(film.dataPage.overview, "An overview");
    EXPECT_EQ(film.credits.cast, std::vector<std::string>{"cast row"});
}

} // namespace
} // namespace ravello::tmdb
