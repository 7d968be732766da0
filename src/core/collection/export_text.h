// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace ravello::collection {

// The text normaliser for texts of the export, with the same result as tmdb::normaliseText
// on the whole text, but fast on text that is mostly plain ASCII: only the stretches around
// the bytes a rule can begin with (bytes 80-FF, '&', '\') go through the normaliser. Every
// rule reads at most one byte before such a byte and six from it on.
void normaliseExportText(std::string& text);

} // namespace ravello::collection
