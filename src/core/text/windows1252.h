// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ravello::text {

// The program keeps its texts as Windows-1252 bytes (as DVD Profiler does); these turn them
// into UTF-8 for the toolkit, the terminal and the file system, and back.

// Every byte maps to one character; the five bytes Windows-1252 leaves undefined
// (81, 8D, 8F, 90, 9D) map to the C1 control of the same value, as Windows does.
std::string windows1252ToUtf8(std::string_view text);

// Characters that Windows-1252 cannot hold, and malformed UTF-8 bytes, become '?'.
std::string utf8ToWindows1252(std::string_view text);

// The Unicode code point of a Windows-1252 byte (all of them fit in 16 bits).
char32_t windows1252CodePoint(unsigned char byte);

// The Windows-1252 byte of a Unicode code point, or nothing when the code page has none.
// Bytes 00-7F and A0-FF stand for themselves.
bool windows1252ByteOf(char32_t codePoint, unsigned char& byte);

// The length (1 to 4) of the valid UTF-8 sequence that starts at text[at], storing its code
// point; 0 when the bytes there are malformed, overlong, a surrogate or cut short by the end.
std::size_t utf8SequenceAt(std::string_view text, std::size_t at, char32_t& codePoint);

} // namespace ravello::text
