// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/output/cast_role.h"

namespace ravello::output {
namespace {

TEST(readCastRole, NotesAtTheEndBecomeFlags)
{
    const struct
    {
        std::string_view character;
        CastRole cast;
    } cases[] = {
        {"BMW Salesman (uncredited)", {"BMW Salesman", false, true}},
        {"Dory (voice)", {"Dory", true, false}},
        {"Guard (voice) (uncredited)", {"Guard", true, true}},
        {"Guard (uncredited) (voice)", {"Guard", true, true}},
        {"Guard(Uncredited)(VOICE)", {"Guard", true, true}},
        {"  Guard \t(voice)  ", {"  Guard", true, false}},
        {"(uncredited)", {"", false, true}},
        {"(voice) (uncredited)", {"", true, true}},
        // Each note once: a second one stays in the role.
        {"Echo (voice) (voice)", {"Echo (voice)", true, false}},
        // Only at the end, and only these two notes.
        {"(voice) of reason", {"(voice) of reason", false, false}},
        {"Narrator (archive footage)", {"Narrator (archive footage)", false, false}},
        {"Singer (voice", {"Singer (voice", false, false}},
        {"Tom Riddle (as Voldemort)", {"Tom Riddle (as Voldemort)", false, false}},
        {"L\xc3\xa9on (voice)", {"L\xc3\xa9on", true, false}},
        {"", {"", false, false}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readCastRole(c.character), c.cast) << '"' << c.character << '"';
}

} // namespace
} // namespace ravello::output
