// SPDX-License-Identifier: MIT
#include "core/collection/tag_text.h"

#include <utility>

#include "core/text/text_fields.h"

namespace ravello::collection {
namespace {

bool startsWithAt(std::string_view text, std::size_t at, std::string_view prefix)
{
    return text.size() >= at + prefix.size() && text.compare(at, prefix.size(), prefix) == 0;
}

} // namespace

void stripTag(std::string& text)
{
    text::trimLeft(text);
    text::trimRight(text);
    if (text.empty() || text.front() != '<' || text.back() != '>')
        return;
    // The tag is erased rather than blanked out, so a line holding a tag alone (a bare
    // start tag, a self-closing element) ends as the empty text, not as a row of spaces.
    text.erase(0, text.find('>') + 1);
    text::trimLeft(text);
    if (text.empty() || text.back() != '>')
        return;
    const std::size_t endTag = text.find('<');
    if (endTag != std::string::npos)
        text.resize(endTag);
}

std::string tagValue(std::string_view line, std::size_t maxChars)
{
    std::string value(line);
    stripTag(value);
    if (value.size() > maxChars)
        value.resize(maxChars);
    return value;
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
