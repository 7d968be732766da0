// SPDX-License-Identifier: MIT
#include <algorithm>

#include "core/output/credit_documents.h"
#include "core/tmdb/credit_lists.h"
#include "core/tmdb/person_cache.h"
#include "tests/network/network_test.h"
#include "tests/support/temporary_folder.h"

namespace ravello::testing {
namespace {

namespace fs = std::filesystem;

// The most requests that arrived within any span of `span`, by the server's clock.
std::size_t mostArrivedWithin(const std::vector<RecordedRequest>& requests,
                              std::chrono::milliseconds span)
{
    std::vector<std::chrono::steady_clock::time_point> arrivals;
    for (const RecordedRequest& request : requests)
        arrivals.push_back(request.arrived);
    std::sort(arrivals.begin(), arrivals.end());
    std::size_t most = 0;
    for (std::size_t first = 0, last = 0; last < arrivals.size(); ++last) {
        while (arrivals[last] - arrivals[first] >= span)
            ++first;
        most = std::max(most, last - first + 1);
    }
    return most;
}

// Film 4321: cast 1001 (born 1969), 1002 (birthday null), 1003 (birthday empty); crew 2001
// (born 1954) twice, 2002 (born 1979) and 2003, whom TMDb does not know.
class PersonCache : public NetworkTest
{
protected:
    void SetUp() override
    {
        NetworkTest::SetUp();
        m_lists = tmdb::readCreditLists(readFileBytes(fixturePath("tmdb/movie/4321_credits.json")));
        for (const tmdb::CastMember& member : m_lists.castMembers)
            m_cast.push_back(member.personId);
        for (const tmdb::CrewMember& member : m_lists.crewMembers)
            m_crew.push_back(member.personId);
    }

    output::CreditDocuments documents() const
    {
        return {output::FilmSubject{"Sample Film", m_lists.castMembers, m_lists.crewMembers},
                {output::CrewMapping::builtIn(), {}}};
    }

