// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/tmdb/match_certainty.h"
#include "tests/support/temporary_folder.h"

namespace ravello::tmdb {
namespace {

const Endpoint kEndpoint("https://api.example", "https://img.example", "0123456789abcdef", "en-US");

std::vector<FoundFilm> ranked(const char* fixture, const WantedFilm& wanted)
{
    return rankFoundFilms(foundFilmsOf(testing::readFileBytes(testing::fixturePath(
                                           std::string("tmdb/search/") + fixture)),
                                       kEndpoint),
                          wanted);
}

// The answers are TMDb-shaped search answers; "house.json" holds two films called "House"
// (1986, and 1977 under its original title "Hausu"), "star_wars.json" one "Star Wars" (1977)
// and its French title.
TEST(MatchCertainty, OpensOnlyWhatCannotBeAnotherFilm)
{
    const struct
    {
        const char* fixture;
        WantedFilm wanted;
        MatchKind kind;
        bool certain;
    } cases[] = {
        // Title and year agree: certain, whichever of the equal titles it is.
        {"house.json", {"House", "", 1977}, MatchKind::Film, true},
        {"house.json", {"House", "", 1986}, MatchKind::Film, true},
        // The title agrees but no result has the year: the user chooses.
        {"house.json", {"House", "", 1990}, MatchKind::Film, false},
        // No year and two equal titles: a choice; one equal title: certain.
        {"house.json", {"House", "", 0}, MatchKind::Film, false},
        {"star_wars.json", {"Star Wars", "", 0}, MatchKind::Film, true},
        // The original title of the profile finds the film; its case and accents do not matter.
        {"star_wars.json", {"Guerre stellari", "Star Wars", 1977}, MatchKind::Film, true},
        {"house.json", {"HOUSE OF GAMES", "", 1987}, MatchKind::Film, true},
        // No equal title, or no result at all.
        {"house.json", {"Casa", "", 1977}, MatchKind::Film, false},
        {nullptr, {"House", "", 1977}, MatchKind::Film, false},
        // A series has no year to tell equal names apart: only a single equal name is certain.
        {"house.json", {"House", "", 1977}, MatchKind::Series, false},
        {"house.json", {"House of Games", "", 0}, MatchKind::Series, true},
    };
    for (const auto& test : cases) {
        const std::vector<FoundFilm> results =
            test.fixture ? ranked(test.fixture, test.wanted) : std::vector<FoundFilm>{};
        EXPECT_EQ(isCertainMatch(results, test.wanted, test.kind), test.certain)
            << (test.fixture ? test.fixture : "no results") << ": " << test.wanted.title << " "
            << test.wanted.year;
    }
}

} // namespace
} // namespace ravello::tmdb
