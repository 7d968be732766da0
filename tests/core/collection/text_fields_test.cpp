// SPDX-License-Identifier: MIT
#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

#include "core/collection/text_fields.h"

namespace ravello::collection {
namespace {

using namespace std::string_view_literals;

struct Case
{
    const char* name;
    std::string_view input;
    std::string_view expected;
};

template <typename Routine> void expectInPlace(Routine routine, std::initializer_list<Case> cases)
{
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string text(c.input);
        routine(text);
        EXPECT_EQ(text, std::string(c.expected));
    }
}

TEST(TextFields, TrimRightRemovesBlanksAndControlsButNotHighBytes)
{
    expectInPlace(TrimRight, {
                                 {"space CR LF", "Alien \r\n", "Alien"},
                                 {"three spaces", "   ", ""},
                                 {"empty", "", ""},
                                 {"tab and NUL", "a\t\0"sv, "a"},
                                 {"accented letter at the end", "caf\xE9", "caf\xE9"},
                                 {"no-break space is text", "a\xA0", "a\xA0"},
                                 {"leading blanks stay", "  a", "  a"},
                             });
}

TEST(TextFields, TrimLeftRemovesLeadingBlanksUnlessThatIsAll)
{
    expectInPlace(TrimLeft, {
                                {"two spaces and a tab", "  \tAlien", "Alien"},
                                {"three spaces stay", "   ", "   "},
                                {"empty", "", ""},
                                {"accented first letter", "\xC9t\xE9", "\xC9t\xE9"},
                                {"UTF-8 lead byte first", "\xC3\xA9t\xC3\xA9", "\xC3\xA9t\xC3\xA9"},
                                {"trailing blanks stay",
                                 "\x01"
                                 "a ",
                                 "a "},
                            });
}

TEST(TextFields, DropLeadingRemovesCharactersOnlyWhenThereAreEnough)
{
    std::string nine = "123456789";
    DropLeading(nine, 10);
    EXPECT_EQ(nine, "123456789");

    std::string ten = "1234567890";
    DropLeading(ten, 10);
    EXPECT_EQ(ten, "");

    std::string some = "<Title>";
    DropLeading(some, 1);
    EXPECT_EQ(some, "Title>");
}

TEST(TextFields, ToUpperRaisesAsciiAndAccentedWindows1252Letters)
{
    expectInPlace(ToUpper,
                  {
                      {"ASCII", "alien 3", "ALIEN 3"},
                      {"Latin-1 small letters", "\xE0\xE9\xF1\xF6\xFE", "\xC0\xC9\xD1\xD6\xDE"},
                      {"s caron, oe, z caron, y diaeresis", "\x9A\x9C\x9E\xFF", "\x8A\x8C\x8E\x9F"},
                      {"sharp s, division sign, micro sign stay", "\xDF\xF7\xB5", "\xDF\xF7\xB5"},
                      {"capitals stay", "\xC9\x8A", "\xC9\x8A"},
                  });
}

TEST(TextFields, ToLongReadsLikeAtolAndSaturatesAtThe32BitLimits)
{
    const struct
    {
        std::string_view text;
        std::int32_t value;
    } cases[] = {
        {"12", 12},
        {"  \t-42x", -42},
        {"+7", 7},
        {"00012|003", 12},
        {"", 0},
        {"abc", 0},
        {"-", 0},
        {"- 5", 0},
        {"+-5", 0},
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {"2147483648", INT32_MAX},
        {"-2147483649", INT32_MIN},
        {"4294967297", INT32_MAX},
        {"99999999999999999999999", INT32_MAX},
        {"-99999999999999999999999", INT32_MIN},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToLong(c.text), c.value) << '"' << c.text << '"';
}

TEST(TextFields, ToWideGivesOneCodeUnitPerByte)
{
    EXPECT_EQ(ToWide("Caf\xE9"), u"Caf\u00E9");
    EXPECT_EQ(ToWide("\x80\x85\x8A\x9F"), u"\u20AC\u2026\u0160\u0178");
    EXPECT_EQ(ToWide(""), u"");
}

TEST(TextFields, StripTagGivesTheContentOfAOneLineElement)
{
    expectInPlace(StripTag,
                  {
                      {"indented title with CR LF", "    <Title>Alien</Title>\r\n", "Alien"},
                      {"flag", "<DVD>true</DVD>", "true"},
                      {"empty element", "<Title></Title>", ""},
                      {"content holding >", "<Title>a>b</Title>", "a>b"},
                      {"content with blanks inside the tags", "<Title>  Alien </Title>", "Alien "},
                      {"opening tag whose content runs on", "<Overview>In space no one",
                       "<Overview>In space no one"},
                      {"continuation line ending the element", "  can hear you.</Overview>",
                       "can hear you.</Overview>"},
                      {"plain text is only trimmed", "  text  ", "text"},
                      {"self-closing element with attributes",
                       "  <Review Film=\"0\" Video=\"0\" Audio=\"0\" Extras=\"0\" />", ""},
                      {"bare opening tag", "<Overview>", ""},
                      {"tag and blanks", "<Overview>   \r\n", ""},
                      {"empty line", "", ""},
                      {"blank line", "   ", ""},
                  });
}

TEST(TextFields, TagValueKeepsAtMostTheGivenNumberOfCharacters)
{
    const std::string sixty(60, 'x');
    EXPECT_EQ(TagValue("<Title>" + sixty + "</Title>", 50), std::string(50, 'x'));
    EXPECT_EQ(TagValue("<ID>0123</ID>\r\n", 50), "0123");
    EXPECT_EQ(TagValue("<Review Film=\"0\" />", 50), "");
}

TEST(TextFields, FieldAtCopiesColumnsFromUpToTo)
{
    const std::string record = "00012|003|Alien                   |1";
    EXPECT_EQ(FieldAt(record, 1, 6), "00012");
    EXPECT_EQ(FieldAt(record, 7, 10), "003");
    EXPECT_EQ(FieldAt(record, 11, 35), "Alien");
    EXPECT_EQ(FieldAt(record, 36, 100), "1");

    const std::string exact(257, 'a');
    EXPECT_EQ(FieldAt(exact, 258, 2258), "");
    EXPECT_EQ(FieldAt(exact, 257, 258), "a");
    EXPECT_EQ(FieldAt(record, 6, 6), "");
    EXPECT_EQ(FieldAt(record, 6, 2), "");
    EXPECT_EQ(FieldAt(record, 0, 6), "");
    EXPECT_EQ(FieldAt("", 1, 2), "");
}

TEST(TextFields, StripEscapedTagsRemovesOnlyOneLetterTags)
{
    expectInPlace(StripEscapedTags,
                  {
                      {"italic title", "&lt;i&gt;Alien&lt;/i&gt; (1979)", "Alien (1979)"},
                      {"empty", "", ""},
                      {"line break with a slash stays", "a&lt;br /&gt;b", "a&lt;br /&gt;b"},
                      {"longer tag stays", "&lt;em&gt;x&lt;/em&gt;", "&lt;em&gt;x&lt;/em&gt;"},
                      {"tags alone", "&lt;b&gt;&lt;/b&gt;", ""},
                      {"other entities stay", "Tom &amp; Jerry &quot;", "Tom &amp; Jerry &quot;"},
                      {"cut short at the end", "x&lt;i&gt", "x&lt;i&gt"},
                  });
}

} // namespace
} // namespace ravello::collection
