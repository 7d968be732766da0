// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace ravello::text {

// Turns the UTF-8 sequences, JSON escaped quotes and HTML entities that matter in film
// titles, names and overviews into single Windows-1252 bytes, in place, in one pass.
// Cyrillic letters are dropped and typographic quotes become apostrophes; any other
// character Windows-1252 has becomes its byte; bytes of other characters stay as they are.
// The text never grows.
void normaliseText(std::string& text);

} // namespace ravello::text
