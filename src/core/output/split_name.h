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
};

// Splits a name at spaces (byte 0x20 only): one word is the last name; two are first and
// last; three are first, middle and last; from four on, the third word and everything after
// it, inner spaces as they stand, is the last name. Runs of spaces between the first three
// words count as one. Works on the text as retrieved, before normalising.
PersonName splitName(std::string_view name);

} // namespace ravello::output
