// SPDX-License-Identifier: MIT
// The readers of TMDb's answers on any bytes, as an answer and as a cache file: the search
// result lines (and reading each line back), the data page and the credit lists; and the TV
// show and season readers, with the first part of the input (parts are cut at 0xFF) as the
// show's answer and the last as the season's, and the season's lists, page and captions made
// of what they read.
#include <algorithm>

#include "core/tmdb/credit_lists.h"
#include "core/tmdb/endpoint.h"
#include "core/tmdb/film_data_page.h"
#include "core/tmdb/result_line.h"
#include "core/tmdb/season_lists.h"
#include "core/tmdb/show_season.h"
#include "core/tmdb/token_lines.h"
#include "core/tmdb/tv_season.h"
#include "core/tmdb/tv_show.h"
#include "fuzz/fuzz_input.h"

namespace {

using namespace ravello::tmdb;
using ravello::fuzz::check;

void readAnswer(std::string_view answer)
{
    static const Endpoint endpoint("https://api.example", "https://image.example", "key", "en-US");
    for (const std::string& line : resultLinesOf(answer, endpoint)) {
        const ResultLine read = readResultLine(line);
        check(read.filmId >= 0 || line.starts_with('-'));
    }
    (void)readFilmDataPage(603, answer);
    (void)readCreditLists(answer);
}

std::size_t headingRows(const std::vector<std::string>& rows)
{
    return static_cast<std::size_t>(
        std::count_if(rows.begin(), rows.end(), [](const auto& row) { return isHeadingRow(row); }));
}

// The lists of a range: one heading row per episode in the cast and crew lists, whatever the
// names hold, and none in the photo lists.
void checkLists(const ShowSeason& content, EpisodeRange range)
{
    const std::size_t episodes = content.episodesIn(range).size();
    const CreditLists lists = seasonCreditLists(content, range);
    check(headingRows(lists.cast) == episodes && headingRows(lists.crew) == episodes);
    check(headingRows(lists.castPhoto) == 0 && headingRows(lists.crewPhoto) == 0);
    check(episodes > 0 || lists == CreditLists{});
}

void readShowAndSeason(std::string_view showAnswer, std::string_view seasonAnswer)
{
    const std::optional<TvShow> show = readTvShow(showAnswer);
    const std::optional<TvSeason> season = readTvSeason(seasonAnswer);
    if (show) {
        check(std::is_sorted(show->seasons.begin(), show->seasons.end(),
                             [](const auto& a, const auto& b) { return a.number < b.number; }));
        for (const SeasonEntry& entry : show->seasons)
            check(show->seasonEntry(entry.number) != nullptr);
    }
    if (season) {
        check(std::is_sorted(season->episodes.begin(), season->episodes.end(),
                             [](const auto& a, const auto& b) { return a.number < b.number; }));
    }
    if (!show || !season)
        return;
    const ShowSeason content{*show, *season, false};
    (void)seasonDataPage(content);
    (void)seasonTitle(content);
    const std::optional<EpisodeRange> whole = content.wholeSeason();
    check(whole.has_value() == !season->episodes.empty());
    if (!whole)
        return;
    checkLists(content, *whole);
    checkLists(content, {whole->first, whole->first});
    checkLists(content, {whole->last, whole->first});
    for (const Episode* episode : content.episodesIn(*whole)) {
        (void)episodeCaption(season->number, *episode);
        (void)episodeCast(content, *episode);
        (void)episodeCrew(content, *episode);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace ravello;
    const std::string_view input = fuzz::textOf(data, size);
    readAnswer(input);
    readAnswer(tmdb::joinTokenLines(tmdb::tokenLinesOfFile(input)));
    (void)tmdb::readResultLine(input);
    const std::vector<std::string> parts = fuzz::partsOf(input);
    readShowAndSeason(parts.front(), parts.back());
    return 0;
}
