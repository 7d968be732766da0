// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/tmdb/profile_matches.h"
#include "tests/support/temporary_folder.h"

namespace ravello::tmdb {
namespace {

using testing::readFileBytes;
using testing::writeFileBytes;

// "Amélie" and "Schöne Tage" in Windows-1252, a tab in the original title.
PrefetchProfile amelie()
{
    PrefetchProfile profile = profileToPrepare(12, "Am\xE9lie", "Le Fabuleux\tDestin", 2001);
    profile.profileId = "0123456789012.4";
    return profile;
}

const FoundFilm kAmelieFound{"0000194 Am\xE9lie (2001) http://img/t/p/original/a.jpg", "Am\xE9lie",
                             "Le Fabuleux Destin d'Am\xE9lie Poulain", 2001};

class ProfileMatchesTest : public ::testing::Test
{
protected:
    std::filesystem::path file() const { return m_folder / "DB" / "DVDP" / "ProfileMatches.TXT"; }

    testing::TemporaryFolder m_folder;
};

TEST_F(ProfileMatchesTest, KeepsACertainMatchAcrossRuns)
{
    auto matches = ProfileMatches::load(file());
    EXPECT_FALSE(matches.certainMatch(amelie()));
    matches.remember(amelie(), kAmelieFound);
    ASSERT_TRUE(matches.save());

    const auto kept = ProfileMatches::load(file()).certainMatch(amelie());
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->line, kAmelieFound.line);
    EXPECT_EQ(kept->title, kAmelieFound.title);
    EXPECT_EQ(kept->originalTitle, kAmelieFound.originalTitle);
    EXPECT_EQ(kept->year, 2001);
    EXPECT_EQ(readFileBytes(file()).substr(0, 25), "RavelloProfileMatches\t1\r\n");
}

// The match holds while the profile has what it was matched with; the collection may number it
// anew.
TEST_F(ProfileMatchesTest, AMatchHoldsOnlyForTheProfileAsItWasMatched)
{
    auto matches = ProfileMatches::load(file());
    matches.remember(amelie(), kAmelieFound);
    const struct
    {
        const char* change;
        void (*apply)(PrefetchProfile&);
        bool holds;
    } cases[] = {
        {"none", [](PrefetchProfile&) {}, true},
        {"another number", [](PrefetchProfile& p) { p.number = 13; }, true},
        {"the title", [](PrefetchProfile& p) { p.wanted.title = "Amelie"; }, false},
        {"the original title", [](PrefetchProfile& p) { p.wanted.originalTitle = ""; }, false},
        {"the year", [](PrefetchProfile& p) { p.wanted.year = 0; }, false},
        {"a show", [](PrefetchProfile& p) { p.kind = MatchKind::Series; }, false},
        {"the season", [](PrefetchProfile& p) { p.season = 2; }, false},
        {"another profile", [](PrefetchProfile& p) { p.profileId = "0123456789012.5"; }, false},
        {"no profile ID", [](PrefetchProfile& p) { p.profileId.clear(); }, false},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.change);
        PrefetchProfile profile = amelie();
        test.apply(profile);
        EXPECT_EQ(matches.certainMatch(profile).has_value(), test.holds);
    }
    matches.forget(amelie());
    EXPECT_FALSE(matches.certainMatch(amelie()));
}

// Another run may have written the file since this one read it: saving keeps its matches and
// changes only what this run matched or forgot.
TEST_F(ProfileMatchesTest, SavingKeepsWhatAnotherRunWrote)
{
    PrefetchProfile byNumber = profileToPrepare(7, "Sample Film", "", 2004);
    const FoundFilm sample{"0004321 Sample Film (2004) ", "Sample Film", "Sample Film", 2004};
    auto first = ProfileMatches::load(file());
    auto second = ProfileMatches::load(file());
    first.remember(amelie(), kAmelieFound);
    ASSERT_TRUE(first.save());
    second.remember(byNumber, sample);
    ASSERT_TRUE(second.save());

    auto both = ProfileMatches::load(file());
    EXPECT_TRUE(both.certainMatch(amelie()));
    EXPECT_TRUE(both.certainMatch(byNumber));
    both.forget(byNumber);
    ASSERT_TRUE(both.save());
    EXPECT_FALSE(ProfileMatches::load(file()).certainMatch(byNumber));
    EXPECT_TRUE(ProfileMatches::load(file()).certainMatch(amelie()));
}

// A file of another version, or lines cut short, with letters for numbers or whose result line
// names another film, hold no match; the lines that read are kept.
TEST_F(ProfileMatchesTest, PassesOverWhatItCannotRead)
{
    const std::string good = "#7\t7\tF\t0\t2004\tSample Film\t\t4321\t2004\tSample Film\tSample "
                             "Film\t0004321 Sample Film (2004) \r\n";
    const PrefetchProfile sample = profileToPrepare(7, "Sample Film", "", 2004);
    writeFileBytes(file(), "RavelloProfileMatches\t2\r\n" + good);
    EXPECT_FALSE(ProfileMatches::load(file()).certainMatch(sample)) << "another version";

    writeFileBytes(file(), "RavelloProfileMatches\t1\n"
                           "#7\t7\tF\t0\t2004\tSample Film\r\n"
                           "#7\t7\tX\t0\t2004\tSample Film\t\t4321\t2004\tSample Film\t\t0004321 "
                           "Sample Film (2004) \r\n"
                           "#7\t7\tF\t0\tMMIV\tSample Film\t\t4321\t2004\tSample Film\t\t0004321 "
                           "Sample Film (2004) \r\n"
                           "#7\t7\tF\t0\t2004\tSample Film\t\t4321\t2004\tSample Film\t\t0004322 "
                           "Sample Film, Part Two (0) \r\n");
    EXPECT_FALSE(ProfileMatches::load(file()).certainMatch(sample));
    writeFileBytes(file(), "RavelloProfileMatches\t1\r\n\xFF\xFE\t\r\n" + good);
    EXPECT_TRUE(ProfileMatches::load(file()).certainMatch(sample));
}

} // namespace
} // namespace ravello::tmdb
