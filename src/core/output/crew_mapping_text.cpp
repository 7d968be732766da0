// SPDX-License-Identifier: MIT
#include "core/output/crew_mapping_text.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace ravello::output {
namespace {

template <typename T> struct Word
{
    std::string_view text;
    T value;
};

constexpr Word<TextTest> kTests[] = {{"is", TextTest::Equals}, {"begins", TextTest::BeginsWith}};
constexpr Word<CreditDisposition> kDispositions[] = {{"principal", CreditDisposition::Principal},
                                                     {"custom", CreditDisposition::Custom}};
constexpr Word<CrewGroup> kGroups[] = {{"photography", CrewGroup::Photography},
                                       {"sound", CrewGroup::Sound},
                                       {"art", CrewGroup::Art},
                                       {"other", CrewGroup::Other}};

using Kind = CrewMappingErrorKind;

constexpr std::string_view kIndent = "    ";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

constexpr std::string_view kExplanation = R"(# Ravello's crew mapping (UTF-8 text)
#
# How a crew credit from TMDb, a department and a job in English, becomes a credit of the
# CrewInformation document that DVD Profiler pastes. Ravello reads this file when it starts:
# change, add or remove rules with a text editor, then start Ravello again. When a line does
# not read, Ravello leaves the file as it is, uses its built-in rules and names the line.
# Delete the file to have it written again with the built-in rules.
#
# Blank lines and lines starting with # are skipped; indentation is free. Texts stand in
# double quotes and are compared case-sensitively: "is" wants the whole text, "begins" its
# start. A credit with an empty job starts as a custom credit (subtype "Custom"); a credit
# with an empty department is left out.
#
# department is|begins "TEXT" ["TEXT" ...]
#     Starts a block. A credit enters it when its credit type, at first its department, is
#     or begins with one of the texts. The blocks run from top to bottom.
# type "TYPE"
#     Entering the block makes TYPE the credit type; without it the department stays.
# group photography|sound|art|other [all]
#     The block's check box. When it is unchecked, the custom credits the minor lines made are
#     left out; with "all", every custom credit of the block.
# job is|begins "JOB" principal ["SUBTYPE"] [type "TYPE"]
#     A principal credit: CreditSubtype SUBTYPE, or the job itself without one.
# job is|begins "JOB" custom "SUBTYPE" [type "TYPE"]
#     A custom credit: CreditSubtype SUBTYPE, CustomRole the job.
#     Every job line that holds applies, from top to bottom; "type" sets the credit type.
# minor is|begins "JOB" principal|custom ...
#     As a job line, but tried only while no job line, here or in a block above, held.
# other jobs custom
#     A credit no line of the block mapped becomes a custom credit, CreditSubtype "Custom";
#     without this line it is left out.
)";

template <typename T, std::size_t N> std::string_view wordFor(const Word<T> (&table)[N], T value)
{
    for (const Word<T>& word : table) {
        if (word.value == value)
            return word.text;
    }
    return {};
}

std::string quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

std::string ruleLine(std::string_view kind, const JobRule& rule)
{
    std::string line = std::string(kIndent) + std::string(kind) + " " +
                       std::string(wordFor(kTests, rule.test)) + " " + quoted(rule.text) + " " +
                       std::string(wordFor(kDispositions, rule.disposition));
    if (rule.disposition != CreditDisposition::Principal)
        line += " " + quoted(rule.customSubtype);
    else if (!rule.job.empty())
        line += " " + quoted(rule.job);
    if (!rule.creditType.empty())
        line += " type " + quoted(rule.creditType);
    return line + "\n";
}

std::string blockLines(const RuleBlock& block)
{
    std::string lines = "department " + std::string(wordFor(kTests, block.entryTest));
    for (const std::string& entry : block.entries)
        lines += " " + quoted(entry);
    lines += "\n";
    if (!block.creditType.empty())
        lines += std::string(kIndent) + "type " + quoted(block.creditType) + "\n";
    if (block.group != CrewGroup::None)
        lines += std::string(kIndent) + "group " + std::string(wordFor(kGroups, block.group)) +
                 (block.scope == GroupScope::All ? " all" : "") + "\n";
    for (const JobRule& rule : block.jobRules)
        lines += ruleLine("job", rule);
    for (const JobRule& rule : block.minorRules)
        lines += ruleLine("minor", rule);
    if (block.leftover == Leftover::BecomesCustom)
        lines += std::string(kIndent) + "other jobs custom\n";
    return lines;
}

