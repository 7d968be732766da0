// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// How a TMDb crew credit (English department and job) becomes a DVD Profiler credit type and
// subtype. Principal credits use DVD Profiler's own subtypes; the minor ones are custom
// credits that carry the TMDb job as their role.
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

// Maps one crew credit. Tests are case-sensitive. An empty department gives Unmapped; an
// empty job makes a custom credit unless a rule makes it principal.
CrewCredit mapCrewCredit(std::string_view department, std::string_view job,
                         const CrewGroups& groups);

} // namespace ravello::output
