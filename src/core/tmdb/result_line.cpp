// SPDX-License-Identifier: MIT
#include "core/tmdb/result_line.h"

#include "core/text/text_fields.h"
#include "core/text/text_normaliser.h"
#include "core/tmdb/json_document.h"
#include "core/tmdb/tmdb_number.h"

namespace ravello::tmdb {
namespace {

// Where a search answer's element keeps what a result line shows: a film's title and release
// date, or a TV show's name and first air date.
struct ResultKeys
{
    const char* title;
    const char* originalTitle;
    const char* date;
};

constexpr ResultKeys kFilmKeys{"title", "original_title", "release_date"};
constexpr ResultKeys kShowKeys{"name", "original_name", "first_air_date"};

// The year is the number at the start of the date's first four characters ("2004-06-15"
// gives 2004); an empty or null date gives 0.
int yearOf(const json::Document& result, const ResultKeys& keys)
{
    const auto date = json::textOf(result, keys.date);
    return date ? text::toLong(std::string_view(*date).substr(0, 4)) : 0;
}

// TMDb sends the path with its own leading slash; null means the film has no poster, and
// then no URL is made, so no request is made for it.
std::string posterUrlOf(const json::Document& result, const Endpoint& endpoint)
{
    const auto path = result.find("poster_path");
    if (path == result.end() || !path->is_string() || path->get_ref<const std::string&>().empty())
        return {};
    return endpoint.imageUrl(path->get_ref<const std::string&>());
}

std::string normalised(std::string text)
{
    text::normaliseText(text);
    return text;
}

FoundFilm foundFilmOf(const json::Document& result, const Endpoint& endpoint,
                      const ResultKeys& keys)
{
    // The line normalises the title as TMDb sent it: normalising a normalised text again
    // could read its Windows-1252 bytes as UTF-8 or as entities.
    const std::string title = json::textOf(result, keys.title).value_or("");
    FoundFilm film;
    film.year = yearOf(result, keys);
    film.line = formatResultLine(json::integerOf(result, "id"), title, film.year,
                                 posterUrlOf(result, endpoint));
    film.title = normalised(title);
    film.originalTitle = normalised(json::textOf(result, keys.originalTitle).value_or(""));
    return film;
}

// The elements of the answer's "results" that `wanted` admits, in the order of the answer.
template <typename Wanted>
std::vector<FoundFilm> foundOf(std::string_view answer, const Endpoint& endpoint,
                               const ResultKeys& keys, Wanted wanted)
{
    std::vector<FoundFilm> found;
    const auto document = json::parse(answer);
    const json::Document* results = document ? json::arrayOf(*document, "results") : nullptr;
    if (results == nullptr)
        return found;
    for (const json::Document& result : *results) {
        if (result.is_object() && wanted(result))
            found.push_back(foundFilmOf(result, endpoint, keys));
    }
    return found;
}

} // namespace

std::string formatResultLine(std::int32_t filmId, std::string_view title, int year,
                             std::string_view posterUrl)
{
    std::string line = sevenDigits(filmId);
    line += ' ';
    line += title;
    line += " (" + std::to_string(year) + ") ";
    line += posterUrl;
    text::normaliseText(line);
    return line;
}

ResultLine readResultLine(std::string_view line)
{
    ResultLine result;
    const std::size_t firstSpace = line.find(' ');
    result.filmId = text::toLong(line.substr(0, firstSpace));
    if (firstSpace == std::string_view::npos)
        return result;
    const std::size_t lastSpace = line.rfind(' ');
    result.displayText = std::string(line.substr(firstSpace, lastSpace - firstSpace));
    result.posterUrl = std::string(line.substr(lastSpace + 1));
    return result;
}

std::string shownResultText(std::string_view line)
{
    std::string text = readResultLine(line).displayText;
    const auto blank = [](char c) { return c == ' '; };
    while (!text.empty() && blank(text.front()))
        text.erase(text.begin());
    while (!text.empty() && blank(text.back()))
        text.pop_back();
    constexpr std::string_view kNoYear = " (0)";
    if (text.ends_with(kNoYear))
        text.erase(text.size() - kNoYear.size());
    return text;
}

std::vector<FoundFilm> foundFilmsOf(std::string_view answer, const Endpoint& endpoint)
{
    return foundOf(answer, endpoint, kFilmKeys,
                   [](const json::Document& result) { return result.contains("release_date"); });
}

// A show is listed whatever its first air date: TMDb sends an empty one for a show not aired.
std::vector<FoundFilm> foundShowsOf(std::string_view answer, const Endpoint& endpoint)
{
    return foundOf(answer, endpoint, kShowKeys, [](const json::Document&) { return true; });
}

std::vector<std::string> linesOf(const std::vector<FoundFilm>& films)
{
    std::vector<std::string> lines;
    lines.reserve(films.size());
    for (const FoundFilm& film : films)
        lines.push_back(film.line);
    return lines;
}

std::vector<std::string> resultLinesOf(std::string_view answer, const Endpoint& endpoint)
{
    return linesOf(foundFilmsOf(answer, endpoint));
}

} // namespace ravello::tmdb
