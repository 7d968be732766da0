// SPDX-License-Identifier: MIT
#include "core/tmdb/shown_film.h"

namespace ravello::tmdb {
namespace {

constexpr std::optional<std::string> FilmDataPage::*kOptionalFields[] = {
    &FilmDataPage::title, &FilmDataPage::originalTitle, &FilmDataPage::year,
    &FilmDataPage::runningTime, &FilmDataPage::overview};

} // namespace

void ShownFilm::take(const FilmOpening& opening)
{
    dataPage.filmId = opening.dataPage.filmId;
    for (const auto field : kOptionalFields) {
        if (opening.dataPage.*field)
            dataPage.*field = opening.dataPage.*field;
    }
    if (opening.credits)
        credits = *opening.credits;
}

} // namespace ravello::tmdb
