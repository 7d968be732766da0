// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

#include "core/collection/line_marks.h"

namespace ravello::collection {
namespace {

bool holds(std::string_view line, std::string_view text)
{
    return line.find(text) != std::string_view::npos;
}

// The import's tests written the plain way, one substring search each, as the reference the
// scanner must agree with on any line.
LineMarks referenceMarksOf(std::string_view line)
{
    static const std::pair<std::string_view, LineMarks> kTexts[] = {
        {"<ID>", kMarkId},
        {"<DVD>", kMarkDvdOpen},
        {"</DVD>", kMarkDvdClose},
        {"<CustomMediaType>X265", kMarkX265},
        {"<CustomMediaType>Divx", kMarkDivx},
        {"<CollectionNumber>", kMarkCollectionNumber},
        {"<Title>", kMarkTitle},
        {"<OriginalTitle>", kMarkOriginalTitle},
        {"<ProductionYear>", kMarkProductionYear},
        {"<RunningTime>", kMarkRunningTime},
        {"<Overview>", kMarkOverviewOpen},
        {"</Overview>", kMarkOverviewClose},
        {"</MyLinks>", kMarkMyLinksClose},
        {"<Locks>", kMarkLocksOpen},
        {"</Locks>", kMarkLocksClose},
        {"<Actor ", kMarkActor},
        {"<Credit ", kMarkCredit},
        {"<Divider ", kMarkDivider},
    };
    LineMarks marks = 0;
    for (const auto& [text, mark] : kTexts)
        if (holds(line, text))
            marks |= mark;
    // The one test that does not begin with '<'.
    if (holds(line, "HDDVD") && holds(line, "</HDDVD>"))
        marks |= kMarkHdDvdClose;
    for (int digit = 0; digit <= 9; ++digit)
        if (holds(line, "<Review Film=\"" + std::to_string(digit) + "\""))
            marks |= reviewMark(digit);
    return marks;
}

TEST(LineMarks, RecogniseTheLinesOfAnExport)
{
    const struct
    {
        std::string_view line;
        LineMarks marks;
    } cases[] = {
        {"    <ID>025192012421.4</ID>\r", kMarkId},
        {"  <DVD>", kMarkDvdOpen},
        {"  </DVD>", kMarkDvdClose},
        {"      <DVD>true</DVD>", kMarkDvdOpen | kMarkDvdClose},
        {"      <HDDVD>true</HDDVD>", kMarkHdDvdClose},
        {"      <CustomMediaType>X265 UHD</CustomMediaType>", kMarkX265},
        {"      <CustomMediaType>Divx 5</CustomMediaType>", kMarkDivx},
        {"      <CustomMediaType>divx</CustomMediaType>", 0},
        {"      <CustomMediaType/>", 0},
        {"    <CollectionNumber>12</CollectionNumber>", kMarkCollectionNumber},
        {"    <CollectionNumber/>", 0},
        {"    <Title>Alien</Title>", kMarkTitle},
        {"    <OriginalTitle>Alien</OriginalTitle>", kMarkOriginalTitle},
        {"    <SortTitle>Alien</SortTitle>", 0},
        {"    <ProductionYear>1979</ProductionYear>", kMarkProductionYear},
        {"    <RunningTime>117</RunningTime>", kMarkRunningTime},
        {"    <Review Film=\"8\" Video=\"7\"/>", reviewMark(8)},
        {"    <Review Film=\"10\" Video=\"7\"/>", 0},
        {"    <Review Film=\"1\"/><Review Film=\"3\"/>", reviewMark(1) | reviewMark(3)},
        {"    <Overview>One line.</Overview>", kMarkOverviewOpen | kMarkOverviewClose},
        {"    <Overview>Begins here", kMarkOverviewOpen},
        {"ends here.</Overview>", kMarkOverviewClose},
        {"    </MyLinks>", kMarkMyLinksClose},
        {"    <Locks>", kMarkLocksOpen},
        {"    </Locks>", kMarkLocksClose},
        {"      <Actor FirstName=\"Tom\" LastName=\"Skerritt\" Role=\"Dallas\"/>", kMarkActor},
        {"      <Credit FirstName=\"Ridley\" CreditType=\"Direction\"/>", kMarkCredit},
        {"    <Actors>", 0},
        {"    <Credits/>", 0},
        {"      <Divider Caption=\"Part 1\" Type=\"Episode\"/>", kMarkDivider},
        {"      <Divider/>", 0},
        {"a &lt;Title&gt; escaped", 0},
        {"<", 0},
        {"", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(marksOf(c.line), c.marks) << c.line;
        EXPECT_EQ(referenceMarksOf(c.line), c.marks) << c.line;
    }
}

// Lines made of pieces of the searched texts, cut and glued at random, so that every near
// miss (a text cut short at the end of the line, a '<' inside a text, two texts overlapping)
// turns up many times.
TEST(LineMarks, AgreeWithSubstringSearchOnAnyLine)
{
    static const std::string_view kPieces[] = {
        "<",
        "/",
        ">",
        "\"",
        "ID>",
        "DVD>",
        "HDDVD",
        "HD",
        "Custom",
        "MediaType>",
        "X265",
        "Divx",
        "CollectionNumber>",
        "Title>",
        "Original",
        "ProductionYear>",
        "RunningTime>",
        "Review Film=\"",
        "1",
        "7",
        "10",
        "Overview>",
        "MyLinks>",
        "Locks>",
        " ",
        "x",
        "<<",
        "</",
        "\xE9",
        "\r",
        "Collection",
        "Production",
        "Running",
        "Lock",
        "Divider ",
        "Review",
        "Actor ",
        "Actors>",
        "Credit ",
        "Credits>",
    };
    std::mt19937 random(20240501);
    std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
    std::uniform_int_distribution<int> count(0, 12);
    // The lines also go together into texts of up to 40 lines, read by MarkedLines, whose
    // steps of 64 bytes they cross anywhere. Half the texts end with a line end, and so do
    // those whose last line is empty, which would not be there otherwise.
    std::uniform_int_distribution<std::size_t> linesInText(1, 40);
    std::vector<std::string> lines;
    std::string text;
    for (int i = 0; i < 200000; ++i) {
        std::string line;
        for (int n = count(random); n > 0; --n)
            line += kPieces[piece(random)];
        ASSERT_EQ(marksOf(line), referenceMarksOf(line)) << line;
        lines.push_back(line);
        text += line;
        if (lines.size() < linesInText(random)) {
            text += '\n';
            continue;
        }
        if (i % 2 == 0 || line.empty())
            text += '\n';
        MarkedLines marked(text);
        std::string_view given;
        LineMarks marks = 0;
        for (const std::string& expected : lines) {
            ASSERT_TRUE(marked.next(given, marks)) << text;
            ASSERT_EQ(given, expected) << text;
            ASSERT_EQ(marks, referenceMarksOf(expected)) << text;
        }
        // A text ending with a line end has no empty line after it.
        EXPECT_FALSE(marked.next(given, marks)) << text;
        lines.clear();
        text.clear();
    }
}

} // namespace
} // namespace ravello::collection
