// SPDX-License-Identifier: MIT
#pragma once

#include "core/tmdb/credit_lists.h"
#include "core/tmdb/film_cache.h"
#include "core/tmdb/film_data_page.h"

namespace ravello::tmdb {

// True when an opening brought the film whole: its details (a document that arrived but could
// not be stored counts) and its credits. A poster that could not be had does not count: the
// film is shown with the not-found picture.
bool isWholeFilm(const FilmOpening& opening);

// The film the window's pages show: its data page (the identifier among them) and the rows of
// its four credit lists, which the lists show and the copy and photo commands read. The pages
// show one film or none: never parts of two.
struct ShownFilm
{
    FilmDataPage dataPage;
    CreditLists credits;

    bool isEmpty() const { return dataPage.filmId.empty(); }

    // Takes a whole opening in place of the film shown and returns true. An opening that
    // failed at its details or its credits (or was cancelled there) leaves the film shown as
    // it was, identifier included, and returns false.
    bool take(const FilmOpening& opening);
};

} // namespace ravello::tmdb
