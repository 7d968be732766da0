// SPDX-License-Identifier: MIT
#pragma once

#include "core/tmdb/credit_lists.h"
#include "core/tmdb/film_cache.h"
#include "core/tmdb/film_data_page.h"

namespace ravello::tmdb {

// The film the window's pages show: its data page (the identifier among them) and the rows of
// its four credit lists, which the lists show and the copy and photo commands read.
struct ShownFilm
{
    FilmDataPage dataPage;
    CreditLists credits;

    // Takes what an opening brought: the identifier always, each data field and the credits
    // only when the opening has them; what it lacks stays as shown before.
    void take(const FilmOpening& opening);
};

} // namespace ravello::tmdb
