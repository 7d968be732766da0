// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Small routines every parser of the program shares: what counts as blank, upper case and
// numbers in Windows-1252, how a fixed-column record gives up a field.
// Texts are Windows-1252 bytes. A blank is a byte 0x01-0x20; bytes 0x80-0xFF are text.
// Columns count from 1.
namespace ravello::text {

// Removes trailing bytes 0x00-0x20. A text of blanks becomes empty.
void trimRight(std::string& text);

// Removes leading blanks. A text made only of blanks (or empty) is left unchanged.
void trimLeft(std::string& text);

// Removes the first `count` characters; a count greater than the length changes nothing.
void dropLeading(std::string& text, std::size_t count);

// Upper-cases the letters of Windows-1252 (a-z and the accented letters), in place.
void toUpper(std::string& text);

// C atol on a 32-bit integer: leading white space, optional sign, digits up to the first
// other character; 0 when there are none. Values beyond the 32-bit range give the nearest
// limit, as atol does with a 32-bit long.
std::int32_t toLong(std::string_view text);

// The Windows-1252 text as UTF-16, one code unit per byte.
std::u16string toWide(std::string_view text);

// The characters at columns from .. to-1 of the record, right-trimmed; empty when the range
// holds no character of the record.
std::string fieldAt(std::string_view record, int from, int to);

} // namespace ravello::text
