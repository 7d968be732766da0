// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// How one line of DVD Profiler's export gives up the content of its element, and how its
// overviews lose the HTML tags DVD Profiler keeps escaped in them.
namespace ravello::collection {

// The content of the element one line of XML holds, as stripTag leaves the line: a view into
// the line, for a reader that takes a part of it.
std::string_view tagContent(std::string_view line);

// Turns one line of XML into the content of its element (see stripTag) and keeps at most
// `maxChars` characters of it.
std::string tagValue(std::string_view line, std::size_t maxChars);

// Trims the text; a line holding one whole element becomes its content, a line that only
// opens an element (its content runs on) stays whole, other lines are only trimmed. A line
// that holds nothing but a tag (a self-closing element) becomes the empty text.
void stripTag(std::string& text);

// Removes the escaped one-letter HTML tags that DVD Profiler keeps in overviews
// ("&lt;i&gt;", "&lt;/i&gt;"); longer tags and other entities stay.
void stripEscapedTags(std::string& text);

} // namespace ravello::collection
