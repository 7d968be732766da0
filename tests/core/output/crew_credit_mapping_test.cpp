// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/output/crew_credit_mapping.h"

namespace ravello::output {
namespace {

using D = CreditDisposition;

constexpr CrewGroups kAll{};
constexpr CrewGroups kNone{false, false, false, false};
constexpr CrewGroups kNoPhotography{false, true, true, true};
constexpr CrewGroups kNoSound{true, false, true, true};
constexpr CrewGroups kNoArt{true, true, false, true};
constexpr CrewGroups kNoOther{true, true, true, false};

struct MappingCase
{
    std::string_view department;
    std::string_view job;
    CrewGroups groups;
    D disposition;
    std::string_view creditType; // checked for principal and custom credits
    std::string_view subtype;    // CreditSubtype: the job of a principal, else the custom subtype
    std::string_view role;       // CustomRole of a custom credit
};

const MappingCase kCases[] = {
    // Step zero: empty department, empty job, case.
    {"", "Director", kAll, D::Unmapped, "", "", ""},
    {"Actors", "", kAll, D::Custom, "Actors", "Custom", ""},
    {"Actors", "Actor", kAll, D::Unmapped, "", "", ""},
    {"directing", "Director", kAll, D::Unmapped, "", "", ""},
    // Directing.
    {"Directing", "Director", kNone, D::Principal, "Direction", "Director", ""},
    {"Directing", "First Assistant Director", kAll, D::Custom, "Direction", "Custom",
     "First Assistant Director"},
    {"Directing", "Script Supervisor", kNone, D::Custom, "Direction", "Custom",
     "Script Supervisor"},
    {"Directing", "", kAll, D::Custom, "Direction", "Custom", ""},
    // Writing: the department must match whole; Writer, Story and Characters whole jobs.
    {"Writing", "Novel", kAll, D::Custom, "Writing", "Original Material By", "Novel"},
    {"Writing", "Screenplay", kNone, D::Custom, "Writing", "Screenwriter", "Screenplay"},
    {"Writing", "Writer", kNone, D::Principal, "Writing", "Writer", ""},
    {"Writing", "Story", kNone, D::Custom, "Writing", "Story By", "Story"},
    {"Writing", "Characters", kAll, D::Custom, "Writing", "Original Characters By", "Characters"},
    {"Writing", "Creator", kNone, D::Custom, "Writing", "Created By", "Creator"},
    {"Writing", "Teleplay", kNone, D::Custom, "Writing", "Screenwriter", "Teleplay"},
    {"Writing", "Creators", kAll, D::Custom, "Writing", "Custom", "Creators"},
    {"Writing", "Story Editor", kAll, D::Custom, "Writing", "Custom", "Story Editor"},
    {"Writing", "Original Story", kAll, D::Custom, "Writing", "Custom", "Original Story"},
    {"Writing", "Author", kNone, D::Custom, "Writing", "Custom", "Author"},
    {"Writing", "Writers", kAll, D::Custom, "Writing", "Custom", "Writers"},
    {"Writing", "", kAll, D::Custom, "Writing", "Custom", ""},
    {"Writings", "Novel", kAll, D::Unmapped, "", "", ""},
    // Production.
    {"Production", "Producer", kAll, D::Principal, "Production", "Producer", ""},
    {"Production", "Executive Producer", kAll, D::Principal, "Production", "Executive Producer",
     ""},
    {"Production", "Casting", kNone, D::Custom, "Production", "Custom", "Casting"},
    {"Production", "Production Manager", kAll, D::Custom, "Production", "Custom",
     "Production Manager"},
    // Camera: principal stays whatever the box; other jobs only from the list of six.
    {"Camera", "Director of Photography", kNoPhotography, D::Principal, "Cinematography",
     "Director of Photography", ""},
    {"Camera", "Camera Operator", kAll, D::Custom, "Cinematography", "Custom", "Camera Operator"},
    {"Camera", "Camera Operator", kNoPhotography, D::Excluded, "", "", ""},
    {"Camera", "Second Unit Director of Photography", kAll, D::Custom, "Cinematography", "Custom",
     "Second Unit Director of Photography"},
    {"Camera", "Grip", kAll, D::Unmapped, "", "", ""},
    {"Camera", "Grip", kNoPhotography, D::Unmapped, "", "", ""},
    {"Camera", "", kNoPhotography, D::Custom, "Cinematography", "Custom", ""},
    // Editing.
    {"Editing", "Editor", kNone, D::Principal, "Film Editing", "Film Editor", ""},
    {"Editing", "Editorial Manager", kAll, D::Principal, "Film Editing", "Film Editor", ""},
    {"Editing", "Colorist", kAll, D::Custom, "Film Editing", "Custom", "Colorist"},
    // Sound and music.
    {"Sound", "Original Music Composer", kNoSound, D::Principal, "Music", "Composer", ""},
    {"Sound", "Sound Editor", kNoSound, D::Principal, "Sound", "Sound Editor", ""},
    {"Sound", "Sound Editor Assistant", kAll, D::Unmapped, "", "", ""},
    {"Sound", "Foley Artist", kAll, D::Custom, "Sound", "Custom", "Foley Artist"},
    {"Sound", "Foley Artist", kNoSound, D::Excluded, "", "", ""},
    {"Sound", "Music Supervisor", kAll, D::Custom, "Music", "Custom", "Music Supervisor"},
    {"Sound", "Supervising Sound Editor", kAll, D::Custom, "Sound", "Custom",
     "Supervising Sound Editor"},
    {"Sound", "Orchestrator", kAll, D::Unmapped, "", "", ""},
    {"Sound", "", kNoSound, D::Custom, "Sound", "Custom", ""},
    // Art, costume and make-up, visual effects.
    {"Art", "Production Design", kNoArt, D::Principal, "Art", "Production Designer", ""},
    {"Art", "Art Direction", kNoArt, D::Principal, "Art", "Art Director", ""},
    {"Costume & Make-Up", "Costume Design", kAll, D::Principal, "Art", "Costume Designer", ""},
    {"Costume & Make-Up", "Makeup Artist", kAll, D::Principal, "Art", "Make-up Artist", ""},
    {"Visual Effects", "Visual Effects Supervisor", kAll, D::Principal, "Art", "Visual Effects",
     ""},
    {"Art", "Set Decoration", kAll, D::Custom, "Art", "Custom", "Set Decoration"},
    {"Art", "Set Decoration", kNoArt, D::Excluded, "", "", ""},
    {"Costume & Make-Up", "Key Hair Stylist", kAll, D::Custom, "Art", "Custom", "Key Hair Stylist"},
    {"Art", "Painter", kAll, D::Unmapped, "", "", ""},
    {"Visual Effects", "", kNoArt, D::Custom, "Art", "Custom", ""},
    // Crew and Lighting: all custom, all removed by the Other box.
    {"Crew", "Stunts", kAll, D::Custom, "Other", "Custom", "Stunts"},
    {"Lighting", "Gaffer", kAll, D::Custom, "Other", "Custom", "Gaffer"},
    {"Crew", "Stunts", kNoOther, D::Excluded, "", "", ""},
    {"Lighting", "Gaffer", kNoOther, D::Excluded, "", "", ""},
    {"Crew", "", kNoOther, D::Excluded, "", "", ""},
    {"Crew", "Stunts", kNoPhotography, D::Custom, "Other", "Custom", "Stunts"},
};

TEST(CrewCreditMapping, EveryRuleBlockMapsItsDepartments)
{
    for (const MappingCase& c : kCases) {
        const CrewCredit credit = CrewMapping::builtIn().map(c.department, c.job, c.groups);
        const std::string label = std::string(c.department) + " / " + std::string(c.job);
        ASSERT_EQ(credit.disposition, c.disposition) << label;
        if (c.disposition == D::Principal) {
            EXPECT_EQ(credit.creditType, c.creditType) << label;
            EXPECT_EQ(credit.job, c.subtype) << label;
        } else if (c.disposition == D::Custom) {
            EXPECT_EQ(credit.creditType, c.creditType) << label;
            EXPECT_EQ(credit.customSubtype, c.subtype) << label;
            EXPECT_EQ(credit.job, c.role) << label;
        }
    }
}

} // namespace
} // namespace ravello::output
