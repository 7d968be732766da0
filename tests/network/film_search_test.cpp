// SPDX-License-Identifier: MIT
#include "core/tmdb/film_search.h"
#include "core/tmdb/result_ranking.h"
#include "core/tmdb/show_search.h"
#include "tests/network/network_test.h"

namespace ravello::testing {
namespace {

using tmdb::FetchProblem;
using tmdb::searchFilms;

class FilmSearch : public NetworkTest
{
protected:
    tmdb::Fetcher m_fetcher{quickOptions()};
};

TEST_F(FilmSearch, ListsTheResultsWithPostersOnTheImageHost)
{
    const tmdb::SearchOutcome outcome = searchFilms(endpoint(), m_fetcher, "Sample Film");
    ASSERT_TRUE(outcome.fetch.ok());
    ASSERT_EQ(outcome.lines().size(), 4u);
    EXPECT_EQ(outcome.lines()[0],
              "0004321 Sample Film (2004) " + server().url() + "/t/p/original/abc.jpg");
    const RecordedRequest request = server().requests().at(0);
    EXPECT_EQ(request.path, "/3/search/movie");
    EXPECT_EQ(request.param("language"), "en-US");
    EXPECT_EQ(request.param("api_key"), "0123456789abcdef0123456789abcdef");
}

// A show's line is a film's: "Name (first-air year)", (0) and no poster where TMDb has none,
// and the ranking weighs the original name as it weighs a film's original title.
TEST_F(FilmSearch, ListsTvShowsAsFilmsAreListed)
{
    const tmdb::SearchOutcome outcome = tmdb::searchShows(endpoint(), m_fetcher, "Night Desk");
    ASSERT_TRUE(outcome.fetch.ok());
    EXPECT_EQ(outcome.lines(),
              (std::vector<std::string>{
                  "0004402 Night Desk Confidential (0) ",
                  "0004401 Night Desk (2009) " + server().url() + "/t/p/original/nd.jpg",
                  "0004403 La scrivania di notte (2015) ",
              }));
    EXPECT_EQ(tmdb::shownResultText(outcome.lines()[0]), "Night Desk Confidential");
    const RecordedRequest request = server().requests().at(0);
    EXPECT_EQ(request.path, "/3/search/tv");
    EXPECT_EQ(request.param("language"), "en-US");
    EXPECT_EQ(request.param("query"), "Night Desk");

    const auto ranked = tmdb::rankFoundFilms(outcome.films, {"Night Desk", "", 2015});
    EXPECT_TRUE(ranked[0].line.starts_with("0004403 ")) << ranked[0].line;
    EXPECT_TRUE(ranked[1].line.starts_with("0004401 ")) << ranked[1].line;
}

TEST_F(FilmSearch, SearchesForExactlyTheTextTyped)
{
    const tmdb::SearchOutcome outcome = searchFilms(endpoint(), m_fetcher, "Tom & Jerry #1");
    ASSERT_TRUE(outcome.fetch.ok());
    ASSERT_EQ(outcome.lines().size(), 1u);
    const RecordedRequest request = server().requests().at(0);
    EXPECT_EQ(request.param("query"), "Tom & Jerry #1");
    EXPECT_NE(request.target.find("query=Tom%20%26%20Jerry%20%231"), std::string::npos);

    ASSERT_EQ(searchFilms(endpoint(), m_fetcher, "Am\xC3\xA9lie").lines().size(), 1u);
    EXPECT_EQ(server().requests().at(1).param("query"), "Am\xC3\xA9lie");
}

TEST_F(FilmSearch, SendsABearerTokenInsteadOfTheKey)
{
    server().requireKey("eyJhbGciOi.eyJzdWIiOi.c2ln");
    const tmdb::SearchOutcome outcome =
        searchFilms(endpoint("eyJhbGciOi.eyJzdWIiOi.c2ln"), m_fetcher, "Sample Film");
    ASSERT_TRUE(outcome.fetch.ok());
    EXPECT_FALSE(server().requests().at(0).params.contains("api_key"));
}

TEST_F(FilmSearch, ReportsAnInvalidKeyAndGivesNoLines)
{
    server().requireKey("the-right-key-0123");
    const tmdb::SearchOutcome outcome =
        searchFilms(endpoint("a-wrong-key-0123"), m_fetcher, "Sample Film");
    EXPECT_EQ(outcome.fetch.problem, FetchProblem::HttpStatus);
    EXPECT_EQ(outcome.fetch.httpStatus, 401);
    EXPECT_EQ(outcome.fetch.tmdbStatusMessage, "Invalid API key: You must be granted a valid key.");
    EXPECT_TRUE(outcome.lines().empty());
}

TEST_F(FilmSearch, FindsNothingForAnUnknownTitle)
{
    const tmdb::SearchOutcome outcome = searchFilms(endpoint(), m_fetcher, "No Such Film At All");
    EXPECT_TRUE(outcome.fetch.ok());
    EXPECT_TRUE(outcome.lines().empty());
}

} // namespace
} // namespace ravello::testing
