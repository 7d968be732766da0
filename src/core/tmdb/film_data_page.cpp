// SPDX-License-Identifier: MIT
#include "core/tmdb/film_data_page.h"

#include "core/text/text_normaliser.h"
#include "core/tmdb/json_document.h"

namespace ravello::tmdb {
namespace {

std::optional<std::string> normalisedText(const json::Document& details, const char* key)
{
    auto text = json::textOf(details, key);
    if (text)
        text::normaliseText(*text);
    return text;
}

std::optional<std::string> yearOf(const json::Document& details)
{
    auto date = json::textOf(details, "release_date", "null");
    if (date && date->size() > 4)
        date->resize(4);
    return date;
}

std::optional<std::string> runningTimeOf(const json::Document& details)
{
    if (!details.contains("runtime"))
        return std::nullopt;
    return std::to_string(json::integerOf(details, "runtime"));
}

} // namespace

FilmDataPage readFilmDataPage(std::int32_t filmId, std::string_view details)
{
    FilmDataPage page;
    page.filmId = std::to_string(filmId);
    const auto document = json::parse(details);
    if (!document || !document->is_object())
        return page;
    page.title = normalisedText(*document, "title");
    page.originalTitle = normalisedText(*document, "original_title");
    page.year = yearOf(*document);
    page.runningTime = runningTimeOf(*document);
    page.overview = normalisedText(*document, "overview");
    return page;
}

} // namespace ravello::tmdb