struct Token
{
    std::string text;
    bool quoted = false;
};

// Splits a line into words and quoted texts; nothing when a quote is not closed.
std::optional<std::vector<Token>> tokensOf(std::string_view line)
{
    std::vector<Token> tokens;
    for (std::size_t at = line.find_first_not_of(" \t"); at != std::string_view::npos;
         at = line.find_first_not_of(" \t", at)) {
        if (line[at] == '"') {
            const std::size_t close = line.find('"', at + 1);
            if (close == std::string_view::npos)
                return std::nullopt;
            tokens.push_back({std::string(line.substr(at + 1, close - at - 1)), true});
            at = close + 1;
        } else {
            const std::size_t end = line.find_first_of(" \t\"", at);
            tokens.push_back({std::string(line.substr(at, end - at)), false});
            at = end;
        }
    }
    return tokens;
}

// Reads the lines of a mapping one after another into blocks; the first fault ends it.
class MappingParser
{
public:
    CrewMappingReading read(std::string_view text);

private:
    struct LineKind
    {
        std::string_view keyword;
        bool (MappingParser::*read)();
        bool oncePerBlock;
    };
    static const LineKind kLineKinds[];

    bool readLine(std::string_view line);
    bool noteOnce(std::string_view keyword);
    bool readDepartment();
    bool readType();
    bool readGroup();
    bool readJob() { return readRule(block().jobRules); }
    bool readMinor() { return readRule(block().minorRules); }
    bool readRule(std::vector<JobRule>& rules);
    bool readOther();

    RuleBlock& block() { return m_blocks.back(); }
    bool fail(Kind kind, std::string word = {});
    bool atEnd();
    std::optional<std::string> text(Kind missing);
    bool takeWord(std::string_view word);
    template <typename T, std::size_t N>
    std::optional<T> choice(const Word<T> (&table)[N], Kind expected);

    std::vector<Token> m_tokens;
    std::size_t m_next = 0;
    std::vector<RuleBlock> m_blocks;
    std::vector<std::string_view> m_seenInBlock;
    Kind m_fault = Kind::None;
    std::string m_faultWord;
};

const MappingParser::LineKind MappingParser::kLineKinds[] = {
    {"department", &MappingParser::readDepartment, false},
    {"type", &MappingParser::readType, true},
    {"group", &MappingParser::readGroup, true},
    {"job", &MappingParser::readJob, false},
    {"minor", &MappingParser::readMinor, false},
    {"other", &MappingParser::readOther, true},
};

CrewMappingReading MappingParser::read(std::string_view text)
{
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    int number = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        ++number;
        if (!readLine(line))
            return {std::nullopt, crewMappingError(number, m_fault, std::move(m_faultWord))};
        start = end + 1;
    }
    if (m_blocks.empty())
        return {std::nullopt, crewMappingError(0, Kind::NoRules)};
    return {CrewMapping(std::move(m_blocks)), {}};
}

bool MappingParser::readLine(std::string_view line)
{
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#')
        return true;
    auto tokens = tokensOf(line);
    if (!tokens)
        return fail(Kind::UnclosedQuote);
    m_tokens = std::move(*tokens);
    m_next = 1;
    const Token& keyword = m_tokens.front();
    for (const LineKind& kind : kLineKinds) {
        if (keyword.quoted || keyword.text != kind.keyword)
            continue;
        if (kind.read != &MappingParser::readDepartment && m_blocks.empty())
            return fail(Kind::BeforeFirstDepartment, keyword.text);
        if (kind.oncePerBlock && !noteOnce(kind.keyword))
            return fail(Kind::RepeatedLine, keyword.text);
        return (this->*kind.read)() && atEnd();
    }
    return fail(Kind::UnknownLine, keyword.text);
}

// False when the block has had a line of this kind already.
bool MappingParser::noteOnce(std::string_view keyword)
{
    if (std::find(m_seenInBlock.begin(), m_seenInBlock.end(), keyword) != m_seenInBlock.end())
        return false;
    m_seenInBlock.push_back(keyword);
    return true;
}

