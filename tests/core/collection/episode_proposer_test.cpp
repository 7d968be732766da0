// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <map>

#include "core/collection/episode_proposer.h"
#include "core/collection/index_record.h"

namespace ravello::collection {

void PrintTo(const EpisodeProposal& proposal, std::ostream* out)
{
    *out << episodeCodeText(proposal.first) << '-' << episodeCodeText(proposal.last) << " source "
         << static_cast<int>(proposal.source) << " after " << proposal.afterDisc.value_or(0)
         << " before " << proposal.beforeDisc.value_or(0) << " split " << proposal.seasonEpisodes
         << '/' << proposal.discs;
}

namespace {

struct Profile
{
    const char* id;
    const char* title;
    std::vector<EpisodeCode> dividers;
    std::vector<EpisodeCode> copied = {};
};

// Box sets as collectors keep them, one profile a disc, some discs with their episode
// dividers: a season whose last disc holds fewer, a missing disc, discs numbered twice, a
// show written with and without its accent, volumes that do not follow TMDb's seasons, discs
// known only from what was copied, and seasons known from nothing but TMDb's count.
const std::vector<Profile> kCollection = {
    {"F1", "Alien", {}},
    {"C3D1", "Castle: Season 3: Disc 1", {{3, 1}, {3, 2}, {3, 3}, {3, 4}}},
    {"C3D2", "Castle: Season 3: Disc 2", {{3, 5}, {3, 6}, {3, 7}, {3, 8}}, {{3, 5}, {3, 6}}},
    {"C3D3", "Castle: Season 3: Disc 3", {}},
    {"C3D4", "Castle: Season 3: Disc 4", {{3, 13}, {3, 14}, {3, 15}, {3, 16}}},
    {"C3D5", "Castle: Season 3: Disc 5", {}},
    {"C3D6", "Castle: Season 3: Disc 6", {}},
    {"B2D1", "Bones: Season 2: Disc 1", {{2, 1}, {2, 2}, {2, 3}, {2, 4}, {2, 5}}},
    {"B2D2", "Bones: Season 2: Disc 2", {{2, 6}, {2, 7}, {2, 8}, {2, 9}, {2, 10}}},
    {"B2D4", "Bones: Season 2: Disc 4", {}},
    {"A5D1", "Angel: Season 5: Disc 1", {{5, 1}, {5, 2}, {5, 3}, {5, 4}}},
    {"A5D2", "Angel: Season 5: Disc 2", {}},
    {"A5D3", "Angel: Season 5: Disc 3", {}},
    {"A5D4", "Angel: Season 5: Disc 4", {{5, 13}, {5, 14}, {5, 15}, {5, 16}}},
    {"CS1D1", "Caf\xE9 Society: Season 1: Disc 1", {}},
    {"CS1D2", "CAFE SOCIETY: Season 1: Disc 2", {{1, 4}, {1, 5}, {1, 6}}},
    {"CS1D3", "caf\xE9 society: Season 1: Disc 3", {}},
    {"L1D1", "Lost: Season 1: Disc 1", {{1, 1}, {1, 2}, {1, 3}, {1, 4}}},
    {"L1D2a", "Lost: Season 1: Disc 2", {{1, 5}, {1, 6}, {1, 7}, {1, 8}}},
    {"L1D2b", "Lost: Season 1: Disc 2", {{1, 5}, {1, 6}, {1, 7}, {1, 8}, {1, 9}}},
    {"L1D2c", "Lost: Season 1: Disc 2", {}},
    {"L1D3", "Lost: Season 1: Disc 3", {}},
    {"DB4D1",
     "Dragon Ball: Season 4: Disc 1",
     {{3, 37}, {3, 38}, {3, 39}, {3, 40}, {3, 41}, {3, 42}, {3, 43}, {3, 44}, {3, 45}, {3, 46}}},
    {"DB4D2", "Dragon Ball: Season 4: Disc 2", {}},
    {"DB4D3", "Dragon Ball: Season 4: Disc 3", {{4, 6}, {4, 7}, {4, 8}, {4, 9}}},
    {"Z2D1",
     "Dragon Ball Z: Season 2: Disc 1",
     {{1, 30}, {1, 31}, {1, 32}, {1, 33}, {1, 34}, {1, 35}}},
    {"Z2D2", "Dragon Ball Z: Season 2: Disc 2", {}},
    {"Z2D3", "Dragon Ball Z: Season 2: Disc 3", {}},
    {"C4D1", "Castle: Season 4: Disc 1", {}, {{4, 1}, {4, 2}, {4, 3}, {4, 4}}},
    {"C4D2", "Castle: Season 4: Disc 2", {}},
    {"C4D3", "Castle: Season 4: Disc 3", {}, {{4, 9}, {4, 10}, {4, 11}, {4, 12}}},
    {"FF1D1", "Firefly: Season 1: Disc 1", {}},
    {"FF1D2", "Firefly: Season 1: Disc 2", {}},
    {"FF1D4", "Firefly: Season 1: Disc 4", {}},
    {"SH2D1", "Sherlock: Series 2: Disc 1", {}},
    {"SH3", "Sherlock: Series 3", {}},
};

std::vector<std::string> indexRecords()
{
    std::vector<std::string> records;
    for (const Profile& profile : kCollection) {
        IndexRecord record;
        record.collectionNumber = static_cast<int>(records.size()) + 1;
        record.occurrence = 1;
        record.profileId = profile.id;
        record.title = profile.title;
        records.push_back(formatIndexRecord(record));
    }
    return records;
}

class EpisodeProposerTest : public ::testing::Test
{
protected:
    EpisodeProposerTest()
    {
        for (const Profile& profile : kCollection) {
            m_dividers.set(profile.id, profile.dividers);
            m_copied.set(profile.id, profile.copied);
        }
    }

