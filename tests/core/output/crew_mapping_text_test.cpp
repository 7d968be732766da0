// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/output/crew_mapping_text.h"
#include "tests/core/output/golden_document.h"

namespace ravello::output {
namespace {

const CrewMapping& builtIn()
{
    return CrewMapping::builtIn();
}

TEST(CrewMappingText, BuiltInFileReadsBackAsTheBuiltInRules)
{
    const std::string file = writeCrewMappingFile(builtIn());
    testing::expectGolden("crew_mapping.txt", file);
    const CrewMappingReading reading = readCrewMapping(file);
    ASSERT_TRUE(reading.mapping) << reading.error.line << ": " << reading.error.message;
    EXPECT_EQ(*reading.mapping, builtIn());
    EXPECT_EQ(writeCrewMappingRules(*reading.mapping), writeCrewMappingRules(builtIn()));
}

TEST(CrewMappingText, ReadsWindowsLineEndsAByteOrderMarkAndFreeIndentation)
{
    std::string text = "\xEF\xBB\xBF";
    for (const char c : writeCrewMappingRules(builtIn()))
        text += c == '\n' ? std::string("  \r\n\t") : std::string(1, c);
    const CrewMappingReading reading = readCrewMapping(text);
    ASSERT_TRUE(reading.mapping) << reading.error.line << ": " << reading.error.message;
    EXPECT_EQ(*reading.mapping, builtIn());
}

TEST(CrewMappingText, EveryRuleFormReadsIntoItsFields)
{
    const CrewMappingReading reading =
        readCrewMapping("department is \"Lighting\" \"Crew\"\n"
                        "type \"Other\"\n"
                        "group sound all\n"
                        "job is \"Gaffer\" principal\n"
                        "job begins \"Best\" principal \"Boy\" type \"Light\"\n"
                        "minor begins \"Rigging\" custom \"Rigger\"\n"
                        "other jobs custom\n");
    ASSERT_TRUE(reading.mapping) << reading.error.line << ": " << reading.error.message;
    const RuleBlock expected{
        TextTest::Equals,
        {"Lighting", "Crew"},
        "Other",
        {{TextTest::Equals, "Gaffer", CreditDisposition::Principal, "", "", ""},
         {TextTest::BeginsWith, "Best", CreditDisposition::Principal, "Light", "Boy", ""}},
        {{TextTest::BeginsWith, "Rigging", CreditDisposition::Custom, "", "", "Rigger"}},
        CrewGroup::Sound,
        Leftover::BecomesCustom,
        GroupScope::All};
    ASSERT_EQ(reading.mapping->blocks().size(), 1u);
    EXPECT_EQ(reading.mapping->blocks()[0], expected);
}

struct DamagedCase
{
    const char* text;
    int line;
    CrewMappingErrorKind kind;
    const char* word;
    const char* message; // a part of the message
};

using Kind = CrewMappingErrorKind;

const DamagedCase kDamaged[] = {
    {"", 0, Kind::NoRules, "", "no rules"},
    {"# only a comment\n\n", 0, Kind::NoRules, "", "no rules"},
    {"department begins \"Camera\n", 1, Kind::UnclosedQuote, "", "no closing quote"},
    {"job is \"Writer\" principal\n", 1, Kind::BeforeFirstDepartment, "job",
     "\"job\" comes before the first department"},
    {"department begins \"Sound\"\n  group music\n", 2, Kind::GroupExpected, "music",
     "unknown \"music\": expected a group"},
    {"department begins \"Sound\"\n  group\n", 2, Kind::GroupExpected, "", "missing a group"},
    {"department begins \"Sound\"\n\n  job starts \"Foley\" custom \"Custom\"\n", 3,
     Kind::TestExpected, "starts", "unknown \"starts\""},
    {"department begins \"Sound\"\n  job is principal\n", 2, Kind::JobMissing, "",
     "the job in double quotes"},
    {"department begins \"Sound\"\n  job is \"Foley\" custom\n", 2, Kind::SubtypeMissing, "",
     "subtype"},
    {"department begins \"Sound\"\n  job is \"Foley\" principal type\n", 2, Kind::CreditTypeMissing,
     "", "the credit type in double quotes"},
    {"department begins \"Sound\"\n  job is \"Foley\" custom \"Custom\" now\n", 2,
     Kind::UnexpectedWord, "now", "unexpected \"now\""},
    {"department begins \"Sound\"\n  job is \"Foley\" optional \"Custom\"\n", 2,
     Kind::DispositionExpected, "optional", "principal or custom"},
    {"department begins \"Art\"\n  type \"Art\"\n  type \"Other\"\n", 3, Kind::RepeatedLine, "type",
     "has a \"type\" line already"},
    {"department is\n", 1, Kind::NoDepartmentNamed, "", "names no department"},
    {"department \"Crew\"\n", 1, Kind::TestExpected, "Crew", "expected \"is\" or \"begins\""},
    {"department begins \"Crew\"\n  other jobs principal\n", 2, Kind::OtherJobsMalformed, "",
     "other jobs custom"},
    {"department begins \"Crew\"\n\x7f\x45LF\x02\x01\x01\n", 2, Kind::UnknownLine,
     "\x7f\x45LF\x02\x01\x01", "unknown line"},
};

// Each fault has its kind and word, for the window's own words, and an English message.
TEST(CrewMappingText, DamagedTextsGiveNoMappingAndTheLineAtFault)
{
    for (const DamagedCase& c : kDamaged) {
        SCOPED_TRACE(c.text);
        const CrewMappingReading reading = readCrewMapping(c.text);
        EXPECT_FALSE(reading.mapping);
        EXPECT_EQ(reading.error.line, c.line);
        EXPECT_EQ(reading.error.kind, c.kind);
        EXPECT_EQ(reading.error.word, c.word);
        EXPECT_NE(reading.error.message.find(c.message), std::string::npos)
            << reading.error.message;
    }
}

} // namespace
} // namespace ravello::output
