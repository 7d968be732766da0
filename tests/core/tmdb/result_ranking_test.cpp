// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/tmdb/result_ranking.h"
#include "tests/support/temporary_folder.h"

namespace ravello::tmdb {
namespace {

const Endpoint kEndpoint("https://api.example", "https://img.example", "0123456789abcdef", "en-US");

TEST(ResultRanking, ComparesTitlesWithoutCaseAccentsPunctuationOrLeadingArticle)
{
    const struct
    {
        const char* title;
        const char* comparable;
    } cases[] = {
        {"The Fun House", "fun house"},
        {"  HOUSE!  ", "house"},
        {"L'Atalante", "atalante"},
        {"La Guerre des \xE9toiles", "guerre des etoiles"},
        {"Die B\xFC"
         "chse der Pandora",
         "buchse der pandora"},
        {"Gli Spostati", "spostati"},
        {"\xC6on Flux: \x8Aogun \x9C"
         "uvre Stra\xDF"
         "e",
         "aeon flux sogun oeuvre strasse"},
        {"Star Wars: Episode IV - A New Hope", "star wars episode iv a new hope"},
        {"The", "the"},
        {"A.I.", "i"},
        {"Se7en", "se7en"},
        {"", ""},
    };
    for (const auto& test : cases)
        EXPECT_EQ(comparableTitle(test.title), test.comparable) << test.title;
}

std::vector<std::int32_t> rankedIds(const char* fixture, const WantedFilm& wanted)
{
    const auto films = foundFilmsOf(
        testing::readFileBytes(testing::fixturePath(std::string("tmdb/search/") + fixture)),
        kEndpoint);
    std::vector<std::int32_t> ids;
    for (const FoundFilm& film : rankFoundFilms(films, wanted))
        ids.push_back(readResultLine(film.line).filmId);
    return ids;
}

// The answers are shaped after TMDb's, in TMDb's order; each case names the films it expects
// first, best first.
TEST(ResultRanking, PutsTheWantedFilmFirst)
{
    const struct
    {
        const char* fixture;
        WantedFilm wanted;
        std::vector<std::int32_t> leading;
    } cases[] = {
        // The same title comes first, the same year before; then the same year, one year off.
        {"house.json", {"House", "", 1977}, {25623, 11415, 27813, 8469}},
        {"house.json", {"House", "", 1986}, {11415, 25623, 84420, 11955}},
        // Typed by hand: the title alone, TMDb's order among equals and then for the rest.
        {"house.json", {"house", "", 0}, {11415, 25623, 10066, 27813, 84420}},
        {"florence_fight_club.json", {"Florence Fight Club", "", 2010}, {380011, 353950, 550}},
        {"florence_fight_club.json", {"Florence Fight Club", "", 2015}, {353950, 380011, 550}},
        {"florence_fight_club.json", {"Florence Fight Club", "", 2016}, {353950, 380011, 550}},
        // TMDb's French titles: the original title finds the film.
        {"star_wars.json", {"Star Wars", "", 1977}, {11}},
        {"star_wars.json", {"Star Wars", "", 0}, {11, 181808}},
        {"star_wars.json", {"La guerre des etoiles", "", 0}, {11, 181808}},
        {"star_wars.json", {"Guerre stellari", "Star Wars", 1977}, {11}},
        // No equal title: the nearest year, then TMDb's order.
        {"star_wars.json", {"Guerre stellari", "", 2016}, {330459, 181808, 140607}},
    };
    for (const auto& test : cases) {
        const std::vector<std::int32_t> ids = rankedIds(test.fixture, test.wanted);
        ASSERT_GE(ids.size(), test.leading.size()) << test.fixture;
        EXPECT_EQ(std::vector<std::int32_t>(ids.begin(), ids.begin() + test.leading.size()),
                  test.leading)
            << test.fixture << ": " << test.wanted.title << " " << test.wanted.year;
    }
}

TEST(ResultRanking, KeepsEveryFilm)
{
    EXPECT_EQ(rankedIds("house.json", {"House", "", 1977}).size(), 20u);
    EXPECT_TRUE(rankFoundFilms({}, {"House", "", 1977}).empty());
}

TEST(ResultRanking, TellsAMatchFromTheBestOfTheRest)
{
    const FoundFilm house{"", "House", "Hausu", 1977};
    EXPECT_TRUE(hasWantedTitle(house, {"house", "", 0}));
    EXPECT_TRUE(hasWantedTitle(house, {"Casa", "Hausu", 1980}));
    EXPECT_FALSE(hasWantedTitle(house, {"The Fun House", "", 1977}));
    EXPECT_FALSE(hasWantedTitle(house, {"", "", 1977}));
}

} // namespace
} // namespace ravello::tmdb
