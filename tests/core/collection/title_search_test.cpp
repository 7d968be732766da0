// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

#include "core/collection/title_search.h"
#include "core/text/text_fields.h"

namespace ravello::collection {
namespace {

std::vector<std::size_t> plainFind(const std::vector<std::string>& records,
                                   std::string_view upperFilter, std::size_t limit)
{
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < records.size() && found.size() < limit; ++i) {
        std::string text = TitleSearch::searchTextOf(records[i]);
        text::toUpper(text);
        if (text.find(upperFilter) != std::string::npos)
            found.push_back(i);
    }
    return found;
}

TEST(TitleSearch, SearchTextIsKeySpaceAndTitleColumns)
{
    const std::string record = "00012|001|" + std::string(45, '-') + std::string(100, 'T') + "|" +
                               std::string(100, 'O') + "|overview";
    EXPECT_EQ(TitleSearch::searchTextOf(record),
              "00012|001 " + std::string(100, 'T') + "|" + std::string(95, 'O'));
    EXPECT_EQ(TitleSearch::searchTextOf("0001"), "0001 ");
}

// Short records over a small alphabet and filters cut from them, so that matches at the very
// start and end of a search text and near misses are frequent.
TEST(TitleSearch, FindsWhatAPlainSearchFinds)
{
    std::mt19937 random(77);
    const std::string alphabet = "ab |\xE9\xC9";
    std::uniform_int_distribution<std::size_t> letter(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 70);
    std::vector<std::string> records;
    for (int i = 0; i < 300; ++i) {
        std::string record = "00001|001|" + std::string(45, ' ');
        for (int n = length(random) + length(random) * 3; n > 0; --n)
            record += alphabet[letter(random)];
        records.push_back(record);
    }
    const TitleSearch search(records);
    for (int i = 0; i < 2000; ++i) {
        std::string filter;
        for (int n = 1 + length(random) % 6; n > 0; --n)
            filter += alphabet[letter(random)];
        text::toUpper(filter);
        for (const std::size_t limit : {std::size_t{5}, std::size_t{1000}})
            ASSERT_EQ(search.find(filter, limit), plainFind(records, filter, limit))
                << "[" << filter << "]";
    }
}

TEST(TitleSearch, EmptyIndexFindsNothing)
{
    EXPECT_TRUE(TitleSearch().find("", 100).empty());
    EXPECT_TRUE(TitleSearch(std::vector<std::string>{}).find("A", 100).empty());
}

} // namespace
} // namespace ravello::collection
