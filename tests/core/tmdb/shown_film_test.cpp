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
    opening.credits = CreditLists{{castRow}, {}, {}, {}, {}, {}};
    return opening;
}

OpeningFailure failureAt(OpeningStep step, FetchProblem problem = FetchProblem::HttpStatus)
{
    FetchResult fetch;
    fetch.problem = problem;
    fetch.httpStatus = problem == FetchProblem::HttpStatus ? 404 : 0;
    return {step, fetch};
}

TEST(ShownFilm, TakesAWholeOpeningInPlaceOfTheFilmShown)
{
    ShownFilm film;
    EXPECT_TRUE(film.isEmpty());
    EXPECT_TRUE(film.take(openingOf("4321", "Sample Film", "cast row")));
    FilmOpening next = openingOf("99", "Other", "other row");
    next.dataPage.overview.reset(); // a document without the key: nothing of the first film
    next.failures.push_back(failureAt(OpeningStep::Cover));
    EXPECT_TRUE(film.take(next));
    EXPECT_EQ(film.dataPage, next.dataPage);
    EXPECT_EQ(film.credits.cast, std::vector<std::string>{"other row"});
}

TEST(ShownFilm, KeepsTheFilmShownWholeWhenDetailsOrCreditsFailed)
{
    const FilmOpening shown = openingOf("4321", "Sample Film", "cast row");
    FilmOpening detailsFailed = openingOf("99", "", "other row");
    detailsFailed.dataPage = FilmDataPage();
    detailsFailed.dataPage.filmId = "99";
    detailsFailed.failures.push_back(failureAt(OpeningStep::Details));
    FilmOpening creditsFailed = openingOf("98", "Other", "");
    creditsFailed.credits.reset();
    creditsFailed.failures.push_back(failureAt(OpeningStep::Credits, FetchProblem::Transport));
    for (const FilmOpening& failed : {detailsFailed, creditsFailed}) {
        ShownFilm film;
        film.take(shown);
        EXPECT_FALSE(film.take(failed));
        EXPECT_EQ(film.dataPage, shown.dataPage);
        EXPECT_EQ(film.credits.cast, std::vector<std::string>{"cast row"});
    }
}

TEST(ShownFilm, ADocumentThatArrivedButWasNotStoredIsShown)
{
    ShownFilm film;
    FilmOpening opening = openingOf("4321", "Sample Film", "cast row");
    opening.failures.push_back(failureAt(OpeningStep::Details, FetchProblem::File));
    EXPECT_TRUE(film.take(opening));
    EXPECT_EQ(film.dataPage.title, "Sample Film");
}

} // namespace
} // namespace ravello::tmdb