bool MappingParser::readDepartment()
{
    const auto test = choice(kTests, Kind::TestExpected);
    if (!test)
        return false;
    RuleBlock newBlock;
    newBlock.entryTest = *test;
    while (m_next < m_tokens.size() && m_tokens[m_next].quoted)
        newBlock.entries.push_back(m_tokens[m_next++].text);
    if (newBlock.entries.empty())
        return fail(Kind::NoDepartmentNamed);
    m_blocks.push_back(std::move(newBlock));
    m_seenInBlock.clear();
    return true;
}

bool MappingParser::readType()
{
    auto type = text(Kind::CreditTypeMissing);
    if (type)
        block().creditType = std::move(*type);
    return type.has_value();
}

bool MappingParser::readGroup()
{
    const auto group = choice(kGroups, Kind::GroupExpected);
    if (!group)
        return false;
    block().group = *group;
    block().scope = takeWord("all") ? GroupScope::All : GroupScope::Minor;
    return true;
}

bool MappingParser::readRule(std::vector<JobRule>& rules)
{
    JobRule rule;
    const auto test = choice(kTests, Kind::TestExpected);
    auto job = test ? text(Kind::JobMissing) : std::nullopt;
    const auto disposition = job ? choice(kDispositions, Kind::DispositionExpected) : std::nullopt;
    if (!disposition)
        return false;
    rule.test = *test;
    rule.text = std::move(*job);
    rule.disposition = *disposition;
    if (rule.disposition == CreditDisposition::Custom) {
        auto subtype = text(Kind::SubtypeMissing);
        if (!subtype)
            return false;
        rule.customSubtype = std::move(*subtype);
    } else if (m_next < m_tokens.size() && m_tokens[m_next].quoted) {
        rule.job = m_tokens[m_next++].text;
    }
    if (takeWord("type")) {
        auto type = text(Kind::CreditTypeMissing);
        if (!type)
            return false;
        rule.creditType = std::move(*type);
    }
    rules.push_back(std::move(rule));
    return true;
}

bool MappingParser::readOther()
{
    if (!takeWord("jobs") || !takeWord("custom"))
        return fail(Kind::OtherJobsMalformed);
    block().leftover = Leftover::BecomesCustom;
    return true;
}

bool MappingParser::fail(Kind kind, std::string word)
{
    m_fault = kind;
    m_faultWord = std::move(word);
    return false;
}

bool MappingParser::atEnd()
{
    if (m_next == m_tokens.size())
        return true;
    return fail(Kind::UnexpectedWord, m_tokens[m_next].text);
}

std::optional<std::string> MappingParser::text(Kind missing)
{
    if (m_next < m_tokens.size() && m_tokens[m_next].quoted)
        return m_tokens[m_next++].text;
    fail(missing);
    return std::nullopt;
}

bool MappingParser::takeWord(std::string_view word)
{
    if (m_next == m_tokens.size() || m_tokens[m_next].quoted || m_tokens[m_next].text != word)
        return false;
    ++m_next;
    return true;
}

template <typename T, std::size_t N>
std::optional<T> MappingParser::choice(const Word<T> (&table)[N], Kind expected)
{
    if (m_next < m_tokens.size() && !m_tokens[m_next].quoted) {
        for (const Word<T>& word : table) {
            if (m_tokens[m_next].text == word.text) {
                ++m_next;
                return word.value;
            }
        }
    }
    fail(expected, m_next < m_tokens.size() ? m_tokens[m_next].text : std::string());
    return std::nullopt;
}

} // namespace

std::string writeCrewMappingRules(const CrewMapping& mapping)
{
    std::string text;
    for (const RuleBlock& block : mapping.blocks())
        text += (text.empty() ? "" : "\n") + blockLines(block);
    return text;
}

std::string writeCrewMappingFile(const CrewMapping& mapping)
{
    return std::string(kExplanation) + "\n" + writeCrewMappingRules(mapping);
}

CrewMappingReading readCrewMapping(std::string_view text)
{
    return MappingParser().read(text);
}

} // namespace ravello::output
