// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Small routines every parser of the program shares: what counts as blank, how a one-line
// XML element gives up its content, how a fixed-column record gives up a field.
// Texts are Windows-1252 bytes. A blank is a byte 0x01-0x20; bytes 0x80-0xFF are text.
// Columns count from 1.
namespace ravello::collection {

// Removes trailing bytes 0x00-0x20. A text of blanks becomes empty.
void TrimRight(std::string& text);

// Removes leading blanks. A text made only of blanks (or empty) is left unchanged.
void TrimLeft(std::string& text);

// Removes the first `count` characters; a count greater than the length changes nothing.
void DropLeading(std::string& text, std::size_t count);

// Upper-cases the letters of Windows-1252 (a-z and the accented letters), in place.
void ToUpper(std::string& text);

// C atol on a 32-bit integer: leading white space, optional sign, digits up to the first
// other character; 0 when there are none. Values beyond the 32-bit range give the nearest
// limit, as atol does with a 32-bit long.
std::int32_t ToLong(std::string_view text);

// The Windows-1252 text as UTF-16, one code unit per byte.
std::u16string ToWide(std::string_view text);

// Turns one line of XML into the content of its element (see StripTag) and keeps at most
// `maxChars` characters of it.
std::string TagValue(std::string_view line, std::size_t maxChars);

// Trims the text; a line holding one whole element becomes its content, a line that only
// opens an element (its content runs on) stays whole, other lines are only trimmed. A line
// that holds nothing but a tag (a self-closing element) becomes the empty text.
void StripTag(std::string& text);

// The characters at columns from .. to-1 of the record, right-trimmed; empty when the range
// holds no character of the record.
std::string FieldAt(std::string_view record, int from, int to);

// Removes the escaped one-letter HTML tags that DVD Profiler keeps in overviews
// ("&lt;i&gt;", "&lt;/i&gt;"); longer tags and other entities stay.
void StripEscapedTags(std::string& text);

} // namespace ravello::collection
