// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace ravello::output {

// A cast member's role and DVD Profiler's two actor flags, which TMDb writes into the
// character as notes at its end.
struct CastRole
{
    std::string role;
    bool voice = false;
    bool uncredited = false;

    bool operator==(const CastRole&) const = default;
};

// Takes the notes "(voice)" and "(uncredited)" off the end of the character (any case, either
// order, each at most once, the blanks around them too) and sets their flags. Works on the
// text as retrieved.
CastRole readCastRole(std::string_view character);

} // namespace ravello::output
