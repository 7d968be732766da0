// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

// How a TMDb crew credit (English department and job) becomes a DVD Profiler credit type and
// subtype. Principal credits use DVD Profiler's own subtypes; the minor ones are custom
// credits that carry the TMDb job as their role. The rules are data: built in, or read from
// the mapping file the user may edit.
namespace ravello::output {

// The four group boxes (CBO_Fotografia, CBO_Sound, CBO_Arte, CBO_Altro). An unchecked box
// leaves out the custom credits of its group; principal credits always stay.
struct CrewGroups
{
    bool photography = true;
    bool sound = true;
    bool art = true;
    bool other = true;
};

enum class CreditDisposition
{
    Unmapped, // no rule knows the department or job: no line
    Principal,
    Custom,
    Excluded, // left out by a group box: no line
};

struct CrewCredit
{
    CreditDisposition disposition = CreditDisposition::Unmapped;
    std::string creditType;
    std::string job;           // CreditSubtype of a principal credit, CustomRole of a custom one
    std::string customSubtype; // CreditSubtype of a custom credit
};

// How a rule compares a credit type or job with its text, case-sensitively.
enum class TextTest
{
    BeginsWith,
    Equals,
};

// The group box a block answers to.
enum class CrewGroup
{
    None,
    Photography,
    Sound,
    Art,
    Other,
};

// What a block does with a credit its rules left unmapped.
enum class Leftover
{
    StaysUnmapped,
    BecomesCustom, // custom, subtype "Custom"
};

// Which custom credits of a block an unchecked group box leaves out.
enum class GroupScope
{
    Minor, // only those the minor rules made
    All,   // every custom credit of the block
};

// One job test and its effect; an empty credit type, job or custom subtype leaves that value
// as it was.
struct JobRule
{
    TextTest test = TextTest::BeginsWith;
    std::string text;
    CreditDisposition disposition = CreditDisposition::Custom;
    std::string creditType;
    std::string job;           // the CreditSubtype a principal rule gives
    std::string customSubtype; // the CreditSubtype a custom rule gives

    bool operator==(const JobRule&) const = default;
};

// A block of rules for the credit types its entry test admits.
struct RuleBlock
{
    TextTest entryTest = TextTest::BeginsWith;
    std::vector<std::string> entries; // the credit type passes the test with one of them
    std::string creditType;           // set on entry; empty keeps the department
    std::vector<JobRule> jobRules;    // every rule that holds applies, in order
    std::vector<JobRule> minorRules;  // tried only while still unmapped
    CrewGroup group = CrewGroup::None;
    Leftover leftover = Leftover::StaysUnmapped;
    GroupScope scope = GroupScope::Minor;

    bool operator==(const RuleBlock&) const = default;
};

class CrewMapping
{
public:
    explicit CrewMapping(std::vector<RuleBlock> blocks) : m_blocks(std::move(blocks)) {}

    // The program's own rules: eight blocks, from directing to crew and lighting.
    static const CrewMapping& builtIn();

    const std::vector<RuleBlock>& blocks() const { return m_blocks; }

    // Maps one crew credit. An empty department gives Unmapped; an empty job makes a custom
    // credit unless a rule makes it principal. The blocks run in order, each entry test
    // seeing the credit type as earlier blocks left it.
    CrewCredit map(std::string_view department, std::string_view job,
                   const CrewGroups& groups) const;

    bool operator==(const CrewMapping&) const = default;

private:
    std::vector<RuleBlock> m_blocks;
};

} // namespace ravello::output
