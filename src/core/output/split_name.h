// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// DVD Profiler wants a person's name in three parts; TMDb gives it whole.
namespace ravello::output {

struct PersonName
{
    std::string first;
    std::string middle;
    std::string last;

    bool operator==(const PersonName&) const = default;
};

// Splits a name as DVD Profiler's users do. Words are parted by spaces (byte 0x20 only; a run
// of them counts as one, and the parts join their words with one):
// - one word, or a name with the word "The" (any case) after its first word: all of it is the
//   first name ("Cedric The Entertainer");
// - the last name starts at the first particle after the first word ("de", "van", "von",
//   "St." and the others of the table, any case), else it is the last word; a trailing "Jr.",
//   "Sr.", "II", "III", "IV" or "V" stays with it ("Sammy Davis Jr." -> Sammy / Davis Jr.);
// - the words between the first word and the last name are the middle name.
// Works on the text as retrieved, before normalising.
PersonName splitName(std::string_view name);

} // namespace ravello::output
