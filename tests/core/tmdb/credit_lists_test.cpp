// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/tmdb/credit_lists.h"
#include "core/tmdb/credit_rows.h"
#include "tests/support/temporary_folder.h"

namespace ravello::tmdb {
namespace {

using tmdb::formatCastPhotoRow;
using tmdb::formatCastRow;
using tmdb::formatCrewPhotoRow;
using tmdb::formatCrewRow;
using Rows = std::vector<std::string>;

CreditLists listsOf(const char* fixture)
{
    return readCreditLists(testing::readFileBytes(testing::fixturePath(fixture)));
}

// Today's order puts "character" after "profile_path" and "department" and "job" after it:
// each row must still carry its own entry's values.
TEST(CreditLists, ReadsTodaysKeyOrderEntryByEntry)
{
    const CreditLists lists = listsOf("tmdb/movie/4321_credits.json");
    EXPECT_EQ(
        lists.cast,
        (Rows{formatCastRow({"Ann Actor", "Lead"}), formatCastRow({"Bob Host", "Himself, Host"}),
              formatCastRow({"Zo\xC3\xAB Accent", "The \"Quoted\" One {braced}"})}));
    EXPECT_EQ(
        lists.castPhoto,
        (Rows{formatCastPhotoRow({"1001", "Ann Actor", "Lead", "/ann1234567890abcdefghijk.jpg"}),
              formatCastPhotoRow({"1002", "Bob Host", "Himself, Host", "null"}),
              formatCastPhotoRow({"1003", "Zo\xC3\xAB Accent", "The \"Quoted\" One {braced}",
                                  "/zoe1234567890abcdefghijk.jpg"})}));
    EXPECT_EQ(lists.crew, (Rows{formatCrewRow({"Dee Director", "Directing", "Director"}),
                                formatCrewRow({"Wes Writer", "Writing", "Screenplay"}),
                                formatCrewRow({"Dee Director", "Writing", "Writer"}),
                                formatCrewRow({"Cam Era", "Camera", ""})}));
    EXPECT_EQ(lists.crewPhoto[1],
              formatCrewPhotoRow({"2002", "Wes Writer", "Writing", "Screenplay", "null"}));
    EXPECT_EQ(lists.crewPhoto[3], formatCrewPhotoRow({"2003", "Cam Era", "Camera", "", "null"}));
}

TEST(CreditLists, ReadsTheOldKeyOrderWithEscapedSlashes)
{
    const CreditLists lists = listsOf("tmdb/movie/123456_credits.json");
    EXPECT_EQ(lists.cast[2], formatCastRow({"Zhang Ziyi", "Jen Yu, the \"Governor's\" daughter"}));
    EXPECT_EQ(lists.castPhoto[0], formatCastPhotoRow({"1339", "Chow Yun-fat", "Li Mu Bai",
                                                      "/cyf1234567890abcdefghijk.jpg"}));
    EXPECT_EQ(lists.crew[1], formatCrewRow({"Tan Dun", "Sound", "Original Music Composer"}));
    EXPECT_EQ(lists.crewPhoto[2],
              formatCrewPhotoRow({"1616", "Peter Pau", "Camera", "Director of Photography",
                                  "/pp1234567890abcdefghijkl.jpg"}));
}

TEST(CreditLists, FillsOnlyTheCastListsWhenThereIsNoCrew)
{
    const CreditLists lists = listsOf("tmdb/movie/4322_credits.json");
    EXPECT_EQ(lists.cast.size(), 1u);
    EXPECT_EQ(lists.castPhoto.size(), 1u);
    EXPECT_TRUE(lists.crew.empty());
    EXPECT_TRUE(lists.crewPhoto.empty());
}

TEST(CreditLists, KeepsEveryEntryOfABigCrewInOrder)
{
    const CreditLists lists = listsOf("tmdb/movie/550_credits.json");
    ASSERT_EQ(lists.cast.size(), 100u);
    ASSERT_EQ(lists.crew.size(), 300u);
    EXPECT_EQ(lists.castPhoto.size(), 100u);
    EXPECT_EQ(lists.crewPhoto.size(), 300u);
    EXPECT_EQ(tmdb::readCrewPhotoRow(lists.crewPhoto[299]).personNumber, "20299");
    EXPECT_EQ(tmdb::readCastPhotoRow(lists.castPhoto[0]).photoPath, "null");
}

TEST(CreditLists, GivesNoRowsForADocumentThatIsNotCredits)
{
    for (const char* document :
         {"", "<html>Bad Gateway</html>", R"({"id":1,"cast":[{"name":"cut)",
          R"({"status_code":34,"status_message":"The resource you requested could not be found."})",
          R"({"id":1,"cast":{"name":"x"},"crew":null})"})
        EXPECT_EQ(readCreditLists(document), CreditLists{}) << document;
}

} // namespace
} // namespace ravello::tmdb
