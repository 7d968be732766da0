// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/collection/episode_dividers.h"

namespace ravello::collection {
namespace {

std::vector<EpisodeCode> codesOf(std::initializer_list<std::string_view> lines)
{
    const std::vector<std::string_view> section(lines);
    return episodeDividerCodes(section);
}

// A disc's cast and crew as the export divides them: each section lists the disc's episodes,
// with groups and their ends in between.
TEST(EpisodeDividers, GiveTheCodesOfTheEpisodeCaptionsInOrderEachOnce)
{
    EXPECT_EQ(
        codesOf({
            "      <Actors>",
            "        <Divider Caption=\"3.06 3XK\" Type=\"Episode\"/>",
            "        <Actor FirstName=\"Nathan\" MiddleName=\"\" LastName=\"Fillion\" "
            "BirthYear=\"1971\" Role=\"Richard Castle\" CreditedAs=\"\" Voice=\"False\" "
            "Uncredited=\"False\"/>",
            "        <Divider Caption=\"Guest Stars\" Type=\"Group\"/>",
            "        <Divider Type=\"EndDiv\"/>",
            "        <Divider Caption=\"3.05 Anatomy of a &quot;Murder&quot;\" Type=\"Episode\"/>",
            "        <Divider Caption=\"3.08 Almost Famous\" Type=\"Episode\"/>",
            "      </Actors>",
            "      <Credits>",
            "        <Divider Type=\"Episode\" Caption=\"3.05 Anatomy of a Murder\"/>",
            "        <Credit FirstName=\"Rob\" MiddleName=\"\" LastName=\"Bowman\" "
            "BirthYear=\"0\" CreditType=\"Direction\" CreditSubtype=\"Director\"/>",
            "        <Divider Caption=\"3.07 Close Encounters\" Type=\"Episode\"/>",
            "      </Credits>",
        }),
        (std::vector<EpisodeCode>{{3, 5}, {3, 6}, {3, 7}, {3, 8}}));
    // A disc crossing into the next season keeps both seasons, in order.
    EXPECT_EQ(codesOf({"<Divider Caption=\"4.01 Saiyans\" Type=\"Episode\"/>",
                       "<Divider Caption=\"3.47 Goku\" Type=\"Episode\"/>"}),
              (std::vector<EpisodeCode>{{3, 47}, {4, 1}}));
}

TEST(EpisodeDividers, OldExportsAndCaptionsWithoutCodesGiveNone)
{
    EXPECT_TRUE(codesOf({}).empty());
    EXPECT_TRUE(
        codesOf({"<Actor FirstName=\"Stana\" LastName=\"Katic\" BirthYear=\"1978\"/>",
                 "<Divider Caption=\"Pilot\" Type=\"Episode\"/>",
                 "<Divider Caption=\"3.05 Guests\" Type=\"Group\"/>",
                 "<Divider Caption=\"3.10\" Type=\"Episodes\"/>", "<Divider Type=\"Episode\"/>"})
            .empty());
}

} // namespace
} // namespace ravello::collection
