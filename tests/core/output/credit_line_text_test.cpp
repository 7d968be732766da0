// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/output/credit_line_text.h"
#include "core/tmdb/credit_rows.h"
#include "core/tmdb/season_lists.h"

namespace ravello::output {
namespace {

std::string castText(std::string_view name, std::string_view character)
{
    return tmdb::formatCastRow({std::string(name), std::string(character)});
}

std::string castPhotoText(std::string_view name, std::string_view character,
                          std::string_view photoPath)
{
    return tmdb::formatCastPhotoRow(
        {"819", std::string(name), std::string(character), std::string(photoPath)});
}

TEST(CreditLineText, CastNameIsPaddedWithDotsToTheListsNameColumn)
{
    EXPECT_EQ(paintCreditRow(CreditList::Cast, castText("Jean Reno", "Leon")).text,
              "Jean Reno" + std::string(21, '.') + "Leon");
    EXPECT_EQ(
        paintCreditRow(CreditList::CastPhoto, castPhotoText("Jean Reno", "Leon", "null")).text,
        "Jean Reno" + std::string(29, '.') + "Leon");
}

TEST(CreditLineText, LongNamesAreCutToTheColumnWithoutDots)
{
    const std::string name = "Abcdefghij Klmnopqrst Uvwxyzabcd Efgh"; // 37 characters
    EXPECT_EQ(paintCreditRow(CreditList::Cast, castText(name, "Role")).text,
              name.substr(0, 30) + "Role");
    const std::string thirty(30, 'n');
    EXPECT_EQ(paintCreditRow(CreditList::Cast, castText(thirty, "Role")).text, thirty + "Role");
}

TEST(CreditLineText, CrewLineShowsDepartmentAndJobInParentheses)
{
    const std::string row = tmdb::formatCrewRow({"Luc Besson", "Directing", "Director"});
    EXPECT_EQ(paintCreditRow(CreditList::Crew, row).text,
              "Luc Besson" + std::string(20, '.') + "Directing (Director)");
}

TEST(CreditLineText, CrewRowWithEmptyJobShowsEmptyParentheses)
{
    const std::string row = tmdb::formatCrewRow({"Luc Besson", "Crew", ""});
    EXPECT_EQ(paintCreditRow(CreditList::Crew, row).text,
              "Luc Besson" + std::string(20, '.') + "Crew ()");
    const std::string photoRow = tmdb::formatCrewPhotoRow({"59", "Luc Besson", "Crew", "", "null"});
    EXPECT_EQ(paintCreditRow(CreditList::CrewPhoto, photoRow).text,
              "Luc Besson" + std::string(28, '.') + "Crew ()");
}

TEST(CreditLineText, NameIsPaddedAfterNormalisingSoDotsLineUp)
{
    // "Léa" retrieved as UTF-8 shows as three characters.
    const std::string line = paintCreditRow(CreditList::Cast, castText("L\xc3\xa9"
                                                                       "a Seydoux",
                                                                       "Role"))
                                 .text;
    EXPECT_EQ(line, "L\xe9"
                    "a Seydoux" +
                        std::string(19, '.') + "Role");
    EXPECT_EQ(line.size(), 34u);
}

TEST(CreditLineText, WholeLineIsNormalised)
{
    const std::string line =
        paintCreditRow(CreditList::Cast, castText("Name", "Caf\xc3\xa9 owner")).text;
    EXPECT_EQ(line, "Name" + std::string(26, '.') + "Caf\xe9 owner");
}

TEST(CreditLineText, HeadingRowShowsItsNormalisedCaptionAlone)
{
    for (const CreditList list : {CreditList::Cast, CreditList::Crew}) {
        const PaintedRow row = paintCreditRow(list, tmdb::formatHeadingRow("1.02 Caf\xc3\xa9"));
        EXPECT_EQ(row.text, "1.02 Caf\xe9");
        EXPECT_TRUE(row.isHeading);
        EXPECT_FALSE(paintCreditRow(list, castText("1.02 Cafe", "")).isHeading);
    }
}

TEST(CreditLineText, MarkerShowsFromSixteenCharactersOfPhotoPath)
{
    struct Case
    {
        std::string_view path;
        bool marker;
    };
    const Case cases[] = {
        {"null", false},
        {"", false},
        {"/abcdefghij.jpg", false}, // 15 characters
        {"/abcdefghijk.jpg", true}, // 16
        {"/kU3B75TyRiCgE270EyZnHjfivoq.jpg", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(showsPhotoMarker(c.path), c.marker) << c.path;
        EXPECT_EQ(
            paintCreditRow(CreditList::CastPhoto, castPhotoText("N", "C", c.path)).showsPhotoMarker,
            c.marker)
            << c.path;
    }
    EXPECT_FALSE(
        paintCreditRow(CreditList::Cast, castText("N", "/abcdefghijklmnop.jpg")).showsPhotoMarker);
}

TEST(CreditLineText, MarkerFillsFourteenPixelsOfASixteenPixelRow)
{
    const MarkerRect rect = photoMarkerRect(CreditList::CastPhoto, 0, 32);
    EXPECT_EQ(rect.left, 2);
    EXPECT_EQ(rect.top, 33);
    EXPECT_EQ(rect.right - rect.left, 14);
    EXPECT_EQ(rect.bottom - rect.top, 14);
}

TEST(CreditLineText, ListsHaveTheirOwnGeometry)
{
    EXPECT_EQ(creditListLayout(CreditList::Crew).itemHeight, 14);
    EXPECT_EQ(creditListLayout(CreditList::Cast).textX, 4);
    EXPECT_EQ(creditListLayout(CreditList::CrewPhoto).textX, 20);
    EXPECT_EQ(creditListLayout(CreditList::CrewPhoto).nameColumnWidth, 38);
}

} // namespace
} // namespace ravello::output