    TemporaryFolder m_folder;
    tmdb::Endpoint m_endpoint = endpoint();
    tmdb::BatchFetcher m_fetcher{quickOptions()};
    tmdb::PersonCache m_cache{files::ProgramFolders::at(m_folder.path()), m_endpoint, m_fetcher};
    tmdb::CreditLists m_lists;
    std::vector<std::int32_t> m_cast;
    std::vector<std::int32_t> m_crew;
};

TEST_F(PersonCache, DocumentsCarryTheYearsAndAFailedPersonGivesZero)
{
    std::size_t lastDone = 0;
    std::size_t lastTotal = 0;
    const tmdb::BirthYears cast =
        m_cache.birthYears(m_cast, [&](std::size_t done, std::size_t total) {
            lastDone = done;
            lastTotal = total;
            return true;
        });
    EXPECT_EQ(cast.yearsOf(m_cast), (std::vector<int>{1969, 0, 0}));
    EXPECT_EQ(cast.failed, 0u);
    EXPECT_FALSE(cast.cancelled);
    EXPECT_EQ(lastDone, 3u);
    EXPECT_EQ(lastTotal, 3u);
    EXPECT_NE(documents()
                  .cast(cast.years)
                  .find("FirstName=\"Ann\" MiddleName=\"\" LastName=\"Actor\" BirthYear=\"1969\""),
              std::string::npos);

    server().reset();
    const tmdb::BirthYears crew = m_cache.birthYears(m_crew);
    EXPECT_EQ(crew.yearsOf(m_crew), (std::vector<int>{1954, 1979, 1954, 0}));
    EXPECT_EQ(crew.failed, 1u);
    EXPECT_EQ(server().requestCount(), 3u) << "each person is asked once";
    const std::string document = documents().crew(crew.years).text;
    EXPECT_NE(document.find("LastName=\"Director\" BirthYear=\"1954\" CreditType=\"Writing\" "
                            "CreditSubtype=\"Writer\""),
              std::string::npos);
    EXPECT_NE(document.find("LastName=\"Era\" BirthYear=\"0\""), std::string::npos);
}

TEST_F(PersonCache, KnownPeopleAreNotAskedAgainButFailedOnesAre)
{
    m_cache.birthYears(m_crew);
    EXPECT_EQ(readFileBytes(m_cache.personFile(2001)), "1954\n");
    EXPECT_TRUE(fs::exists(m_folder / "DB/People/0002/0002002.txt"));
    EXPECT_FALSE(fs::exists(m_cache.personFile(2003)));
    m_cache.birthYears(m_cast);
    EXPECT_EQ(readFileBytes(m_cache.personFile(1002)), "0\n");

    server().reset();
    EXPECT_EQ(m_cache.birthYears(m_cast).yearsOf(m_cast), (std::vector<int>{1969, 0, 0}));
    EXPECT_EQ(server().requestCount(), 0u);
    const tmdb::BirthYears again = m_cache.birthYears(m_crew);
    EXPECT_EQ(again.failed, 1u);
    ASSERT_EQ(server().requestCount(), 1u);
    EXPECT_EQ(server().requests()[0].path, "/3/person/2003");

    // Without a key of the user's the cached years are served and nobody is asked.
    server().reset();
    const tmdb::Endpoint keyless(server().url(), server().url(), "", "en-US");
    tmdb::PersonCache withoutKey{files::ProgramFolders::at(m_folder.path()), keyless, m_fetcher};
    const tmdb::BirthYears unasked = withoutKey.birthYears(m_crew);
    EXPECT_EQ(unasked.yearsOf(m_crew), (std::vector<int>{1954, 1979, 1954, 0}));
    EXPECT_EQ(unasked.failed, 1u);
    EXPECT_EQ(server().requestCount(), 0u);
}

// Limits that allow more requests at once than a second's ceiling still end.
TEST_F(PersonCache, MoreAtOnceThanTheCeilingStillEnds)
{
    tmdb::BatchFetcher narrow{quickOptions(),
                              std::make_shared<tmdb::RequestLimiter>(
                                  tmdb::RequestLimits{.maxAtOnce = 8, .maxPerSecond = 2})};
    tmdb::PersonCache cache{files::ProgramFolders::at(m_folder.path()), m_endpoint, narrow};
    EXPECT_EQ(cache.birthYears(m_crew).yearsOf(m_crew), (std::vector<int>{1954, 1979, 1954, 0}));
    EXPECT_EQ(server().requestCount(), 3u);
}

// A lookup started from the progress of a running one would replace the running batch's
// callback: it is refused at once, sends nothing and keeps nothing.
TEST_F(PersonCache, ALookupStartedWhileOneRunsIsRefused)
{
    std::optional<tmdb::BirthYears> nested;
    const tmdb::BirthYears cast = m_cache.birthYears(m_cast, [&](std::size_t, std::size_t) {
        if (!nested)
            nested = m_cache.birthYears(m_crew);
        return true;
    });
    EXPECT_EQ(cast.yearsOf(m_cast), (std::vector<int>{1969, 0, 0}));
    ASSERT_TRUE(nested);
    EXPECT_EQ(nested->yearsOf(m_crew), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(nested->failed, 3u);
    EXPECT_FALSE(nested->cancelled);
    EXPECT_EQ(server().requestCount(), 3u);
    EXPECT_FALSE(fs::exists(m_cache.personFile(2001)));
}

// The batch's limits, counted at the server: with every answer 100 ms late, 90 requests never
// have more than 8 under way and never start more than 40 in a second. The server sees each
// start a little late, by a varying amount: counting over 750 ms instead of a second leaves
// room for that, and a batch without its ceiling would still start over 50 in such a span.
TEST_F(PersonCache, BatchKeepsToEightAtOnceAndFortyASecond)
{
    std::vector<tmdb::Request> requests;
    for (std::int32_t person = 1; person <= 90; ++person)
        requests.push_back(m_endpoint.personRequest(person));
    // The fake server's library queues only five new connections: of eight opened at once, one
    // may arrive a second late. The batch's connections are opened first, and kept.
    m_fetcher.fetchJson({requests.begin(), requests.begin() + 8}, [](std::size_t, auto) {});
    server().reset();
    server().setDelay(std::chrono::milliseconds(100));
    std::size_t answers = 0;
    EXPECT_TRUE(m_fetcher.fetchJson(requests, [&](std::size_t, tmdb::FetchResult) { ++answers; }));
    EXPECT_EQ(answers, 90u);
    ASSERT_EQ(server().requestCount(), 90u);
    EXPECT_LE(server().mostAtOnce(), 8u);
    EXPECT_GT(server().mostAtOnce(), 1u) << "the requests run side by side";
    EXPECT_LE(mostArrivedWithin(server().requests(), std::chrono::milliseconds(750)), 40u);
}

TEST_F(PersonCache, A429IsAskedOnceMoreAfterItsWait)
{
    server().queueError(429, 0);
    const tmdb::BirthYears cast = m_cache.birthYears(m_cast);
    EXPECT_EQ(cast.yearsOf(m_cast), (std::vector<int>{1969, 0, 0}));
    EXPECT_EQ(cast.failed, 0u);
    EXPECT_EQ(server().requestCount(), 4u);
}

TEST_F(PersonCache, CancelStopsTheLookupAndKeepsNothingHalfDone)
{
    // The answers are held back, so that none has come when the first progress call cancels.
    server().setDelay(std::chrono::milliseconds(300));
    const tmdb::BirthYears cast =
        m_cache.birthYears(m_cast, [](std::size_t, std::size_t) { return false; });
    EXPECT_TRUE(cast.cancelled);
    EXPECT_TRUE(cast.years.empty());
    EXPECT_FALSE(fs::exists(m_folder / "DB/People"));
}

} // namespace
} // namespace ravello::testing