    EpisodeTable m_dividers;
    EpisodeTable m_copied;
    const std::vector<std::string> m_records = indexRecords();
    EpisodeProposer m_proposer{collectionDiscs(m_records), m_dividers, m_copied};
};

TEST_F(EpisodeProposerTest, TheIndexGivesItsDiscTitles)
{
    const auto discs = collectionDiscs(m_records);
    ASSERT_EQ(discs.size(), kCollection.size() - 1) << "the film is no disc";
    EXPECT_EQ(discs[0].profileId, "C3D1");
    EXPECT_EQ(discs[0].collectionNumber, 2);
    EXPECT_EQ(discs[0].title, (DiscTitle{"Castle", 3, 1}));
    ASSERT_NE(m_proposer.disc("SH3"), nullptr);
    EXPECT_EQ(m_proposer.disc("SH3")->title.disc, std::nullopt);
    EXPECT_EQ(m_proposer.disc("F1"), nullptr);
}

EpisodeProposal expected(EpisodeCode first, EpisodeCode last, EpisodeSource source,
                         std::optional<int> after = {}, std::optional<int> before = {},
                         int seasonEpisodes = 0, int discs = 0)
{
    return {first, last, source, after, before, seasonEpisodes, discs};
}

TEST_F(EpisodeProposerTest, TheFirstRuleThatHoldsGivesTheRange)
{
    using enum EpisodeSource;
    const struct
    {
        const char* id;
        std::map<int, int> counts; // the seasons' episode counts TMDb would give
        std::optional<EpisodeProposal> proposal;
        std::vector<int> asked; // the seasons whose counts were asked for
    } cases[] = {
        // The disc's own dividers, before what was copied for it, asking nothing.
        {"C3D2", {{3, 22}}, expected({3, 5}, {3, 8}, Profile), {}},
        // Between its neighbours, within the season: the collection settles it.
        {"C3D3", {{3, 22}}, expected({3, 9}, {3, 12}, Neighbours, 2, 4), {}},
        // After the previous disc, more discs of the season following.
        {"C3D5", {{3, 22}}, expected({3, 17}, {3, 20}, Neighbours, 4), {}},
        // The season's last disc, disc 5 without dividers in between: it holds fewer.
        {"C3D6", {{3, 22}}, expected({3, 21}, {3, 22}, Neighbours, 4), {3}},
        {"C3D6", {}, expected({3, 21}, {3, 24}, Neighbours, 4), {3}},
        // A missing disc 3 holds as many as disc 2; the last disc takes the season's rest.
        {"B2D4", {{2, 21}}, expected({2, 16}, {2, 21}, Neighbours, 2), {2}},
        {"B2D4", {{2, 24}}, expected({2, 16}, {2, 20}, Neighbours, 2), {2}},
        // Two discs without dividers between two with them.
        {"A5D2", {}, expected({5, 5}, {5, 8}, Neighbours, 1, 4), {}},
        {"A5D3", {}, expected({5, 9}, {5, 12}, Neighbours, 1, 4), {}},
        // The show in other cases and without its accent is the same show.
        {"CS1D1", {}, expected({1, 1}, {1, 3}, Neighbours, {}, 2), {}},
        {"CS1D3", {{1, 10}}, expected({1, 7}, {1, 10}, Neighbours, 2), {1}},
        // A disc numbered twice: its twins are no neighbours; of twins before it, the one
        // ending later counts.
        {"L1D2c", {}, expected({1, 5}, {1, 8}, Neighbours, 1), {}},
        {"L1D3", {}, expected({1, 10}, {1, 14}, Neighbours, 2), {1}},
        // Volumes across TMDb's seasons: codes, not numbers, continue from the disc before.
        {"DB4D2", {{3, 51}}, expected({3, 47}, {4, 5}, Neighbours, 1, 3), {3}},
        {"DB4D2", {}, expected({3, 47}, {4, 5}, Neighbours, 1, 3), {3}},
        {"DB4D2", {{3, 46}}, expected({4, 1}, {4, 5}, Neighbours, 1, 3), {3}},
        {"Z2D2", {{1, 35}, {2, 20}}, expected({2, 1}, {2, 6}, Neighbours, 1), {1}},
        {"Z2D2", {{1, 39}}, expected({1, 36}, {2, 2}, Neighbours, 1), {1}},
        {"Z2D3", {{1, 39}, {2, 20}}, expected({2, 3}, {2, 8}, Neighbours, 1), {1, 2}},
        // What the program copied: for the disc itself, then for its neighbours.
        {"C4D1", {}, expected({4, 1}, {4, 4}, Copied), {}},
        {"C4D3", {}, expected({4, 9}, {4, 12}, Copied), {}},
        {"C4D2", {{4, 23}}, expected({4, 5}, {4, 8}, Copied, 1, 3), {}},
        // An even split of TMDb's count over the discs held, the last taking the rest; disc 3
        // is missing, so there are four discs.
        {"FF1D1", {{1, 14}}, expected({1, 1}, {1, 4}, Split, {}, {}, 14, 4), {1}},
        {"FF1D4", {{1, 14}}, expected({1, 13}, {1, 14}, Split, {}, {}, 14, 4), {1}},
        {"SH2D1", {{2, 3}}, expected({2, 1}, {2, 3}, Split, {}, {}, 3, 1), {2}},
        {"SH3", {{3, 3}}, expected({3, 1}, {3, 3}, Split, {}, {}, 3, 1), {3}},
        // Nothing to go by, or no disc of the collection.
        {"FF1D2", {}, std::nullopt, {1}},
        {"FF1D4", {{1, 2}}, std::nullopt, {1}},
        {"F1", {{1, 10}}, std::nullopt, {}},
        {"nobody", {{1, 10}}, std::nullopt, {}},
    };
    for (const auto& test : cases) {
        std::vector<int> asked;
        const SeasonEpisodeCounts counts = [&](int season) -> std::optional<int> {
            asked.push_back(season);
            const auto found = test.counts.find(season);
            return found == test.counts.end() ? std::nullopt : std::optional(found->second);
        };
        EXPECT_EQ(m_proposer.propose(test.id, counts), test.proposal) << test.id;
        EXPECT_EQ(asked, test.asked) << test.id;
    }
}

} // namespace
} // namespace ravello::collection
