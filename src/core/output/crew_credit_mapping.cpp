// SPDX-License-Identifier: MIT
#include "core/output/crew_credit_mapping.h"

namespace ravello::output {
namespace {

using Disposition = CreditDisposition;

JobRule principal(std::string begins, std::string job = {}, std::string creditType = {})
{
    return {TextTest::BeginsWith,  std::move(begins), Disposition::Principal,
            std::move(creditType), std::move(job),    {}};
}

JobRule custom(std::string begins, std::string subtype = "Custom", std::string creditType = {})
{
    return {TextTest::BeginsWith, std::move(begins), Disposition::Custom, std::move(creditType), {},
            std::move(subtype)};
}

// TMDb's writing jobs include "Story Editor" and "Original Story": these rules take the job
// whole.
JobRule principalJob(std::string job)
{
    return {TextTest::Equals, std::move(job), Disposition::Principal, {}, {}, {}};
}

JobRule customJob(std::string job, std::string subtype)
{
    return {TextTest::Equals, std::move(job), Disposition::Custom, {}, {}, std::move(subtype)};
}

// The blocks run in this order; each entry test sees the credit type as earlier blocks left
// it, and none of them can enter after another has replaced the credit type.
std::vector<RuleBlock> builtInBlocks()
{
    using enum TextTest;
    using enum CrewGroup;
    using enum Leftover;
    using enum GroupScope;
    // clang-format off
    return {
        {BeginsWith, {"Directing"}, "Direction", {principal("Director")}, {},
         None, BecomesCustom, Minor},
        {Equals, {"Writing"}, {},
         {custom("Novel", "Original Material By"), custom("Screenplay", "Screenwriter"),
          principalJob("Writer"), customJob("Story", "Story By"),
          customJob("Characters", "Original Characters By"), customJob("Creator", "Created By"),
          customJob("Teleplay", "Screenwriter")}, {},
         None, BecomesCustom, Minor},
        {BeginsWith, {"Productio"}, {}, {principal("Producer"), principal("Executive Producer")},
         {},
         None, BecomesCustom, Minor},
        {BeginsWith, {"Camera"}, "Cinematography", {principal("Director of Photography")},
         {custom("Still Photographer"), custom("Steadicam Operator"),
          custom("Additional Photography"), custom("Camera Operator"),
          custom("Second Unit Director of Photography"), custom("First Assistant Camera")},
         Photography, StaysUnmapped, Minor},
        {BeginsWith, {"Editing"}, "Film Editing", {principal("Editor", "Film Editor")}, {},
         None, BecomesCustom, Minor},
        {BeginsWith, {"Sound"}, {},
         {principal("Original Music Composer", "Composer", "Music"),
          {Equals, "Sound Editor", Disposition::Principal, "Sound", "Sound Editor", {}}},
         {custom("Music Supervisor", "Custom", "Music"), custom("Music Editor", "Custom", "Music"),
          custom("ADR Editor", "Custom", "Sound"), custom("Boom Operator", "Custom", "Sound"),
          custom("Foley", "Custom", "Sound"), custom("Sound Effects Editor", "Custom", "Sound"),
          custom("Sound Recordist", "Custom", "Sound"),
          custom("Sound Re-Recording Mixer", "Custom", "Sound"),
          custom("Supervising ADR Editor", "Custom", "Sound"),
          custom("Supervising Sound Editor", "Custom", "Sound"),
          custom("Sound Mixer", "Custom", "Sound"), custom("Sound Designer", "Custom", "Sound"),
          custom("Dialogue Editor", "Custom", "Sound")},
         Sound, StaysUnmapped, Minor},
        {BeginsWith, {"Art", "Costume & Make-Up", "Visual Effects"}, "Art",
         {principal("Production Design", "Production Designer"),
          principal("Art Direction", "Art Director"),
          principal("Costume Design", "Costume Designer"),
          principal("Makeup Artist", "Make-up Artist"),
          principal("Visual Effects", "Visual Effects")},
         {custom("Set Decoration"), custom("Costume Supervisor"),
          custom("Art Department Coordinator"), custom("Construction Coordinator"),
          custom("Assistant Costume Designer"), custom("Key Set Costumer"), custom("Seamstress"),
          custom("Key Hair Stylist"), custom("Key Makeup Artist"), custom("Storyboard Designer"),
          custom("Special Effects Supervisor")},
         Art, StaysUnmapped, Minor},
        {BeginsWith, {"Crew", "Lighting"}, "Other", {}, {},
         Other, BecomesCustom, All},
    };
    // clang-format on
}

bool holds(TextTest test, std::string_view value, std::string_view text)
{
    return test == TextTest::Equals ? value == text : value.starts_with(text);
}

// An empty entry admits nothing.
bool enters(const RuleBlock& block, std::string_view creditType)
{
    for (const std::string& entry : block.entries) {
        if (!entry.empty() && holds(block.entryTest, creditType, entry))
            return true;
    }
    return false;
}

bool groupChecked(CrewGroup group, const CrewGroups& groups)
{
    switch (group) {
    case CrewGroup::Photography:
        return groups.photography;
    case CrewGroup::Sound:
        return groups.sound;
    case CrewGroup::Art:
        return groups.art;
    case CrewGroup::Other:
        return groups.other;
    case CrewGroup::None:
        break;
    }
    return true;
}

void applyRules(const std::vector<JobRule>& rules, CrewCredit& credit)
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
    if (block.scope == GroupScope::All && !checked)
        excludeCustom(credit);
}

} // namespace

const CrewMapping& CrewMapping::builtIn()
{
    static const CrewMapping mapping(builtInBlocks());
    return mapping;
}

CrewCredit CrewMapping::map(std::string_view department, std::string_view job,
                            const CrewGroups& groups) const
{
    CrewCredit credit{Disposition::Unmapped, std::string(department), std::string(job), {}};
    if (department.empty())
        return credit;
    if (job.empty()) {
        credit.disposition = Disposition::Custom;
        credit.customSubtype = "Custom";
    }
    for (const RuleBlock& block : m_blocks) {
        if (enters(block, credit.creditType))
            runBlock(block, groups, credit);
    }
    return credit;
}

} // namespace ravello::output
