// SPDX-License-Identifier: MIT
#include "core/text/text_folding.h"

#include <array>

namespace ravello::text {
namespace {

// What each byte from 0x80 on folds to; an empty entry keeps the byte.
constexpr std::array<std::string_view, 128> kUpperHalf = {
    // 80-8F: the capital S and Z with caron and the OE ligature.
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "s",
    "",
    "oe",
    "",
    "z",
    "",
    // 90-9F: their small letters and the capital Y with diaeresis.
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "s",
    "",
    "oe",
    "",
    "z",
    "y",
    // A0-BF: symbols.
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    // C0-DF: capital letters (D7 is the multiplication sign).
    "a",
    "a",
    "a",
    "a",
    "a",
    "a",
    "ae",
    "c",
    "e",
    "e",
    "e",
    "e",
    "i",
    "i",
    "i",
    "i",
    "d",
    "n",
    "o",
    "o",
    "o",
    "o",
    "o",
    "",
    "o",
    "u",
    "u",
    "u",
    "u",
    "y",
    "th",
    "ss",
    // E0-FF: small letters (F7 is the division sign).
    "a",
    "a",
    "a",
    "a",
    "a",
    "a",
    "ae",
    "c",
    "e",
    "e",
    "e",
    "e",
    "i",
    "i",
    "i",
    "i",
    "d",
    "n",
    "o",
    "o",
    "o",
    "o",
    "o",
    "",
    "o",
    "u",
    "u",
    "u",
    "u",
    "y",
    "th",
    "y",
};

} // namespace

void appendFolded(std::string& out, std::string_view text)
{
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
            continue;
        }
        const std::string_view folded = kUpperHalf[byte - 0x80];
        if (folded.empty())
            out += c;
        else
            out += folded;
    }
}

} // namespace ravello::text
