// SPDX-License-Identifier: MIT
#include "core/collection/tag_text.h"

#include <utility>

namespace ravello::collection {
namespace {

// The blanks of text::trimLeft and text::trimRight: the bytes up to 0x20.
bool isBlankOrNul(char c)
{
    return static_cast<unsigned char>(c) <= 0x20;
}

bool startsWithAt(std::string_view text, std::size_t at, std::string_view prefix)
{
    return text.size() >= at + prefix.size() && text.compare(at, prefix.size(), prefix) == 0;
}

} // namespace

std::string_view tagContent(std::string_view line)
{
    const auto trimLeft = [&line] {
        while (!line.empty() && isBlankOrNul(line.front()))
            line.remove_prefix(1);
    };
    trimLeft();
    while (!line.empty() && isBlankOrNul(line.back()))
        line.remove_suffix(1);
    if (line.empty() || line.front() != '<' || line.back() != '>')
        return line;
    // A line holding a tag alone (a bare start tag, a self-closing element) gives the empty
    // text, not a row of spaces.
    line.remove_prefix(line.find('>') + 1);
    trimLeft();
    if (line.empty() || line.back() != '>')
        return line;
    return line.substr(0, line.find('<'));
}

void stripTag(std::string& text)
{
    const std::string_view content = tagContent(text);
    const auto from = static_cast<std::size_t>(content.data() - text.data());
    text.erase(from + content.size());
    text.erase(0, from);
}

std::string tagValue(std::string_view line, std::size_t maxChars)
{
    return std::string(tagContent(line).substr(0, maxChars));
}

void stripEscapedTags(std::string& text)
{
    std::string kept;
    kept.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (startsWithAt(text, i, "&lt;") && startsWithAt(text, i + 5, "&gt;")) {
            i += 9;
        } else if (startsWithAt(text, i, "&lt;/") && startsWithAt(text, i + 6, "&gt;")) {
            i += 10;
        } else {
            kept += text[i++];
        }
    }
    text = std::move(kept);
}

} // namespace ravello::collection
