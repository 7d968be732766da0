// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/collection/disc_title.h"

namespace ravello::collection {
namespace {

TEST(DiscTitle, ReadsTheShowSeasonAndDiscOfABoxSetsTitles)
{
    const struct
    {
        const char* title;
        std::optional<DiscTitle> disc;
    } cases[] = {
        {"Castle: Season 3: Disc 2", DiscTitle{"Castle", 3, 2}},
        {"Supernatural: Season 6", DiscTitle{"Supernatural", 6, std::nullopt}},
        {"Star Trek: The Next Generation: Season 3: Disc 1",
         DiscTitle{"Star Trek: The Next Generation", 3, 1}},
        {"  Dark:Staffel 2:DISK 1  ", DiscTitle{"Dark", 2, 1}},
        {"Engrenages: SAISON 4", DiscTitle{"Engrenages", 4, std::nullopt}},
        {"La casa de papel: temporada 1: Disco 3", DiscTitle{"La casa de papel", 1, 3}},
        {"Gomorra: Stagione 10: Disque 4", DiscTitle{"Gomorra", 10, 4}},
        {"Doctor Who: Series 5: DVD 2", DiscTitle{"Doctor Who", 5, 2}},
        {"Caf\xE9 Noir: Season 0", DiscTitle{"Caf\xE9 Noir", 0, std::nullopt}},
        // Not a season of a show: the title stays a title.
        {"Rick and Morty: The Anime", std::nullopt},
        {"Castle", std::nullopt},
        {": Season 3", std::nullopt},
        {"Castle: Season Three", std::nullopt},
        {"Castle: Season 3b", std::nullopt},
        {"Castle: Season -3", std::nullopt},
        {"Castle: Season 12345", std::nullopt},
        {"Castle: Disc 2", std::nullopt},
        {"Castle: Season 3: Disc", std::nullopt},
        {"Castle: Season 3: Bonus", std::nullopt},
        {"Castle: Seasons 3", std::nullopt},
    };
    for (const auto& test : cases)
        EXPECT_EQ(readDiscTitle(test.title), test.disc) << test.title;
}

} // namespace
} // namespace ravello::collection
