// SPDX-License-Identifier: MIT
#include "core/output/crew_credit_mapping.h"

#include <array>
#include <span>

namespace ravello::output {
namespace {

using Disposition = CreditDisposition;

enum class Test
{
    BeginsWith,
    Equals,
};

enum class Group
{
    None,
    Photography,
    Sound,
    Art,
    Other,
};

// One job test and its effect; an empty credit type or job leaves that value as it was.
struct JobRule
{
    Test test;
    std::string_view text;
    Disposition disposition;
    std::string_view creditType;
    std::string_view job;
    std::string_view customSubtype;
};

constexpr JobRule principal(std::string_view begins, std::string_view job = {},
                            std::string_view creditType = {})
{
    return {Test::BeginsWith, begins, Disposition::Principal, creditType, job, {}};
}

constexpr JobRule custom(std::string_view begins, std::string_view subtype = "Custom",
                         std::string_view creditType = {})
{
    return {Test::BeginsWith, begins, Disposition::Custom, creditType, {}, subtype};
}

enum class Leftover
{
    StaysUnmapped,
    BecomesCustom,
};

enum class Scope
{
    Minor, // only those the minor rules made
    All,   // every custom credit of the block
};

// A block of rules for the departments its entry test admits.
struct RuleBlock
{
    Test entryTest;
    std::array<std::string_view, 3> entries; // empty entries admit nothing
    std::string_view creditType;             // set on entry; empty keeps the department
    std::span<const JobRule> jobRules;       // every rule that holds applies, in order
    std::span<const JobRule> minorRules;     // tried only while still unmapped
    Group group;                             // an unchecked box excludes custom credits
    Leftover leftover;                       // what the rules left unmapped becomes
    Scope scope;                             // which custom credits the box excludes
};

constexpr JobRule kDirecting[] = {principal("Director")};
constexpr JobRule kWriting[] = {custom("Novel", "Original Material By"),
                                custom("Screenplay", "Screenwriter")};
constexpr JobRule kProduction[] = {principal("Producer"), principal("Executive Producer")};
constexpr JobRule kCamera[] = {principal("Director of Photography")};
constexpr JobRule kCameraMinor[] = {
    custom("Still Photographer"),
    custom("Steadicam Operator"),
    custom("Additional Photography"),
    custom("Camera Operator"),
    custom("Second Unit Director of Photography"),
    custom("First Assistant Camera"),
};
constexpr JobRule kEditing[] = {principal("Editor", "Film Editor")};
constexpr JobRule kSound[] = {
    principal("Original Music Composer", "Composer", "Music"),
    {Test::Equals, "Sound Editor", Disposition::Principal, "Sound", "Sound Editor", {}},
};
constexpr JobRule kSoundMinor[] = {
    custom("Music Supervisor", "Custom", "Music"),
    custom("Music Editor", "Custom", "Music"),
    custom("ADR Editor", "Custom", "Sound"),
    custom("Boom Operator", "Custom", "Sound"),
    custom("Foley", "Custom", "Sound"),
    custom("Sound Effects Editor", "Custom", "Sound"),
    custom("Sound Recordist", "Custom", "Sound"),
    custom("Sound Re-Recording Mixer", "Custom", "Sound"),
    custom("Supervising ADR Editor", "Custom", "Sound"),
    custom("Supervising Sound Editor", "Custom", "Sound"),
    custom("Sound Mixer", "Custom", "Sound"),
    custom("Sound Designer", "Custom", "Sound"),
    custom("Dialogue Editor", "Custom", "Sound"),
};
constexpr JobRule kArt[] = {
    principal("Production Design", "Production Designer"),
    principal("Art Direction", "Art Director"),
    principal("Costume Design", "Costume Designer"),
    principal("Makeup Artist", "Make-up Artist"),
    principal("Visual Effects", "Visual Effects"),
};
constexpr JobRule kArtMinor[] = {
    custom("Set Decoration"),
    custom("Costume Supervisor"),
    custom("Art Department Coordinator"),
    custom("Construction Coordinator"),
    custom("Assistant Costume Designer"),
    custom("Key Set Costumer"),
    custom("Seamstress"),
    custom("Key Hair Stylist"),
    custom("Key Makeup Artist"),
    custom("Storyboard Designer"),
    custom("Special Effects Supervisor"),
};

// The blocks run in this order; each entry test sees the credit type as earlier blocks left
// it, and none of them can enter after another has replaced the credit type.
// clang-format off
const RuleBlock kBlocks[] = {
    {Test::BeginsWith, {"Directing"}, "Direction", kDirecting, {},
     Group::None, Leftover::BecomesCustom, Scope::Minor},
    {Test::Equals, {"Writing"}, {}, kWriting, {},
     Group::None, Leftover::StaysUnmapped, Scope::Minor},
    {Test::BeginsWith, {"Productio"}, {}, kProduction, {},
     Group::None, Leftover::BecomesCustom, Scope::Minor},
    {Test::BeginsWith, {"Camera"}, "Cinematography", kCamera, kCameraMinor,
     Group::Photography, Leftover::StaysUnmapped, Scope::Minor},
    {Test::BeginsWith, {"Editing"}, "Film Editing", kEditing, {},
     Group::None, Leftover::BecomesCustom, Scope::Minor},
    {Test::BeginsWith, {"Sound"}, {}, kSound, kSoundMinor,
     Group::Sound, Leftover::StaysUnmapped, Scope::Minor},
    {Test::BeginsWith, {"Art", "Costume & Make-Up", "Visual Effects"}, "Art", kArt, kArtMinor,
     Group::Art, Leftover::StaysUnmapped, Scope::Minor},
    {Test::BeginsWith, {"Crew", "Lighting"}, "Other", {}, {},
     Group::Other, Leftover::BecomesCustom, Scope::All},
};
// clang-format on

bool holds(Test test, std::string_view value, std::string_view text)
{
    return test == Test::Equals ? value == text : value.starts_with(text);
}

bool enters(const RuleBlock& block, std::string_view creditType)
{
    for (const std::string_view entry : block.entries) {
        if (!entry.empty() && holds(block.entryTest, creditType, entry))
            return true;
    }
    return false;
}

bool groupChecked(Group group, const CrewGroups& groups)
{
    switch (group) {
    case Group::Photography:
        return groups.photography;
    case Group::Sound:
        return groups.sound;
    case Group::Art:
        return groups.art;
    case Group::Other:
        return groups.other;
    case Group::None:
        break;
    }
    return true;
}

void applyRules(std::span<const JobRule> rules, CrewCredit& credit)
{
    for (const JobRule& rule : rules) {
        if (!holds(rule.test, credit.job, rule.text))
            continue;
        credit.disposition = rule.disposition;
        if (!rule.creditType.empty())
            credit.creditType = rule.creditType;
        if (!rule.job.empty())
            credit.job = rule.job;
        if (!rule.customSubtype.empty())
            credit.customSubtype = rule.customSubtype;
    }
}

void excludeCustom(CrewCredit& credit)
{
    if (credit.disposition == Disposition::Custom)
        credit.disposition = Disposition::Excluded;
}

void runBlock(const RuleBlock& block, const CrewGroups& groups, CrewCredit& credit)
{
    if (!block.creditType.empty())
        credit.creditType = block.creditType;
    applyRules(block.jobRules, credit);
    const bool checked = groupChecked(block.group, groups);
    if (credit.disposition == Disposition::Unmapped && !block.minorRules.empty()) {
        applyRules(block.minorRules, credit);
        if (!checked)
            excludeCustom(credit);
    }
    if (credit.disposition == Disposition::Unmapped && block.leftover == Leftover::BecomesCustom) {
        credit.disposition = Disposition::Custom;
        credit.customSubtype = "Custom";
    }
    if (block.scope == Scope::All && !checked)
        excludeCustom(credit);
}

} // namespace

CrewCredit mapCrewCredit(std::string_view department, std::string_view job,
                         const CrewGroups& groups)
{
    CrewCredit credit{Disposition::Unmapped, std::string(department), std::string(job), {}};
    if (department.empty())
        return credit;
    if (job.empty()) {
        credit.disposition = Disposition::Custom;
        credit.customSubtype = "Custom";
    }
    for (const RuleBlock& block : kBlocks) {
        if (enters(block, credit.creditType))
            runBlock(block, groups, credit);
    }
    return credit;
}

} // namespace ravello::output
