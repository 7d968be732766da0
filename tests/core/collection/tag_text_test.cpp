// SPDX-License-Identifier: MIT
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

#include "core/collection/tag_text.h"
#include "tests/support/in_place_cases.h"

namespace ravello::collection {
namespace {

using namespace std::string_view_literals;

using ravello::testing::expectInPlace;

TEST(TagText, StripTagGivesTheContentOfAOneLineElement)
{
    // tagContent gives the same text as a view into the line.
    const auto asContent = [](std::string& text) {
        const std::string_view content = tagContent(text);
        EXPECT_TRUE(content.empty() ||
                    (content.data() >= text.data() &&
                     content.data() + content.size() <= text.data() + text.size()));
        text = std::string(content);
    };
    for (const auto& routine : {std::function<void(std::string&)>(stripTag),
                                std::function<void(std::string&)>(asContent)})
        expectInPlace(
            routine,
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
                {"control bytes and NUL are blanks", "\x01 <ID>7</ID>\t\x00"sv, "7"},
                {"blanks after the start tag of a one-line element", "<Title> \x02 Alien</Title>",
                 "Alien"},
            });
}

TEST(TagText, TagValueKeepsAtMostTheGivenNumberOfCharacters)
{
    const std::string sixty(60, 'x');
    EXPECT_EQ(tagValue("<Title>" + sixty + "</Title>", 50), std::string(50, 'x'));
    EXPECT_EQ(tagValue("<ID>0123</ID>\r\n", 50), "0123");
    EXPECT_EQ(tagValue("<Review Film=\"0\" />", 50), "");
}

TEST(TagText, StripEscapedTagsRemovesOnlyOneLetterTags)
{
    expectInPlace(stripEscapedTags,
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
