// SPDX-License-Identifier: MIT
#include "core/output/split_name.h"

#include <algorithm>

#include "core/text/text_fields.h"

namespace ravello::output {
namespace {

bool isBlank(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x01 && byte <= 0x20;
}

// Takes the word before the first space off the front of `rest` and returns it; leading
// blanks of what remains go too. Without a space, returns nothing and leaves `rest` alone.
std::string takeWord(std::string& rest)
{
    const std::size_t space = rest.find(' ');
    if (space == std::string::npos)
        return {};
    std::string word = rest.substr(0, space);
    rest.erase(0, space + 1);
    text::trimLeft(rest);
    // trimLeft keeps a text made only of blanks; nothing of a name is left in one.
    if (std::all_of(rest.begin(), rest.end(), isBlank))
        rest.clear();
    return word;
}

} // namespace

PersonName splitName(std::string_view name)
{
    std::string rest(name);
    PersonName parts;
    parts.first = takeWord(rest);
    parts.middle = takeWord(rest);
    parts.last = std::move(rest);
    return parts;
}

} // namespace ravello::output
