// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/collection/episode_code.h"

namespace ravello::collection {
namespace {

TEST(EpisodeCode, ReadsTheCodeADividerCaptionBeginsWith)
{
    const struct
    {
        const char* caption;
        std::optional<EpisodeCode> code;
    } cases[] = {
        {"3.05 Anatomy of a Murder", EpisodeCode{3, 5}},
        {"1.01 Pilot", EpisodeCode{1, 1}},
        {"12.110 The Long Arc", EpisodeCode{12, 110}},
        {"0.02 Deleted Scenes", EpisodeCode{0, 2}},
        {"3.5", EpisodeCode{3, 5}},
        {"  4.07: Kill Shot", EpisodeCode{4, 7}},
        {"\t2.03 - Caf\xE9", EpisodeCode{2, 3}},
        {"2.03(1)", EpisodeCode{2, 3}},
        // No season.episode code at the front.
        {"Pilot", std::nullopt},
        {"Episode 5", std::nullopt},
        {"", std::nullopt},
        {"3", std::nullopt},
        {"3.", std::nullopt},
        {".05 Title", std::nullopt},
        {"3.00 Recap", std::nullopt},
        {"1.5.2 Version", std::nullopt},
        {"2.5Men", std::nullopt},
        {"12345.01 Title", std::nullopt},
        {"1.12345 Title", std::nullopt},
        {"-3.05 Title", std::nullopt},
    };
    for (const auto& test : cases)
        EXPECT_EQ(readEpisodeCode(test.caption), test.code) << test.caption;
}

TEST(EpisodeCode, WritesTheSeasonUnpaddedAndTheEpisodeInTwoDigitsOrMore)
{
    EXPECT_EQ(episodeCodeText({3, 5}), "3.05");
    EXPECT_EQ(episodeCodeText({12, 110}), "12.110");
    EXPECT_EQ(episodeCodeText({0, 10}), "0.10");
    EXPECT_EQ(readEpisodeCode(episodeCodeText({4, 7})), (EpisodeCode{4, 7}));
}

} // namespace
} // namespace ravello::collection
