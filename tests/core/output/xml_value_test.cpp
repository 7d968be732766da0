// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/output/xml_value.h"

namespace ravello::output {
namespace {

struct ValueCase
{
    std::string_view text;
    std::string_view expected;
};

const ValueCase kCases[] = {
    {"Jean Reno", "Jean Reno"},
    {"Tom & Jerry", "Tom &amp; Jerry"},
    {"a<b", "a&lt;b"},
    {"a>b", "a&gt;b"},
    {"The \"Kid\"", "The &quot;Kid&quot;"},
    {"it's", "it's"},
    // Normalised first: an entity or escaped quote of the retrieved text is escaped once.
    {"Tom &amp; Jerry", "Tom &amp; Jerry"},
    {"The \\\"Kid\\\"", "The &quot;Kid&quot;"},
    {"Caf\xc3\xa9", "Caf\xe9"},
    // A control character would break the line or the document.
    {"two\r\nlines\tand\x01", "two  lines and "},
    {"", ""},
};

TEST(XmlValue, NormalisesThenEscapesEachSpecialCharacter)
{
    for (const ValueCase& c : kCases)
        EXPECT_EQ(xmlValue(c.text), c.expected) << c.text;
}

} // namespace
} // namespace ravello::output
