// SPDX-License-Identifier: MIT
#include "core/output/cast_role.h"

#include <algorithm>

#include "core/text/text_fields.h"

namespace ravello::output {
namespace {

constexpr std::string_view kVoice = "(voice)";
constexpr std::string_view kUncredited = "(uncredited)";

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

// Takes `note` (lower case) off the end of the role, whatever its case, and the blanks then
// left at the end. False when the role does not end with it.
bool takeNote(std::string& role, std::string_view note)
{
    if (role.size() < note.size())
        return false;
    const auto end = role.end() - static_cast<std::ptrdiff_t>(note.size());
    if (!std::equal(end, role.end(), note.begin(),
                    [](char c, char wanted) { return lowerAscii(c) == wanted; }))
        return false;
    role.erase(end, role.end());
    text::trimRight(role);
    return true;
}

} // namespace

CastRole readCastRole(std::string_view character)
{
    CastRole cast{std::string(character)};
    text::trimRight(cast.role);
    for (;;) {
        if (!cast.voice && takeNote(cast.role, kVoice))
            cast.voice = true;
        else if (!cast.uncredited && takeNote(cast.role, kUncredited))
            cast.uncredited = true;
        else
            return cast;
    }
}

} // namespace ravello::output
